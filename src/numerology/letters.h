#pragma once

#include "numerology/rules.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Letters and what was typed: the value of a letter, which letters count as vowels, and the
// reading of a name and a date as the learner typed them.

namespace corvella::numerology {

// 1..9 for A..Z in either case, 0 for anything else.
int letterValue(QChar letter);
// A, E, I, O or U (upper case).
bool isPlainVowel(QChar c);
// Whether the letter at i of an upper-case word counts as a vowel by the letter rule.
bool isVowelAt(const QString& word, int i, bool wVowelAfterVowel = true);
// Whether the Y at i of an upper-case word sounds as a vowel: unless a vowel follows it.
bool ySoundsAsVowelAt(const QString& word, int i);
// For each letter of each part, whether it counts as a vowel under these rules.
QList<QList<bool>> vowelsOf(const QStringList& parts, const Rules& rules);

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
// "August 31, 1983", as the lessons write a date, in the language the program speaks.
QString spelledDate(const QDate& date);
// "August": the name of a month 1 to 12, in the language the program speaks.
QString monthName(int month);

} // namespace corvella::numerology
