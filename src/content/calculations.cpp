#include "content/texts.h"

// Every example follows the one invented person of content/workedexamples.h (KATHRYN OAKLEY,
// born August 31, 1983, looking at May 19, 2026), so the numbers agree from text to text.
// Every letter of a chart starts in the same character column as its number in the digits
// row; the learn pane shows a chart whose columns would not line up in its proportional font
// in a fixed-pitch face (learn/learnviews.cpp).
//
// A number has one name in these texts: its second name (Destiny, Heart's Desire, Inner
// Dreams, Realization) is said once, where the number is taught. Where another common method
// gives a different value, the text works it far enough that a learner reaches that value.

namespace corvella::texts {

namespace {

const char* const LifePath[] = {
    "Add together every digit of your full date of birth (month, day and year), then add the "
    "digits of that total, and go on until a single digit is left. Only the finished total and "
    "the totals you reach while reducing it count, never a running total partway through the "
    "adding. There is one exception: the master numbers 11 and 22. If the finished total, or a "
    "total you reach while reducing it, is 11 or 22, stop there and keep it as it is. A short "
    "case: July 3, 1990 gives 7 + 3 + 1 + 9 + 9 + 0 = 29, then 2 + 9 = 11, and you stop at the "
    "master number 11. The other common method reduces the month, the day and the year to one "
    "digit each first (keeping 11 and 22) and then adds them. Both methods end on the same "
    "single digit, but on roughly one date in nine only one of them stops at 11 or 22. For "
    "July 7, 1977 every digit gives 7 + 7 + 1 + 9 + 7 + 7 = 38 and 3 + 8 = 11. The other method "
    "takes the year as 1 + 9 + 7 + 7 = 24 and 2 + 4 = 6, then adds 7 + 7 + 6 = 20 and "
    "2 + 0 = 2.",
    "Example: for a birth date of August 31, 1983, the digits give "
    "8 + 3 + 1 + 1 + 9 + 8 + 3 = 33. Added one at a time, the running total passes 11 and 22 "
    "(8 + 3 = 11, then 11 + 1 + 1 + 9 = 22), but those are partway totals and do not count. "
    "Many teachers keep 33 as a master number as well and would stop here, with a Life Path of "
    "33. This course keeps only 11 and 22, so it reduces 33 like any other total.",
    "Then 3 + 3 = 6, so the Life Path Number is 6.",
};

const char* const Expression[] = {
    "The Expression Number comes from your full name exactly as it was given at birth; some "
    "teachers call it the Destiny Number, and these lessons keep to Expression. Give every "
    "letter its number from the chart below, add the numbers of the whole name together at once "
    "and reduce the total to a single digit, keeping 11 and 22 as master numbers. The example "
    "name is written in capitals in every lesson, because it is read letter by letter against "
    "the chart, where a capital and a small letter count alike.",
    "Example: KATHRYN OAKLEY gives 2 + 1 + 2 + 8 + 9 + 7 + 5 + 6 + 1 + 2 + 3 + 5 + 7 = 58, then "
    "5 + 8 = 13 and 1 + 3 = 4, so the Expression Number is 4. Many teachers work the Expression "
    "one part of the name at a time instead: each part is totalled and reduced, and the results "
    "are added. For KATHRYN OAKLEY that is 2 + 1 + 2 + 8 + 9 + 7 + 5 = 34 and 3 + 4 = 7, then "
    "6 + 1 + 2 + 3 + 5 + 7 = 24 and 2 + 4 = 6, and 7 + 6 = 13 and 1 + 3 = 4 again. The two "
    "methods always share the single digit and can differ only on whether a master number is "
    "kept.",
    "The letter chart (find each letter and use the number at the top of its column):",
    "1   2   3    4    5     6     7      8      9",
    "A   B   C    D    E     F     G      H      I",
    "J   K   L    M    N     O     P      Q      R",
    "S   T   U    V    W     X     Y      Z",
};

const char* const SoulsUrge[] = {
    "Only the vowels of your full birth name are used. The Soul's Urge Number is also called the "
    "Heart's Desire Number; these lessons keep to Soul's Urge. Find each vowel's number in the "
    "chart below, add the vowels of the whole name together at once and reduce the total to a "
    "single digit, keeping 11 and 22 as master numbers.",
    "1---2---3---4---5---6---7---8---9",
    "A---------------E---------------I",
    "--------------------O------------",
    "--------U-------W*------Y*-------",
    "A, E, I, O and U are always vowels. Y* counts as a vowel when neither letter beside it is a "
    "vowel (as in Lynn or Holly). W* counts as a vowel when it comes straight after a vowel (as in "
    "Dawn or Lowell). Anywhere else Y and W are consonants. That is this course's letter rule, and "
    "teachers differ on it. Many decide Y by its sound instead, so that a Y said as a vowel, such "
    "as a final Y said 'ee', counts as one. Many never count W as a vowel, so that DAWN has the "
    "vowel A alone, 1, where this course adds A and W, 1 + 5 = 6.",
    "Example: in KATHRYN OAKLEY the vowels are A, Y, O, A and E. The Y of KATHRYN has no vowel "
    "beside it, while the Y of OAKLEY follows E and stays a consonant, so 1 + 7 + 6 + 1 + 5 = 20 "
    "and 2 + 0 = 2. The other methods give this name other values. By sound, the final Y of "
    "OAKLEY, said 'ee', is a vowel as well, so 1 + 7 + 6 + 1 + 5 + 7 = 27 and 2 + 7 = 9. Worked "
    "part by part, as many teachers do, KATHRYN gives 1 + 7 = 8, OAKLEY gives 6 + 1 + 5 = 12 and 1 "
    "+ 2 = 3, and together 8 + 3 = 11, a master number. By this course's rule the Soul's Urge "
    "Number is 2.",
};

const char* const Personality[] = {
    "Add only the consonants of your full birth name. The Personality Number is also called the "
    "Inner Dreams Number; these lessons keep to Personality. In this course it is worked one part "
    "of the name at a time. Total each part and reduce it to a single digit; a part goes into the "
    "sum as its single digit, so 11 counts as 2 and 22 as 4. Then add the parts and reduce again, "
    "keeping 11 and 22 as master numbers. That is this course's choice for the Personality alone: "
    "it adds the letters of the Expression and the Soul's Urge whole. The parts of a name are its "
    "words: a hyphen or an apostrophe joins, so MARY-JANE and O'NEILL each count as one part, and "
    "a name of one part, such as CHER, is simply totalled and reduced. Many teachers add all the "
    "consonants at once, as for the other two numbers. That reaches the same single digit and can "
    "differ only on whether the result stays 11 or 22. For KATHRYN OAKLEY it gives 2 + 2 + 8 + 9 + "
    "5 + 2 + 3 + 7 = 38 and 3 + 8 = 11, the same 11 as the parts give below. The consonant chart "
    "(-- marks a vowel; W* and Y* follow the vowel rule):",
    "1   2   3    4    5     6     7      8      9",
    "--  B   C    D    --    F     G      H      --",
    "J   K   L    M    N     --    P      Q      R",
    "S   T   --   V    W*    X     Y*     Z      --",
    "In KATHRYN OAKLEY the Y of KATHRYN is a vowel and the Y of OAKLEY a consonant, so the "
    "consonants are K, T, H, R, N and K, L, Y.",
    "KATHRYN: 2 + 2 + 8 + 9 + 5 = 26 and 2 + 6 = 8; OAKLEY: 2 + 3 + 7 = 12 and 1 + 2 = 3. "
    "Teachers who decide Y by its sound count the final Y of OAKLEY as a vowel, which leaves "
    "OAKLEY only K and L: 2 + 3 = 5, and together 8 + 5 = 13 and 1 + 3 = 4, a Personality of 4. "
    "By this course's letter rule the parts are 8 and 3, and together 8 + 3 = 11, a master "
    "number, so it is left as 11.",
};

const char* const Birthday[] = {
    "The Birthday Number is the day of the month you were born on, kept just as it is without "
    "reducing: someone born on August 31 has the Birthday Number 31.",
};

const char* const LifePathExpressionBridge[] = {
    "Take the Life Path Number and the Expression Number as single digits (11 counts as 2 and "
    "22 as 4), then subtract the smaller from the larger. This is the course's rule wherever one "
    "number goes into another: it goes in as its single digit. So the two numbers need not be "
    "equal to give 0: a Life Path 11 and an Expression 2 give 0 as well.",
    "Example: KATHRYN OAKLEY, born on August 31, 1983, has Life Path 6 and Expression 4.",
    "6 - 4 = 2, so her Life Path / Expression Bridge Number is 2.",
};

const char* const HeartDesirePersonalityBridge[] = {
    "Take the Personality Number and the Soul's Urge Number as single digits (11 counts as 2 "
    "and 22 as 4), then subtract the smaller from the larger.",
    "Example: KATHRYN OAKLEY has Personality 11, which counts here as 1 + 1 = 2, and "
    "Soul's Urge 2.",
    "2 - 2 = 0, so her Heart Desire / Personality Bridge Number is 0: her two numbers differ, "
    "but their single digits are the same.",
};

const char* const Balance[] = {
    "Add the chart values of the initials of your full birth name and reduce the total to a "
    "single digit (this number runs from 1 to 9, so 11 and 22 are reduced too). The initials "
    "are the first letters of the parts of the name, and a hyphenated part has one: MARY-JANE "
    "gives only its M. A name of one part, such as CHER, has a single initial, and its value is "
    "the Balance Number (C = 3). Here the example name is KATHRYN OAKLEY.",
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
    "The Maturity Number, which some teachers call the Realization Number (these lessons keep to "
    "Maturity), adds your Life Path Number to your Expression Number. Each goes in as a single "
    "digit (11 counts as 2 and 22 as 4), and the total is reduced to a single digit, keeping 11 "
    "and 22 as master numbers. Worked this way it can reach 11 (9 + 2 = 11) but never 22, since "
    "two single digits make at most 9 + 9 = 18. The 22 of its readings comes from a method many "
    "teachers use. They add the two numbers as they stand, a master number as 11 or 22, so that a "
    "Life Path 11 and an Expression 11 give 11 + 11 = 22.",
    "Remember that the Life Path Number comes from the full date of birth and describes the "
    "course your years take.",
    "Example: KATHRYN OAKLEY was born on August 31, 1983.",
    "Life Path: 8 + 3 + 1 + 1 + 9 + 8 + 3 = 33, and 3 + 3 = 6.",
    "Expression from KATHRYN OAKLEY: 58, then 5 + 8 = 13 and 1 + 3 = 4.",
    "Maturity: 6 + 4 = 10, and 1 + 0 = 1, so the Maturity Number is 1.",
};

const char* const Pinnacle[] = {
    "Reduce the month, the day and the year of birth each to a single digit. By the course's rule "
    "they go into the sums below as single digits, so 11 counts as 2 and 22 as 4, and November "
    "counts as 2. A Pinnacle that adds up to 11 is kept as a master number, but goes into the "
    "Third Pinnacle as its single digit. The First Pinnacle runs from birth to the age of 36 minus "
    "the Life Path Number as a single digit. The Second begins there, the Third nine years later, "
    "and the Fourth, which begins nine years after the Third, lasts for the rest of life. Worked "
    "this way no Pinnacle reaches 22: two single digits make at most 9 + 9 = 18. The Pinnacle 22 "
    "of other charts comes from two methods many teachers use. One keeps 11 and 22 in the month, "
    "day and year, which can change whether a Pinnacle is a master number, never its single digit. "
    "For someone born on November 11, 2009 the First Pinnacle is then 11 + 11 = 22, where this "
    "course adds 2 + 2 = 4. The other adds the First and Second Pinnacles as they stand. For "
    "February 9, 1991 they are 2 + 9 = 11 and 9 + 2 = 11, so the Third is 11 + 11 = 22, where this "
    "course adds 2 + 2 = 4. For August 31, 1983: month 8, day 3 + 1 = 4, year 1 + 9 + 8 + 3 = 21 "
    "and 2 + 1 = 3; with Life Path 6 the First Pinnacle ends at the age of 36 - 6 = 30.",
    "First Pinnacle, from birth to 30, is month + day: 8 + 4 = 12, and 1 + 2 = 3.",
    "Second Pinnacle, from 30 to 39, is day + year: 4 + 3 = 7.",
    "Third Pinnacle, from 39 to 48, is First Pinnacle + Second Pinnacle: 3 + 7 = 10,",
    "and 1 + 0 = 1, so the Third Pinnacle is 1.",
    "Fourth Pinnacle, from 48 on, is month + year: 8 + 3 = 11, a master number, so it stays 11.",
};

const char* const Challenge[] = {
    "Reduce the month, the day and the year of birth each to a single digit (11 counts as 2 and 22 "
    "as 4) and always subtract the smaller number from the larger. This course gives each "
    "Challenge the span of years of the Pinnacle in the same place, the First Challenge running "
    "with the First Pinnacle and so on. So the First runs from birth to 36 minus the Life Path "
    "Number as a single digit, the Second and the Third nine years each, and the Fourth for the "
    "rest of life. With Life Path 6 they run to the age of 30, from 30 to 39, from 39 to 48 and "
    "from 48 on. Teachers differ on the timing: many call the Third the main Challenge and hold "
    "that it is felt through the whole of life. This course keeps the name but gives the Third, "
    "like the others, the years of its Pinnacle. For August 31, 1983: month 8, day 3 + 1 = 4, year "
    "1 + 9 + 8 + 3 = 21 and 2 + 1 = 3.",
    "First Challenge, from month and day: 8 - 4 = 4.",
    "Second Challenge, from day and year: 4 - 3 = 1.",
    "Third Challenge, the main one, from the first two Challenges: 4 - 1 = 3.",
    "Fourth Challenge, from month and year: 8 - 3 = 5.",
};

const char* const LifePathPeriod[] = {
    "The first period, the formative one, runs from birth to your 28th birthday and takes its "
    "number from the birth month.",
    "The second, the productive period, runs from your 28th birthday to your 56th and takes its "
    "number from the birth day.",
    "The third, the harvest period, runs from your 56th birthday for the rest of your life and "
    "takes its number from the birth year. These are the ages this course uses. Many teachers "
    "end the first period with the First Pinnacle instead, at 36 minus the Life Path Number as "
    "a single digit, and the second 27 years later. Set beside the other cycles of a chart, the "
    "First Pinnacle ends between 27 and 35, close to the end of the formative period. The "
    "Maturity Number, felt from about 40, comes near the start of the Third Pinnacle (between "
    "36 and 44), and the Fourth Pinnacle begins between 45 and 53, a few years before the "
    "harvest period.",
    "Each period's number is the month, the day or the year itself, reduced to a single digit and "
    "keeping 11 and 22 as master numbers. This follows the course's rule: a number that goes into "
    "a sum or a difference goes in as its single digit, and a finished number keeps 11 and 22. In "
    "the Pinnacles and Challenges the month, the day and the year go into sums and differences, so "
    "November counts as 2 there; here it is a period's finished number, so November stays 11. The "
    "example is KATHRYN OAKLEY, born on:",
    "August 31, 1983",
    "First period: month 8 (August), already a single digit.",
    "Second period: day 31, so 3 + 1 = 4.",
    "Third period: year 1983, so 1 + 9 + 8 + 3 = 21, and 2 + 1 = 3.",
};

const char* const PersonalDay[] = {
    "Add the digits of your birth day and birth month to the digits of today's day, month and "
    "year, then reduce the total to a single digit. This number runs from 1 to 9, so 11 and 22 are "
    "reduced too:",
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
    "Example: for someone born on August 31, in May 2026 the digits give "
    "3 + 1 + 8 + 5 + 2 + 0 + 2 + 6 = 27.",
    "2 + 7 = 9, so May 2026 is a Personal Month 9.",
};

const char* const PersonalYear[] = {
    "Add the digits of your birth day, your birth month and the year you want to look at, then "
    "reduce the total to a single digit (11 and 22 are reduced too). Teachers differ on a few "
    "points, and this course has chosen one way for each and kept to it. It values the letters "
    "by the chart of the Expression lesson; other letter systems give some letters other "
    "numbers. It runs a Personal Year from January to December, where some count it from one "
    "birthday to the next. It reduces 11 and 22 in the Personal Day, Month and Year, which some "
    "keep as master numbers, and it reduces 33, which some keep as a master number too.",
    "Example: for someone born on August 31, the year 2026 gives "
    "3 + 1 + 8 + 2 + 0 + 2 + 6 = 22.",
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
