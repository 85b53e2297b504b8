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
// beside it is one of those five, W is a vowel straight after one of them; a name's parts are
// its words, and a hyphen or an apostrophe joins, it does not split. A bridge takes a master
// number as its digit sum (11 as 2, 22 as 4). Pinnacles and challenges start from the birth
// month, day and year each reduced to one digit. The Birthday Number is the day unreduced.
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
// Adds the digits again and again until a single digit is left, or 11 or 22 when kept.
int reduce(int n, bool keepMasters);
// Whether the letter at i of an upper-case word counts as a vowel.
bool isVowelAt(const QString& word, int i);

// What was read from a name as it was typed.
struct NameReading
{
    // The words of the name in capitals A..Z only (hyphens and apostrophes dropped).
    QStringList parts;
    // "É as E", one for each accented letter read as its plain letter, in order of first use.
    QStringList readAs;
    // Empty when the name can be used; otherwise what is wrong, for the user.
    QString problem;
};

constexpr int MaximumNameLength = 120;

// Reads a full name at birth: letters in any case, spaces, hyphens and apostrophes; accented
// letters count as their plain letter. Anything else is refused with a message naming it.
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
    // How the values were reached, one line at a time.
    QStringList working;
    // When the other common method gives this person a different value: one line saying so.
    QString otherMethod;
};

struct Chart
{
    // Empty when the chart could be drawn; then numbers is empty too.
    QString problem;
    // The fifteen numbers in catalogue order.
    QList<Number> numbers;
};

// The whole chart of a person. nameParts as readName gives them; both dates valid.
Chart calculateChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                     const Rules& rules = taughtRules());

} // namespace corvella::numerology
