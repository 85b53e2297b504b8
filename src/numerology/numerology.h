#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The arithmetic behind the learner's own chart: letter values, reduction, and each of the
// fifteen numbers together with its working, written in the form the calculation texts use.
// No widgets here; the window only shows what these functions return.

namespace corvella::numerology {

// Every choice in which numerologists differ, in one place. The defaults are the ones the
// calculation texts teach; a text that changes a rule changes it here.
//
// Fixed for all rules: a letter is worth its place in the alphabet reduced into 1..9 (A..I are
// 1..9, J..R 1..9, S..Z 1..8); A, E, I, O and U are vowels, Y is a vowel when neither letter
// beside it is one of those five (the letter rule, but see ysCountedOtherWay), W as
// wVowelAfterVowel says; a name's parts are its words, and a hyphen or an apostrophe joins, it
// does not split. A bridge takes a master number as its digit sum (11 as 2, 22 as 4).
// Challenges start from the birth month, day and year each reduced to one digit and run on the
// Pinnacles' spans. The Birthday Number is the day unreduced.
struct Rules
{
    // Life Path: every digit of the date added at once; otherwise month, day and year are
    // reduced first (keeping 11 and 22) and then added.
    bool lifePathFromEveryDigit = true;
    // Name numbers: each part of the name totalled and reduced first, then the parts added.
    bool expressionPartsFirst = false;
    bool soulsUrgePartsFirst = false;
    bool personalityPartsFirst = true;
    // Whether 11 and 22 are kept where a total reaches them.
    bool lifePathKeepsMasters = true;
    bool nameNumbersKeepMasters = true; // Expression, Soul's Urge, Personality, their parts
    bool maturityKeepsMasters = true;
    // Whether the month, day and year keep 11 and 22 before they go into the Pinnacles.
    bool pinnaclesKeepMasters = false;
    bool periodsKeepMasters = true;
    bool balanceKeepsMasters = false;
    bool personalCyclesKeepMasters = false; // Personal Year, Month and Day
    // W is a vowel straight after A, E, I, O or U; otherwise W is always a consonant.
    bool wVowelAfterVowel = true;
    // The Ys of the name, counted from 0 through all its parts, that count the other way from
    // the letter rule: a vowel the rule makes a consonant, or the reverse. Teachers who go by the
    // sound of each Y reach such a choice; a program cannot hear the name, so it is given here.
    QList<int> ysCountedOtherWay;
    // The Third Pinnacle adds the first two as single digits (11 counts as 2); otherwise as they
    // stand, 11 and 22 included.
    bool thirdPinnacleFromSingleDigits = true;
    // 33 is kept as a master number wherever 11 and 22 are.
    bool keeps33 = false;
    // The Life Path Periods end at these ages; or, with periodsFollowPinnacles, the first ends
    // with the First Pinnacle and the second 27 years later.
    int firstPeriodEnds = 28;
    int secondPeriodEnds = 56;
    bool periodsFollowPinnacles = false;
};

// The rules the lessons teach.
const Rules& taughtRules();

// The subject indices of the catalogue, in its order.
enum Subject {
    LifePath,
    Expression,
    SoulsUrge,
    Personality,
    Birthday,
    LifePathExpressionBridge,
    HeartDesirePersonalityBridge,
    Balance,
    Maturity,
    Pinnacle,
    Challenge,
    LifePathPeriod,
    PersonalDay,
    PersonalMonth,
    PersonalYear,
    NumberCount
};

// 1..9 for A..Z in either case, 0 for anything else.
int letterValue(QChar letter);
int digitSum(int n);
// Adds the digits again and again until a single digit is left, or 11 or 22 when kept (and 33
// with keep33).
int reduce(int n, bool keepMasters, bool keep33 = false);
// Whether the letter at i of an upper-case word counts as a vowel by the letter rule.
bool isVowelAt(const QString& word, int i, bool wVowelAfterVowel = true);

// The ages a cycle runs at: from the birthday of fromAge until the day before the birthday of
// untilAge; untilAge is -1 for the rest of life. A birthday of 29 February falls on 28 February
// in other years.
struct Span
{
    int fromAge = 0;
    int untilAge = -1;
    QDate from;
    QDate until; // the first day of the next span; invalid for the rest of life
    bool contains(const QDate& date) const
    {
        return date >= from && (!until.isValid() || date < until);
    }
};

// The first Pinnacle runs until 36 minus the Life Path as a single digit (11 counts as 2 and 22
// as 4), the next two nine years each, the fourth for the rest of life.
QList<Span> pinnacleSpans(const QDate& birth, int lifePath);
QList<Span> periodSpans(const QDate& birth, int lifePath, const Rules& rules = taughtRules());

// One Personal Year or Personal Month of the year ahead.
struct CycleAhead
{
    Subject subject; // PersonalYear or PersonalMonth
    int year = 0;
    int month = 0; // 1..12 for a Personal Month, 0 for a Personal Year
    int value = 0;
    QString working;      // "3 + 1 + 8 + 2 + 0 + 2 + 7 = 23, 2 + 3 = 5"
    bool current = false; // the month of the date looked at
};

int personalYear(const QDate& birth, int year, const Rules& rules = taughtRules());
int personalMonth(const QDate& birth, int year, int month, const Rules& rules = taughtRules());

// What was read from a name as it was typed.
struct NameReading
{
    // The words of the name in capitals A..Z only (hyphens and apostrophes dropped).
    QStringList parts;
    // "É as E", "ß as SS": one for each letter read as plain letters, in order of first use.
    QStringList readAs;
    // The parts that held a hyphen, as typed ("Mary-Jane"): each counts as one part.
    QStringList hyphenated;
    // Empty when the name can be used; otherwise what is wrong, for the user.
    QString problem;
};

constexpr int MaximumNameLength = 120;

// Reads a full name at birth: letters in any case, spaces (a tab or a no-break space counts as
// one), hyphens and apostrophes; accented letters count as their plain letter, and Ł, Ø, ß, Æ,
// Œ, Đ, Ð and Þ as L, O, SS, AE, OE, D, D and TH. Anything else is refused with a message
// naming it.
NameReading readName(const QString& typed);

// Reads a date typed as year-month-day ("1962-07-03"); an invalid QDate when it is not one.
// Years 1 to 9999.
QDate readDate(const QString& typed);
// "August 31, 1983", as the lessons write a date.
QString spelledDate(const QDate& date);

struct Number
{
    Subject subject;
    // One value; four for the Pinnacles and Challenges, three for the Life Path Periods.
    QList<int> values;
    // How the values were reached, one line at a time: the sums the lessons teach.
    QStringList working;
    // For each other common method that gives this person a different value, one line naming
    // it, working it out and saying what it gives.
    QStringList otherMethods;
    // Pinnacles, Challenges and Periods: when each value runs, one span per value, with the
    // lines that say so and the span in force on the date looked at (-1 when none is).
    QList<Span> spans;
    QStringList timing;
    int current = -1;
    // Personal Year: the next two years, then the twelve months of the year looked at.
    QList<CycleAhead> ahead;
};

struct Chart
{
    // Empty when the chart could be drawn; then numbers is empty too.
    QString problem;
    // The fifteen numbers in catalogue order.
    QList<Number> numbers;
};

// The whole chart of a person. nameParts as readName gives them; both dates valid. Each number
// says where another common method gives another value (otherMethods).
Chart calculateChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                     const Rules& rules = taughtRules());
// The same by these rules alone, without the notes on other methods; without withTimes, the
// values and working only (no spans, no year ahead), as another method is compared by.
Chart chartByRules(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                   const Rules& rules = taughtRules(), bool withTimes = true);

} // namespace corvella::numerology
