#pragma once

#include <QString>

namespace corvella::numerology {

// The ordinal word for the value at this place (0 = "First") of a number with several values:
// the Pinnacles, the Challenges and the Life Path Periods have four or three. Capitalised, in
// the learner's language; a place past the fourth gives the fourth.
QString ordinalWord(int place);

} // namespace corvella::numerology
