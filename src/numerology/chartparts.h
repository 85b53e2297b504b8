#pragma once

#include "numerology/numbers.h"

// The pieces chartByRules puts together, shared between the files of the numerology core.

namespace corvella::numerology::parts {

// A number of this subject with nothing worked out yet.
Number numberFor(Subject subject);

// When each Pinnacle, Challenge or Life Path Period runs, and which runs on lookAt.
void timePinnacles(Number& pinnacles, const QDate& birth, int lifePath, const QDate& lookAt);
void timeChallenges(Number& challenges, const QDate& birth, int lifePath, const QDate& lookAt);
void timePeriods(Number& periods, const QDate& birth, int lifePath, const QDate& lookAt,
                 const Rules& rules);

// The Personal Day, Month and Year of lookAt; with withTimes, the Personal Year carries the
// next two years and the twelve months of its own.
QList<Number> personalCycles(const QDate& birth, const QDate& lookAt, const Rules& rules,
                             bool withTimes);

} // namespace corvella::numerology::parts
