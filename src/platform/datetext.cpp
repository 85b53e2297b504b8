#include "platform/datetext.h"

namespace corvella {

namespace {

QString shortFormat(const QLocale& locale)
{
    return fourDigitYearFormat(locale.dateFormat(QLocale::ShortFormat));
}

} // namespace

QString fourDigitYearFormat(const QString& format)
{
    QString result;
    result.reserve(format.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar ch = format.at(i);
        if (ch == QLatin1Char('\'')) {
            // '' is a literal quote both inside and outside quoted text, so toggling on
            // each quote keeps the state right.
            quoted = !quoted;
            result.append(ch);
            ++i;
        } else if (!quoted && ch == QLatin1Char('y')) {
            while (i < format.size() && format.at(i) == QLatin1Char('y'))
                ++i;
            result.append(QStringLiteral("yyyy"));
        } else {
            result.append(ch);
            ++i;
        }
    }
    return result;
}

QString dateToText(QDate date, const QLocale& locale)
{
    return locale.toString(date, shortFormat(locale));
}

QDate textToDate(const QString& text, const QLocale& locale)
{
    if (text.isEmpty())
        return {};
    const QDate date = locale.toDate(text, shortFormat(locale));
    // The format reads a sign too ("6.12.-2026"); only the four-digit years that dateToText
    // writes are dates of ours.
    if (date.year() < 1 || date.year() > 9999)
        return {};
    return date;
}

} // namespace corvella
