#pragma once

// The teaching texts, kept apart from the tables that loadContent fills. Every text is
// printable ASCII. Paragraphs have no line breaks.

namespace corvella::texts {

// Interpretation paragraphs in entry order, split by the subjects they belong to.
// Entries 0..43: Life Path, Destiny / Expression, Soul's Urge, Personality (11 each).
extern const char* const InterpretationsCore[44];
// Entries 44..101: Birthday (31), the two bridge numbers (9 each), Balance (9).
extern const char* const InterpretationsBirthdayBridges[58];
// Entries 102..170: Maturity, Pinnacle (11 each), Challenge (9), Life Path Period (11),
// Personal Day, Personal Month, Personal Year (9 each).
extern const char* const InterpretationsCycles[69];

// What each subject's number signifies, one paragraph per subject in subject order.
extern const char* const Significance[15];

// How each subject's number is calculated, as the lines of the text in display order.
// loadContent joins them with CR LF. The worked examples in them are those of
// content/workedexamples.h.
struct CalculationLines
{
    const char* const* lines;
    int count;
};
extern const CalculationLines Calculations[15];

} // namespace corvella::texts
