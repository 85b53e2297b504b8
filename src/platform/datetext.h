#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace corvella {

// Dates as the user reads them: the locale's short date format, but always with a
// four-digit year. Many locales write two-digit years in their short format, and reading
// "26" back gives 1926; with four digits, a date written and read back under the same
// locale is the same calendar day.

// The format with every year field, outside quoted literal text, widened to "yyyy".
QString fourDigitYearFormat(const QString& format);

QString dateToText(QDate date, const QLocale& locale = QLocale());
// An invalid date when the text is not a date in that format with a year from 1 to 9999.
QDate textToDate(const QString& text, const QLocale& locale = QLocale());

} // namespace corvella
