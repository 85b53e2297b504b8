#pragma once

#include <QList>

namespace corvella::numerology {

// Every choice in which numerologists differ, in one place. The defaults are the ones the
// calculation texts teach; a text that changes a rule changes it here. The other common
// methods (methods.h) are these rules turned one at a time.
//
// Fixed for all rules: a letter is worth its place in the alphabet reduced into 1..9 (A..I are
// 1..9, J..R 1..9, S..Z 1..8); A, E, I, O and U are vowels, Y as ysBySound says, W as
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
    // The Maturity adds the Life Path and the Expression as single digits (11 counts as 2);
    // otherwise as they stand, 11 and 22 included.
    bool maturityFromSingleDigits = true;
    // Whether the month, day and year keep 11 and 22 before they go into the Pinnacles.
    bool pinnaclesKeepMasters = false;
    bool periodsKeepMasters = true;
    bool balanceKeepsMasters = false;
    bool personalCyclesKeepMasters = false; // Personal Year, Month and Day
    // W is a vowel straight after A, E, I, O or U; otherwise W is always a consonant.
    bool wVowelAfterVowel = true;
    // Y by the letter rule: a vowel when neither letter beside it is A, E, I, O or U. By its
    // sound instead: a consonant when a vowel follows it (YOLANDA), a vowel otherwise (LYNN, and
    // the diphthong of RAY).
    bool ysBySound = false;
    // The Ys of the name, counted from 0 through all its parts, that count the other way from
    // the rule above: a vowel the rule makes a consonant, or the reverse. A learner's slip of
    // the sums is worked this way.
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

} // namespace corvella::numerology
