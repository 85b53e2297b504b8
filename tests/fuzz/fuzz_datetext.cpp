// Fuzzes the reading of the update reminder's stored date, which may hold any text: one
// written under another locale, edited by hand, or cut short. A text that reads as a date
// must read as a valid one, and writing that date and reading it back must give the same day.

#include "fuzztext.h"

#include "platform/datetext.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Short formats with the day, month or year first, with other separators and other digits,
// with text months and two-digit years in their own format.
const char* const kLocales[] = {"C",     "en_US", "en_GB", "de_DE", "fr_FR", "nl_NL",
                                "hu_HU", "ja_JP", "zh_CN", "ko_KR", "ar_EG", "fa_IR",
                                "hi_IN", "th_TH", "he_IL", "ru_RU"};

[[noreturn]] void broken(const char* what, const QString& input, const QLocale& locale,
                         const QString& detail = {})
{
    std::fprintf(stderr, "fuzz_datetext: %s under %s for \"%s\" (%s) %s\n", what,
                 qPrintable(locale.name()), qPrintable(input),
                 corvella::fuzz::hexUnits(input).constData(), qPrintable(detail));
    std::abort();
}

// Every year field outside quoted text is exactly four letters long.
bool yearsWidened(const QString& format)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        if (format.at(i) == QLatin1Char('\'')) {
            quoted = !quoted;
            ++i;
        } else if (!quoted && format.at(i) == QLatin1Char('y')) {
            qsizetype run = 0;
            while (i < format.size() && format.at(i) == QLatin1Char('y'))
                ++run, ++i;
            if (run != 4)
                return false;
        } else {
            ++i;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corvella;
    static const auto locales = [] {
        QList<QLocale> list;
        for (const char* name : kLocales)
            list << QLocale(QLatin1String(name));
        return list;
    }();

    QString input;
    uint8_t selector = 0;
    if (!corvella::fuzz::textFromInput(data, size, input, selector))
        return 0;
    const QLocale& locale = locales.at((selector / 3) % locales.size());

    const QDate date = textToDate(input, locale);
    if (!date.isNull()) {
        if (!date.isValid())
            broken("read an invalid date", input, locale);
        const QString written = dateToText(date, locale);
        const QDate again = textToDate(written, locale);
        if (again != date)
            broken("date does not survive writing and reading", input, locale,
                   date.toString(Qt::ISODate) + QStringLiteral(" -> \"") + written +
                       QStringLiteral("\" -> ") + again.toString(Qt::ISODate));
    }

    // The same text taken as a date format: the year widening must leave no short year.
    if (!yearsWidened(fourDigitYearFormat(input)))
        broken("a year field is not four letters wide", input, locale, fourDigitYearFormat(input));
    return 0;
}
