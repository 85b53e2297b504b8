#pragma once

// The data behind the worked examples of the calculation texts. One invented person carries
// every example, so that the numbers agree from one text to the next; the tests recompute
// each stated result from these inputs with a calculator of their own.

namespace corvella::examples {

struct CalendarDate
{
    int day;
    int month;
    int year;
};

// The full birth name in two parts, so that the Balance example has two initials.
extern const char* const FullBirthName;
extern const CalendarDate BirthDate;
// The "today" of the Personal Day and Personal Month examples; its year is the year in
// question of the Personal Year example.
extern const CalendarDate CurrentDate;

// A number that a calculation text arrives at: the last number written on line `line`
// (0-based) of subject `subject`'s calculation text.
struct StatedResult
{
    int subject;
    int line;
    int value;
};

// In subject order; a subject with several results (pinnacles, challenges, periods, the
// inputs of the Maturity Number) lists them in the order of its lines.
extern const StatedResult StatedResults[];
extern const int StatedResultCount;

} // namespace corvella::examples
