#include "content/texts.h"

// Every example follows the one invented person of content/workedexamples.h (HOLLY NORRIS,
// born October 24, 1980, looking at March 17, 2025), so the numbers agree from text to text.
// The charts line up in a fixed-pitch font: every letter starts in the same character column
// as its number in the digits row.

namespace corvella::texts {

namespace {

const char* const LifePath[] = {
    "Add together every digit of your full date of birth (month, day and year), then add the "
    "digits of the total again until a single digit is left. If you reach 11 or 22 on the way, "
    "stop there: these are master numbers and are kept as they are.",
    "Example: for a birth date of October 24, 1980, the digits give "
    "1 + 0 + 2 + 4 + 1 + 9 + 8 + 0 = 25.",
    "Then 2 + 5 = 7, so the Life Path Number is 7.",
};

const char* const Expression[] = {
    "Write down your full name exactly as it was given at birth, give every letter its number "
    "from the chart below, add all the numbers together and reduce the total to a single digit, "
    "keeping 11 and 22 as master numbers.",
    "Example: HOLLY NORRIS gives 8 + 6 + 3 + 3 + 7 + 5 + 6 + 9 + 9 + 9 + 1 = 66, then "
    "6 + 6 = 12 and 1 + 2 = 3, so the Expression Number is 3.",
    "The letter chart (find each letter and use the number at the top of its column):",
    "1   2   3    4    5     6     7      8      9",
    "A   B   C    D    E     F     G      H      I",
    "J   K   L    M    N     O     P      Q      R",
    "S   T   U    V    W     X     Y      Z",
};

const char* const SoulsUrge[] = {
    "Only the vowels of your full birth name are used: find each vowel's number in the chart "
    "below, add them and reduce the total to a single digit, keeping 11 and 22 as master "
    "numbers.",
    "1---2---3---4---5---6---7---8---9",
    "A---------------E---------------I",
    "--------------------O------------",
    "--------U-------W*------Y*-------",
    "A, E, I, O and U are always vowels. Y* counts as a vowel when neither letter beside it is "
    "a vowel (as in Lynn or Holly), and W* counts as a vowel when it comes straight after a "
    "vowel (as in Dawn or Lowell); anywhere else Y and W are consonants.",
    "Example: in HOLLY NORRIS the vowels are O, Y, O and I (the Y has no vowel beside it), so "
    "6 + 7 + 6 + 9 = 28, then 2 + 8 = 10 and 1 + 0 = 1: the Soul's Urge Number is 1.",
};

const char* const Personality[] = {
    "Add only the consonants of your full birth name: total each part of the name and reduce "
    "it to one digit, then add the parts and reduce again, keeping 11 and 22 as master "
    "numbers. The consonant chart (-- marks a vowel; W* and Y* follow the vowel rule):",
    "1   2   3    4    5     6     7      8      9",
    "--  B   C    D    --    F     G      H      --",
    "J   K   L    M    N     --    P      Q      R",
    "S   T   --   V    W*    X     Y*     Z      --",
    "Example name: HOLLY NORRIS (its Y is a vowel, so the consonants are H, L, L and "
    "N, R, R, S).",
    "HOLLY: 8 + 3 + 3 = 14 and 1 + 4 = 5; NORRIS: 5 + 9 + 9 + 1 = 24 and 2 + 4 = 6; together "
    "5 + 6 = 11, a master number, so it is left as 11.",
};

const char* const Birthday[] = {
    "The Birthday Number is the day of the month you were born on, kept just as it is without "
    "reducing: someone born on October 24 has the Birthday Number 24.",
};

const char* const LifePathExpressionBridge[] = {
    "Reduce the Life Path Number and the Expression Number to single digits (a master 11 "
    "counts as 2 and 22 as 4), then subtract the smaller from the larger.",
    "Example: Holly Norris, born October 24, 1980, has Life Path 7 and Expression 3.",
    "7 - 3 = 4, so her Life Path / Expression Bridge Number is 4.",
};

const char* const HeartDesirePersonalityBridge[] = {
    "Reduce the Personality Number and the Heart's Desire Number to single digits (a master 11 "
    "counts as 2 and 22 as 4), then subtract the smaller from the larger.",
    "Example: Holly Norris has Personality 11, which counts here as 1 + 1 = 2, and "
    "Heart's Desire 1.",
    "2 - 1 = 1, so her Heart Desire / Personality Bridge Number is 1.",
};

const char* const Balance[] = {
    "Add the chart values of the initials of your full birth name and reduce the total to a "
    "single digit; here the example name is HOLLY NORRIS.",
    "The letter chart:",
    "1 2 3 4 5 6 7 8 9",
    "A B C D E F G H I",
    "J K L M N O P Q R",
    "S T U V W X Y Z",
    "The initials of HOLLY NORRIS are H and N:",
    "H = 8",
    "N = 5",
    "8 + 5 = 13",
    "1 + 3 = 4, so the Balance Number is 4.",
};

const char* const Maturity[] = {
    "Add your Life Path Number to your Destiny (Expression) Number and reduce the total to a "
    "single digit, keeping 11 and 22 as master numbers.",
    "Remember that the Life Path comes from the full date of birth and describes the road you "
    "travel through life.",
    "Example: Holly Norris, born October 24, 1980.",
    "Life Path: 1 + 0 + 2 + 4 + 1 + 9 + 8 + 0 = 25, and 2 + 5 = 7.",
    "Destiny from HOLLY NORRIS: 66, then 6 + 6 = 12 and 1 + 2 = 3.",
    "Maturity: 7 + 3 = 10, and 1 + 0 = 1, so the Maturity Number is 1.",
};

const char* const Pinnacle[] = {
    "Reduce the month, the day and the year of birth each to a single digit; a pinnacle that "
    "adds up to 11 or 22 is kept as a master number. For October 24, 1980: month "
    "1 + 0 = 1, day 2 + 4 = 6, year 1 + 9 + 8 + 0 = 18 and 1 + 8 = 9.",
    "First Pinnacle = month + day: 1 + 6 = 7.",
    "Second Pinnacle = day + year: 6 + 9 = 15, and 1 + 5 = 6.",
    "Third Pinnacle = First Pinnacle + Second Pinnacle: 7 + 6 = 13,",
    "and 1 + 3 = 4.",
    "Fourth Pinnacle = month + year: 1 + 9 = 10, and 1 + 0 = 1.",
};

const char* const Challenge[] = {
    "Reduce the birth date to single digits and always subtract the smaller number from the "
    "larger. For October 24, 1980: month 1 + 0 = 1, day 2 + 4 = 6, year "
    "1 + 9 + 8 + 0 = 18 and 1 + 8 = 9.",
    "First Challenge, from month and day: 6 - 1 = 5.",
    "Second Challenge, from day and year: 9 - 6 = 3.",
    "Third Challenge, the main one, from the first two challenges: 5 - 3 = 2.",
    "Fourth Challenge, from month and year: 9 - 1 = 8.",
};

const char* const LifePathPeriod[] = {
    "The first period, from birth into early adulthood, takes its number from the birth month.",
    "The second period, the long middle years, takes its number from the birth day.",
    "The third period, the later years, takes its number from the birth year.",
    "Each is reduced to a single digit, keeping 11 and 22 as master numbers. For example, for "
    "a person born on:",
    "October 24, 1980",
    "First period: month 10, so 1 + 0 = 1.",
    "Second period: day 24, so 2 + 4 = 6.",
    "Third period: year 1980, so 1 + 9 + 8 + 0 = 18, and 1 + 8 = 9.",
};

const char* const PersonalDay[] = {
    "Add the digits of your birth day and birth month to the digits of today's day, month and "
    "year, then reduce the total to a single digit:",
    "Birth day: 24",
    "Birth month: 10 (October)",
    "Current day: 17",
    "Current month: 3 (March)",
    "Current year: 2025",
    "2 + 4 + 1 + 0 + 1 + 7 + 3 + 2 + 0 + 2 + 5 = 27",
    "2 + 7 = 9",
    "So March 17, 2025 is a Personal Day 9.",
};

const char* const PersonalMonth[] = {
    "Add the digits of your birth day, your birth month, the current month and the current "
    "year, then reduce the total to a single digit.",
    "Example: born October 24, in March 2025: 2 + 4 + 1 + 0 + 3 + 2 + 0 + 2 + 5 = 19.",
    "1 + 9 = 10, and 1 + 0 = 1, so March 2025 is a Personal Month 1.",
};

const char* const PersonalYear[] = {
    "Add the digits of your birth day, your birth month and the year you want to look at, then "
    "reduce the total to a single digit.",
    "Example: born October 24, for the year 2025: 2 + 4 + 1 + 0 + 2 + 0 + 2 + 5 = 16.",
    "1 + 6 = 7, so 2025 is a Personal Year 7.",
};

template <int N> constexpr CalculationLines linesOf(const char* const (&lines)[N])
{
    return {lines, N};
}

} // namespace

const CalculationLines Calculations[15] = {
    linesOf(LifePath),
    linesOf(Expression),
    linesOf(SoulsUrge),
    linesOf(Personality),
    linesOf(Birthday),
    linesOf(LifePathExpressionBridge),
    linesOf(HeartDesirePersonalityBridge),
    linesOf(Balance),
    linesOf(Maturity),
    linesOf(Pinnacle),
    linesOf(Challenge),
    linesOf(LifePathPeriod),
    linesOf(PersonalDay),
    linesOf(PersonalMonth),
    linesOf(PersonalYear),
};

} // namespace corvella::texts
