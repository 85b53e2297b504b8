#pragma once

#include "numerology/cycles.h"
#include "numerology/rules.h"
#include "numerology/subject.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The fifteen numbers of a chart, each with its values and its working.

namespace corvella::numerology {

struct Number
{
    Subject subject = NumberCount;
    // One value; four for the Pinnacles and Challenges, three for the Life Path Periods.
    QList<int> values;
    // How the values were reached, one line at a time: the sums the lessons teach.
    QStringList working;
    // For each other common method that gives this person a different value, one line naming
    // it, working it out and saying what it gives.
    QStringList otherMethods;
    // Pinnacles, Challenges and Periods: when each value runs, one span per value, with the
    // lines that say so and the span in force on the date looked at (-1 when none is).
    QList<Span> spans;
    QStringList timing;
    int current = -1;
    // Personal Year: the next two years, then the twelve months of the year looked at.
    QList<CycleAhead> ahead;
};

struct Chart
{
    // Empty when the chart could be drawn; then numbers is empty too.
    QString problem;
    // The fifteen numbers in catalogue order.
    QList<Number> numbers;
};

// The chart of a person by these rules alone, without the notes on other methods (methods.h
// adds them); without withTimes, the values and working only (no spans, no year ahead), as
// another method is compared by. nameParts as readName gives them; both dates valid.
Chart chartByRules(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                   const Rules& rules = taughtRules(), bool withTimes = true);

} // namespace corvella::numerology
