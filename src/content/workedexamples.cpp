#include "content/workedexamples.h"

#include <iterator>

namespace corvella::examples {

const char* const FullBirthName = "KATHRYN OAKLEY";
const CalendarDate BirthDate{31, 8, 1983};
const CalendarDate CurrentDate{19, 5, 2026};

const StatedResult StatedResults[] = {
    {0, 2, 6},  // Life Path
    {1, 1, 4},  // Expression
    {2, 6, 2},  // Soul's Urge
    {3, 6, 11}, // Personality, a master number
    {4, 0, 31}, // Birthday
    {5, 2, 2},  // Life Path / Expression Bridge
    {6, 2, 0},  // Heart Desire / Personality Bridge: 11 counts as 2 against a 2
    {7, 10, 8}, // Balance
    {8, 3, 6},  // the Life Path that the Maturity Number starts from
    {8, 4, 4},  // the Expression added to it
    {8, 5, 1},  // Maturity
    {9, 1, 3},  // first Pinnacle
    {9, 2, 7},  // second Pinnacle
    {9, 4, 1},  // third Pinnacle, its result on a line of its own
    {9, 5, 11}, // fourth Pinnacle, a master number
    {10, 1, 4}, // first Challenge
    {10, 2, 1}, // second Challenge
    {10, 3, 3}, // third Challenge, the main one
    {10, 4, 5}, // fourth Challenge
    {11, 5, 8}, // first Life Path Period
    {11, 6, 4}, // second Life Path Period
    {11, 7, 3}, // third Life Path Period
    {12, 8, 1}, // Personal Day
    {13, 2, 9}, // Personal Month
    {14, 2, 4}, // Personal Year, reduced from 22
};

const int StatedResultCount = int(std::size(StatedResults));

} // namespace corvella::examples
