#pragma once

#include "numerology/rules.h"
#include "numerology/subject.h"

#include <QDate>
#include <QList>
#include <QString>

// The cycles of a chart and their timing: when each Pinnacle, Challenge and Life Path Period
// runs, and the Personal Years and Months ahead.

namespace corvella::numerology {

// The ages a cycle runs at: from the birthday of fromAge until the day before the birthday of
// untilAge; untilAge is -1 for the rest of life. A birthday of 29 February falls on 28 February
// in other years.
struct Span
{
    int fromAge = 0;
    int untilAge = -1;
    QDate from;
    QDate until; // the first day of the next span; invalid for the rest of life
    bool contains(const QDate& date) const
    {
        return date >= from && (!until.isValid() || date < until);
    }
};

// The first Pinnacle runs until 36 minus the Life Path as a single digit (11 counts as 2 and 22
// as 4), the next two nine years each, the fourth for the rest of life.
QList<Span> pinnacleSpans(const QDate& birth, int lifePath);
QList<Span> periodSpans(const QDate& birth, int lifePath, const Rules& rules = taughtRules());

// One Personal Year or Personal Month of the year ahead.
struct CycleAhead
{
    Subject subject = PersonalYear; // PersonalYear or PersonalMonth
    int year = 0;
    int month = 0; // 1..12 for a Personal Month, 0 for a Personal Year
    int value = 0;
    QString working;      // "3 + 1 + 8 + 2 + 0 + 2 + 7 = 23, 2 + 3 = 5"
    bool current = false; // the month of the date looked at
};

int personalYear(const QDate& birth, int year, const Rules& rules = taughtRules());

} // namespace corvella::numerology
