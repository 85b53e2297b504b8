#include "content/texts.h"

// Every example follows the one invented person of content/workedexamples.h (KATHRYN OAKLEY,
// born August 31, 1983, looking at May 19, 2026), so the numbers agree from text to text.
// The charts line up in a fixed-pitch font: every letter starts in the same character column
// as its number in the digits row.

namespace corvella::texts {

namespace {

const char* const LifePath[] = {
    "Add together every digit of your full date of birth (month, day and year), then add the "
    "digits of the total again until a single digit is left. If you reach 11 or 22 on the way, "
    "stop there: these are master numbers and are kept as they are. Only the finished total and "
    "the totals you get while reducing it count, never a running total partway through the "
    "adding. A short case: July 3, 1990 gives 7 + 3 + 1 + 9 + 9 + 0 = 29, then 2 + 9 = 11, and "
    "you stop at the master number 11. Many teachers instead reduce the month, the day and the "
    "year to one digit each first (keeping 11 and 22) and then add them; both ways end on the "
    "same single digit, but on roughly one date in nine only one of them stops at 11 or 22. "
    "Wherever one number goes into another (a Bridge, a Challenge, a Pinnacle or the Maturity "
    "Number), it goes in as its single digit: 11 counts as 2 and 22 as 4.",
    "Example: for a birth date of August 31, 1983, the digits give "
    "8 + 3 + 1 + 1 + 9 + 8 + 3 = 33; the running total passes 11 and 22 on the way, but only "
    "the finished total counts.",
    "Then 3 + 3 = 6, so the Life Path Number is 6.",
};

const char* const Expression[] = {
    "The Expression Number, also called the Destiny Number, comes from your full name exactly "
    "as it was given at birth: give every letter its number from the chart below, add the "
    "numbers of the whole name together at once and reduce the total to a single digit, keeping "
    "11 and 22 as master numbers.",
    "Example: KATHRYN OAKLEY gives 2 + 1 + 2 + 8 + 9 + 7 + 5 + 6 + 1 + 2 + 3 + 5 + 7 = 58, then "
    "5 + 8 = 13 and 1 + 3 = 4, so the Expression Number is 4.",
    "The letter chart (find each letter and use the number at the top of its column):",
    "1   2   3    4    5     6     7      8      9",
    "A   B   C    D    E     F     G      H      I",
    "J   K   L    M    N     O     P      Q      R",
    "S   T   U    V    W     X     Y      Z",
};

const char* const SoulsUrge[] = {
    "The Soul's Urge Number and the Heart's Desire Number are two names for one number. Only "
    "the vowels of your full birth name are used: find each vowel's number in the chart below, "
    "add the vowels of the whole name together at once and reduce the total to a single digit, "
    "keeping 11 and 22 as master numbers.",
    "1---2---3---4---5---6---7---8---9",
    "A---------------E---------------I",
    "--------------------O------------",
    "--------U-------W*------Y*-------",
    "A, E, I, O and U are always vowels. Y* counts as a vowel when neither letter beside it is "
    "a vowel (as in Lynn or Holly), and W* counts as a vowel when it comes straight after a "
    "vowel (as in Dawn or Lowell); anywhere else Y and W are consonants. Teachers differ on W: "
    "many never count it as a vowel, which changes the vowels of a name such as Dawn.",
    "Example: in KATHRYN OAKLEY the vowels are A, Y, O, A and E (the Y of KATHRYN has no vowel "
    "beside it, while the Y of OAKLEY follows E and stays a consonant), so "
    "1 + 7 + 6 + 1 + 5 = 20 and 2 + 0 = 2: the Soul's Urge Number is 2.",
};

const char* const Personality[] = {
    "Add only the consonants of your full birth name. Unlike the Expression and Soul's Urge "
    "Numbers, which add the whole name at once, the Personality Number is worked one part of "
    "the name at a time, so that you see what each name brings: total each part and reduce it "
    "to a single digit (a part goes into the sum as its single digit, so 11 counts as 2 and 22 "
    "as 4), then add the parts and reduce again, keeping 11 and 22 as master numbers. Adding all "
    "the consonants at once reaches the same single digit and can differ only on whether the "
    "result stays 11 or 22. The consonant chart (-- marks a vowel; W* and Y* follow the vowel "
    "rule):",
    "1   2   3    4    5     6     7      8      9",
    "--  B   C    D    --    F     G      H      --",
    "J   K   L    M    N     --    P      Q      R",
    "S   T   --   V    W*    X     Y*     Z      --",
    "Example name: KATHRYN OAKLEY (the Y of KATHRYN is a vowel and the Y of OAKLEY a consonant, "
    "so the consonants are K, T, H, R, N and K, L, Y).",
    "KATHRYN: 2 + 2 + 8 + 9 + 5 = 26 and 2 + 6 = 8; OAKLEY: 2 + 3 + 7 = 12 and 1 + 2 = 3; "
    "together 8 + 3 = 11, a master number, so it is left as 11.",
};

const char* const Birthday[] = {
    "The Birthday Number is the day of the month you were born on, kept just as it is without "
    "reducing: someone born on August 31 has the Birthday Number 31.",
};

const char* const LifePathExpressionBridge[] = {
    "Take the Life Path Number and the Expression Number as single digits (11 counts as 2 and "
    "22 as 4), then subtract the smaller from the larger. So the two numbers need not be equal "
    "to give 0: a Life Path 11 and an Expression 2 give 0 as well.",
    "Example: Kathryn Oakley, born August 31, 1983, has Life Path 6 and Expression 4.",
    "6 - 4 = 2, so her Life Path / Expression Bridge Number is 2.",
};

const char* const HeartDesirePersonalityBridge[] = {
    "Take the Personality Number and the Heart's Desire Number as single digits (11 counts as 2 "
    "and 22 as 4), then subtract the smaller from the larger.",
    "Example: Kathryn Oakley has Personality 11, which counts here as 1 + 1 = 2, and "
    "Heart's Desire 2.",
    "2 - 2 = 0, so her Heart Desire / Personality Bridge Number is 0: her two numbers differ, "
    "but their single digits are the same.",
};

const char* const Balance[] = {
    "Add the chart values of the initials of your full birth name and reduce the total to a "
    "single digit (this number runs from 1 to 9, so 11 and 22 are reduced too); here the "
    "example name is KATHRYN OAKLEY.",
    "The letter chart:",
    "1 2 3 4 5 6 7 8 9",
    "A B C D E F G H I",
    "J K L M N O P Q R",
    "S T U V W X Y Z",
    "The initials of KATHRYN OAKLEY are K and O:",
    "K = 2",
    "O = 6",
    "2 + 6 = 8",
    "That is already a single digit, so the Balance Number is 8.",
};

const char* const Maturity[] = {
    "Add your Life Path Number to your Expression (Destiny) Number, each as a single digit "
    "(11 counts as 2 and 22 as 4), and reduce the total to a single digit, keeping 11 and 22 as "
    "master numbers.",
    "Remember that the Life Path Number comes from the full date of birth and describes the road "
    "you travel through life.",
    "Example: Kathryn Oakley, born August 31, 1983.",
    "Life Path: 8 + 3 + 1 + 1 + 9 + 8 + 3 = 33, and 3 + 3 = 6.",
    "Expression (Destiny) from KATHRYN OAKLEY: 58, then 5 + 8 = 13 and 1 + 3 = 4.",
    "Maturity: 6 + 4 = 10, and 1 + 0 = 1, so the Maturity Number is 1.",
};

const char* const Pinnacle[] = {
    "Reduce the month, the day and the year of birth each to a single digit; they go into the "
    "sums below, so 11 counts as 2 and 22 as 4 (November counts as 2). A Pinnacle that adds up "
    "to 11 or 22 is kept as a master number, but goes into the Third Pinnacle as its single "
    "digit. Many teachers keep 11 and 22 in the month, day and year instead; that can change "
    "whether a Pinnacle is a master number, never its single digit. For August 31, 1983: "
    "month 8, day 3 + 1 = 4, year 1 + 9 + 8 + 3 = 21 and 2 + 1 = 3.",
    "First Pinnacle = month + day: 8 + 4 = 12, and 1 + 2 = 3.",
    "Second Pinnacle = day + year: 4 + 3 = 7.",
    "Third Pinnacle = First Pinnacle + Second Pinnacle: 3 + 7 = 10,",
    "and 1 + 0 = 1.",
    "Fourth Pinnacle = month + year: 8 + 3 = 11, a master number, so it stays 11.",
};

const char* const Challenge[] = {
    "Reduce the month, the day and the year of birth each to a single digit (11 counts as 2 and "
    "22 as 4) and always subtract the smaller number from the larger. For August 31, 1983: "
    "month 8, day 3 + 1 = 4, year 1 + 9 + 8 + 3 = 21 and 2 + 1 = 3.",
    "First Challenge, from month and day: 8 - 4 = 4.",
    "Second Challenge, from day and year: 4 - 3 = 1.",
    "Third Challenge, the main one, from the first two Challenges: 4 - 1 = 3.",
    "Fourth Challenge, from month and year: 8 - 3 = 5.",
};

const char* const LifePathPeriod[] = {
    "The first period, from birth to about the age of 28, takes its number from the birth "
    "month.",
    "The second period, from about 28 to about 56, takes its number from the birth day.",
    "The third period, from about 56 onwards, takes its number from the birth year.",
    "Each is reduced to a single digit, keeping 11 and 22 as master numbers: here the month, the "
    "day and the year are the numbers themselves, not parts of a sum, so November stays 11 "
    "(in the Pinnacles and Challenges it counts as 2). For example, for a person born on:",
    "August 31, 1983",
    "First period: month 8 (August), already a single digit.",
    "Second period: day 31, so 3 + 1 = 4.",
    "Third period: year 1983, so 1 + 9 + 8 + 3 = 21, and 2 + 1 = 3.",
};

const char* const PersonalDay[] = {
    "Add the digits of your birth day and birth month to the digits of today's day, month and "
    "year, then reduce the total to a single digit (the personal numbers run from 1 to 9, so 11 "
    "and 22 are reduced too):",
    "Birth day: 31",
    "Birth month: 8 (August)",
    "Current day: 19",
    "Current month: 5 (May)",
    "Current year: 2026",
    "3 + 1 + 8 + 1 + 9 + 5 + 2 + 0 + 2 + 6 = 37",
    "3 + 7 = 10 and 1 + 0 = 1",
    "So May 19, 2026 is a Personal Day 1.",
};

const char* const PersonalMonth[] = {
    "Add the digits of your birth day, your birth month, the current month and the current "
    "year, then reduce the total to a single digit (11 and 22 are reduced too).",
    "Example: born August 31, in May 2026: 3 + 1 + 8 + 5 + 2 + 0 + 2 + 6 = 27.",
    "2 + 7 = 9, so May 2026 is a Personal Month 9.",
};

const char* const PersonalYear[] = {
    "Add the digits of your birth day, your birth month and the year you want to look at, then "
    "reduce the total to a single digit (11 and 22 are reduced too).",
    "Example: born August 31, for the year 2026: 3 + 1 + 8 + 2 + 0 + 2 + 6 = 22.",
    "The 22 is not kept here: 2 + 2 = 4, so 2026 is a Personal Year 4.",
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
