#pragma once

#include "numerology/numerology.h"
#include "platform/randomdraw.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The sum cards: a person to work a number out for, reading what the learner typed, and
// checking it against the numerology core.

namespace corvella::practice {

struct Person
{
    QString name; // a full name at birth
    QDate birth;
    QDate lookAt; // the day the personal cycles are worked out for
};

// A first, middle and last name from built-in lists of invented names; a birth date between
// 1940 and today less 16 years; lookAt is today.
Person inventPerson(RandomDraw& draw, const QDate& today);

// How many values the number has: four for the Pinnacles and Challenges, three for the Life
// Path Periods, one for every other.
int valueCountOf(numerology::Subject subject);

struct SumInput
{
    QList<int> values;
    QString problem; // a clear word for bad input, empty when read
};

// What the learner might type for the number, values it can take: "7", "3, 7, 1" for the
// Periods, "3, 7, 1, 11" for the Pinnacles, "4, 3, 1, 7" for the Challenges (0 to 8).
QString sumInputExample(numerology::Subject subject);

// "3, 7, 1, 11" / "3 7 1 11" / "7": whole numbers parted by commas and/or spaces; the count
// must match the number's.
SumInput readSumInput(const QString& typed, numerology::Subject subject);

// How a teacher marks a sum: the lessons' values; values that one of the other common methods
// gives (numerology/methods.h), which count as right; or wrong.
enum class SumMark { Right, RightByAnotherMethod, Wrong };

// "Right", "Right by another method", "Wrong".
QString sumMarkText(SumMark mark);

struct SumVerdict
{
    SumMark mark = SumMark::Wrong;
    bool right = false;        // Right or RightByAnotherMethod
    QList<int> expected;       // the lessons' values
    QStringList working;       // the lessons' working, step by step
    QString method;            // RightByAnotherMethod: the method's sentence
    QStringList methodWorking; // RightByAnotherMethod: that method's working to these values
    // One line naming the other method, or the slip, that gives these values; empty when none
    // does.
    QString slip;
};

SumVerdict checkSum(const Person& person, numerology::Subject subject, const QList<int>& values);

} // namespace corvella::practice
