#include "numerology/cycles.h"
#include "numerology/chartparts.h"
#include "numerology/letters.h"
#include "numerology/reduction.h"
#include "numerology/working.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

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

enum class SpanKind { Pinnacle, Challenge, Period };

// Each span by its place: "Third Pinnacle", "First period".
const char* const SpanNames[][4] = {
    {QT_TRANSLATE_NOOP("Numerology", "First Pinnacle"),
     QT_TRANSLATE_NOOP("Numerology", "Second Pinnacle"),
     QT_TRANSLATE_NOOP("Numerology", "Third Pinnacle"),
     QT_TRANSLATE_NOOP("Numerology", "Fourth Pinnacle")},
    {QT_TRANSLATE_NOOP("Numerology", "First Challenge"),
     QT_TRANSLATE_NOOP("Numerology", "Second Challenge"),
     QT_TRANSLATE_NOOP("Numerology", "Third Challenge"),
     QT_TRANSLATE_NOOP("Numerology", "Fourth Challenge")},
    {QT_TRANSLATE_NOOP("Numerology", "First period"),
     QT_TRANSLATE_NOOP("Numerology", "Second period"),
     QT_TRANSLATE_NOOP("Numerology", "Third period"), nullptr},
};

QString spanName(SpanKind kind, int k)
{
    const char* const(&names)[4] = SpanNames[static_cast<int>(kind)];
    const int last = kind == SpanKind::Period ? 2 : 3;
    return QCoreApplication::translate("Numerology", names[std::clamp(k, 0, last)]);
}

// "Third Pinnacle (1): from age 39 until age 48, August 31, 2022 to August 30, 2031 (now)"
QString spanLine(SpanKind kind, int k, int value, const Span& span, bool now)
{
    const QString name = spanName(kind, k);
    QString line;
    if (span.untilAge < 0 && span.fromAge == 0)
        line = QCoreApplication::translate("Numerology",
                                           "%1 (%2): from birth for the rest of life, from %3",
                                           "%1: the span's name; %2: its number; %3: a date")
                   .arg(name, num(value), spelledDate(span.from));
    else if (span.untilAge < 0)
        line = QCoreApplication::translate("Numerology",
                                           "%1 (%2): from age %3 for the rest of life, from %4",
                                           "%1: the span's name; %2: its number; %4: a date")
                   .arg(name, num(value), num(span.fromAge), spelledDate(span.from));
    else if (span.fromAge == 0)
        line =
            QCoreApplication::translate("Numerology", "%1 (%2): from birth until age %3, %4 to %5",
                                        "%1: the span's name; %2: its number; %4, %5: dates")
                .arg(name, num(value), num(span.untilAge), spelledDate(span.from),
                     spelledDate(span.until.addDays(-1)));
    else
        line =
            QCoreApplication::translate("Numerology", "%1 (%2): from age %3 until age %4, %5 to %6",
                                        "%1: the span's name; %2: its number; %5, %6: dates")
                .arg(name, num(value), num(span.fromAge), num(span.untilAge),
                     spelledDate(span.from), spelledDate(span.until.addDays(-1)));
    if (now)
        return QCoreApplication::translate("Numerology", "%1 (now)",
                                           "a span that the day looked at falls in")
            .arg(line);
    return line;
}

void setSpans(Number& n, SpanKind kind, const QList<Span>& spans, const QDate& lookAt,
              const QString& lead)
{
    n.spans = spans;
    n.timing << lead;
    for (int k = 0; k < spans.size(); ++k) {
        const bool now = spans[k].contains(lookAt);
        if (now)
            n.current = k;
        n.timing << spanLine(kind, k, n.values.value(k), spans[k], now);
    }
}

// "36 - 6 = 30 (Life Path 6)": where the First Pinnacle ends.
QString firstPinnacleRule(int lifePath, const QList<Span>& spans)
{
    return QCoreApplication::translate("Numerology", "36 - %1 = %2 (%3)",
                                       "%3: the Life Path the first number comes from")
        .arg(num(reduce(lifePath, false)), num(spans[0].untilAge),
             asSingleDigit(lifePathName(), lifePath));
}

// "3 + 1 + 8 + 2 + 0 + 2 + 7 = 23, 2 + 3 = 5"
QString cycleWorking(const QList<int>& digits, Keep keep)
{
    return carriedOn(added(digits), sumOf(digits), keep);
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
    setSpans(pinnacles, SpanKind::Pinnacle, spans, lookAt,
             QCoreApplication::translate(
                 "Numerology", "When each runs: the first from birth until age %1, the next two "
                               "nine years each, the fourth for the rest of life.")
                 .arg(firstPinnacleRule(lifePath, spans)));
}

void timeChallenges(Number& challenges, const QDate& birth, int lifePath, const QDate& lookAt)
{
    const QList<Span> spans = pinnacleSpans(birth, lifePath);
    setSpans(challenges, SpanKind::Challenge, spans, lookAt,
             QCoreApplication::translate(
                 "Numerology", "When each runs: on the spans of the Pinnacles, the first from "
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
            ? QCoreApplication::translate(
                  "Numerology", "When each runs: the first from birth until the First Pinnacle "
                                "ends, at age %1, the second for the next 27 years, the third for "
                                "the rest of life.")
                  .arg(spans[0].untilAge)
            : QCoreApplication::translate(
                  "Numerology", "When each runs: the first from birth until age %1, the second "
                                "until age %2, the third for the rest of life.")
                  .arg(num(spans[0].untilAge), num(spans[1].untilAge));
    setSpans(periods, SpanKind::Period, spans, lookAt, lead);
}

QList<Number> personalCycles(const QDate& birth, const QDate& lookAt, const Rules& rules,
                             bool withTimes)
{
    const Keep keep = rules.personalCyclesKeepMasters;
    const QString birthDay = num(birth.day());
    const QString birthMonth = num(birth.month());
    const QString day =
        QCoreApplication::translate("Numerology",
                                    "Birth day %1, birth month %2; %3: day %4, month %5, year %6",
                                    "%3: the date looked at, then its day, month and year")
            .arg(birthDay, birthMonth, spelledDate(lookAt), num(lookAt.day()), num(lookAt.month()),
                 num(lookAt.year()));
    const QString month =
        QCoreApplication::translate("Numerology",
                                    "Birth day %1, birth month %2; %3 %4: month %5, year %6",
                                    "%3 %4: the month looked at and its year; then the numbers "
                                    "of both")
            .arg(birthDay, birthMonth, QLocale::c().monthName(lookAt.month()), num(lookAt.year()),
                 num(lookAt.month()), num(lookAt.year()));
    const QString year =
        QCoreApplication::translate("Numerology", "Birth day %1, birth month %2; the year %3")
            .arg(birthDay, birthMonth, num(lookAt.year()));
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
