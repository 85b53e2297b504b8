#include "numerology/cycles.h"
#include "numerology/chartparts.h"
#include "numerology/letters.h"
#include "numerology/reduction.h"
#include "numerology/working.h"

#include <QLocale>

namespace corvella::numerology {

using namespace internal;
using namespace working;

namespace {

QList<Span> spansEnding(const QDate& birth, const QList<int>& ends)
{
    QList<Span> spans;
    int from = 0;
    for (int end : ends) {
        Span span;
        span.fromAge = from;
        span.untilAge = end;
        span.from = birth.addYears(from);
        if (end >= 0)
            span.until = birth.addYears(end);
        spans << span;
        from = end;
    }
    return spans;
}

// "Third Pinnacle (1): from age 39 until age 48, August 31, 2022 to August 30, 2031 (now)"
QString spanLine(int k, const QString& noun, int value, const Span& span, bool now)
{
    const QString ages = span.fromAge == 0 ? QStringLiteral("from birth")
                                           : QStringLiteral("from age %1").arg(span.fromAge);
    QString line = QStringLiteral("%1 %2 (%3): %4").arg(ordinal(k), noun).arg(value).arg(ages);
    if (span.untilAge < 0)
        line += QStringLiteral(" for the rest of life, from %1").arg(spelledDate(span.from));
    else
        line += QStringLiteral(" until age %1, %2 to %3")
                    .arg(span.untilAge)
                    .arg(spelledDate(span.from), spelledDate(span.until.addDays(-1)));
    if (now)
        line += QLatin1String(" (now)");
    return line;
}

void setSpans(Number& n, const QString& noun, const QList<Span>& spans, const QDate& lookAt,
              const QString& lead)
{
    n.spans = spans;
    n.timing << lead;
    for (int k = 0; k < spans.size(); ++k) {
        const bool now = spans[k].contains(lookAt);
        if (now)
            n.current = k;
        n.timing << spanLine(k, noun, n.values.value(k), spans[k], now);
    }
}

// "36 - 6 = 30 (Life Path 6)": where the First Pinnacle ends.
QString firstPinnacleRule(int lifePath, const QList<Span>& spans)
{
    return QStringLiteral("36 - %1 = %2 (%3)")
        .arg(reduce(lifePath, false))
        .arg(spans[0].untilAge)
        .arg(asSingleDigit(QStringLiteral("Life Path"), lifePath));
}

// "3 + 1 + 8 + 2 + 0 + 2 + 7 = 23, 2 + 3 = 5"
QString cycleWorking(const QList<int>& digits, Keep keep)
{
    return added(digits) + continuation(sumOf(digits), keep);
}

QList<int> personalYearDigits(const QDate& birth, int year)
{
    return digitsOf({birth.day(), birth.month(), year});
}

QList<int> personalMonthDigits(const QDate& birth, int year, int month)
{
    return digitsOf({birth.day(), birth.month(), month, year});
}

Number cycleNumber(Subject subject, const QString& inputs, const QList<int>& digits, Keep keep)
{
    Number n = parts::numberFor(subject);
    n.values = {reduced(sumOf(digits), keep)};
    n.working << inputs << added(digits) << reductionLines(sumOf(digits), keep);
    return n;
}

CycleAhead cycleAhead(Subject subject, int year, int month, const QList<int>& digits, Keep keep)
{
    CycleAhead cycle;
    cycle.subject = subject;
    cycle.year = year;
    cycle.month = month;
    cycle.value = reduced(sumOf(digits), keep);
    cycle.working = cycleWorking(digits, keep);
    return cycle;
}

// The next two Personal Years, then the twelve Personal Months of the year looked at.
QList<CycleAhead> yearAhead(const QDate& birth, const QDate& lookAt, Keep keep)
{
    QList<CycleAhead> ahead;
    for (int later = 1; later <= 2; ++later) {
        const int year = lookAt.year() + later;
        ahead << cycleAhead(PersonalYear, year, 0, personalYearDigits(birth, year), keep);
    }
    for (int month = 1; month <= 12; ++month) {
        ahead << cycleAhead(PersonalMonth, lookAt.year(), month,
                            personalMonthDigits(birth, lookAt.year(), month), keep);
        ahead.last().current = month == lookAt.month();
    }
    return ahead;
}

} // namespace

QList<Span> pinnacleSpans(const QDate& birth, int lifePath)
{
    const int first = 36 - reduce(lifePath, false);
    return spansEnding(birth, {first, first + 9, first + 18, -1});
}

QList<Span> periodSpans(const QDate& birth, int lifePath, const Rules& rules)
{
    if (rules.periodsFollowPinnacles) {
        const int first = 36 - reduce(lifePath, false);
        return spansEnding(birth, {first, first + 27, -1});
    }
    return spansEnding(birth, {rules.firstPeriodEnds, rules.secondPeriodEnds, -1});
}

int personalYear(const QDate& birth, int year, const Rules& rules)
{
    return reduced(sumOf(personalYearDigits(birth, year)), rules.personalCyclesKeepMasters);
}

namespace parts {

void timePinnacles(Number& pinnacles, const QDate& birth, int lifePath, const QDate& lookAt)
{
    const QList<Span> spans = pinnacleSpans(birth, lifePath);
    setSpans(pinnacles, QStringLiteral("Pinnacle"), spans, lookAt,
             QStringLiteral("When each runs: the first from birth until age %1, the next two "
                            "nine years each, the fourth for the rest of life.")
                 .arg(firstPinnacleRule(lifePath, spans)));
}

void timeChallenges(Number& challenges, const QDate& birth, int lifePath, const QDate& lookAt)
{
    const QList<Span> spans = pinnacleSpans(birth, lifePath);
    setSpans(challenges, QStringLiteral("Challenge"), spans, lookAt,
             QStringLiteral("When each runs: on the spans of the Pinnacles, the first from "
                            "birth until age %1, the next two nine years each, the fourth for "
                            "the rest of life.")
                 .arg(firstPinnacleRule(lifePath, spans)));
}

void timePeriods(Number& periods, const QDate& birth, int lifePath, const QDate& lookAt,
                 const Rules& rules)
{
    const QList<Span> spans = periodSpans(birth, lifePath, rules);
    const QString lead =
        rules.periodsFollowPinnacles
            ? QStringLiteral("When each runs: the first from birth until the First Pinnacle "
                             "ends, at age %1, the second for the next 27 years, the third for "
                             "the rest of life.")
                  .arg(spans[0].untilAge)
            : QStringLiteral("When each runs: the first from birth until age %1, the second "
                             "until age %2, the third for the rest of life.")
                  .arg(spans[0].untilAge)
                  .arg(spans[1].untilAge);
    setSpans(periods, QStringLiteral("period"), spans, lookAt, lead);
}

QList<Number> personalCycles(const QDate& birth, const QDate& lookAt, const Rules& rules,
                             bool withTimes)
{
    const Keep keep = rules.personalCyclesKeepMasters;
    const QString born =
        QStringLiteral("Birth day %1, birth month %2").arg(birth.day()).arg(birth.month());
    const QString day = born + QStringLiteral("; %1: day %2, month %3, year %4")
                                   .arg(spelledDate(lookAt))
                                   .arg(lookAt.day())
                                   .arg(lookAt.month())
                                   .arg(lookAt.year());
    const QString month = born + QStringLiteral("; %1 %2: month %3, year %4")
                                     .arg(QLocale::c().monthName(lookAt.month()))
                                     .arg(lookAt.year())
                                     .arg(lookAt.month())
                                     .arg(lookAt.year());
    const QString year = born + QStringLiteral("; the year %1").arg(lookAt.year());
    QList<Number> cycles;
    cycles << cycleNumber(
        PersonalDay, day,
        digitsOf({birth.day(), birth.month(), lookAt.day(), lookAt.month(), lookAt.year()}), keep);
    cycles << cycleNumber(PersonalMonth, month,
                          personalMonthDigits(birth, lookAt.year(), lookAt.month()), keep);
    cycles << cycleNumber(PersonalYear, year, personalYearDigits(birth, lookAt.year()), keep);
    if (withTimes)
        cycles.last().ahead = yearAhead(birth, lookAt, keep);
    return cycles;
}

} // namespace parts

} // namespace corvella::numerology
