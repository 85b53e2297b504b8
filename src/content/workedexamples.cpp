#include "content/workedexamples.h"

#include <iterator>

namespace corvella::examples {

const char* const FullBirthName = "HOLLY NORRIS";
const CalendarDate BirthDate{24, 10, 1980};
const CalendarDate CurrentDate{17, 3, 2025};

const StatedResult StatedResults[] = {
    {0, 2, 7},  // Life Path
    {1, 1, 3},  // Expression
    {2, 6, 1},  // Soul's Urge
    {3, 6, 11}, // Personality, a master number
    {4, 0, 24}, // Birthday
    {5, 2, 4},  // Life Path / Expression Bridge
    {6, 2, 1},  // Heart Desire / Personality Bridge
    {7, 10, 4}, // Balance
    {8, 3, 7},  // the Life Path that the Maturity Number starts from
    {8, 4, 3},  // the Destiny added to it
    {8, 5, 1},  // Maturity
    {9, 1, 7},  // first Pinnacle
    {9, 2, 6},  // second Pinnacle
    {9, 4, 4},  // third Pinnacle, whose result is on the line after its sum
    {9, 5, 1},  // fourth Pinnacle
    {10, 1, 5}, // first Challenge
    {10, 2, 3}, // second Challenge
    {10, 3, 2}, // third Challenge, the main one
    {10, 4, 8}, // fourth Challenge
    {11, 5, 1}, // first Life Path Period
    {11, 6, 6}, // second Life Path Period
    {11, 7, 9}, // third Life Path Period
    {12, 8, 9}, // Personal Day
    {13, 2, 1}, // Personal Month
    {14, 2, 7}, // Personal Year
};

const int StatedResultCount = int(std::size(StatedResults));

} // namespace corvella::examples
