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

// "3, 7, 1, 11" / "3 7 1 11" / "7": whole numbers parted by commas and/or spaces; the count
// must match the number's.
SumInput readSumInput(const QString& typed, numerology::Subject subject);

struct SumVerdict
{
    bool right = false;
    QList<int> expected;
    QStringList working; // the core's working, step by step
    QString slip;        // one line naming the slip or other method that gives these values
};

SumVerdict checkSum(const Person& person, numerology::Subject subject, const QList<int>& values);

} // namespace corvella::practice
