#include "numerology/numbers.h"
#include "numerology/chartparts.h"
#include "numerology/letters.h"
#include "numerology/reduction.h"
#include "numerology/working.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>

namespace corvella::numerology {

using namespace internal;
using namespace working;

namespace {

enum class Letters { All, Vowels, Consonants };

// The numbers' names as the working lines write them ("Life Path 11, which counts here as ...").
QString personalityName()
{
    return QCoreApplication::translate("Numerology", "Personality", "a number's name in a sum");
}

QString soulsUrgeName()
{
    return QCoreApplication::translate("Numerology", "Soul's Urge", "a number's name in a sum");
}

QString expressionName()
{
    return QCoreApplication::translate("Numerology", "Expression", "a number's name in a sum");
}

// The chosen letters of a word and their values.
QList<int> valuesIn(const QString& word, const QList<bool>& vowels, Letters which,
                    QStringList* letters = nullptr)
{
    QList<int> values;
    for (int i = 0; i < word.size(); ++i) {
        if (which == Letters::All || (which == Letters::Vowels) == vowels.at(i)) {
            values << letterValue(word.at(i));
            if (letters)
                *letters << QString(word.at(i));
        }
    }
    return values;
}

// "The vowels of KATHRYN OAKLEY: A = 1, Y = 7; O = 6, A = 1, E = 5": the letters that go into
// the number, each with its value, a semicolon between the parts of the name.
QString lettersLine(const QStringList& parts, const QList<QList<bool>>& vowels, Letters which)
{
    QStringList groups;
    for (int p = 0; p < parts.size(); ++p) {
        QStringList letters;
        valuesIn(parts[p], vowels[p], which, &letters);
        if (!letters.isEmpty())
            groups << valuedLetters(letters);
    }
    const QString name = parts.join(QLatin1Char(' '));
    const QString valued = groups.join(QLatin1String("; "));
    if (which == Letters::Vowels)
        return QCoreApplication::translate("Numerology", "The vowels of %1: %2").arg(name, valued);
    if (which == Letters::Consonants)
        return QCoreApplication::translate("Numerology", "The consonants of %1: %2")
            .arg(name, valued);
    return QCoreApplication::translate("Numerology", "The letters of %1: %2").arg(name, valued);
}

// Each part's total reduced to a single digit (11 counts as 2 and 22 as 4), then the parts
// added and their total reduced by keep: the working, and the total of the parts.
int partsFirst(const QStringList& parts, const QList<QList<bool>>& vowels, Letters which, Keep keep,
               QStringList& working)
{
    QList<int> partValues;
    for (int p = 0; p < parts.size(); ++p) {
        const QList<int> values = valuesIn(parts[p], vowels[p], which);
        if (values.isEmpty()) {
            working << QCoreApplication::translate("Numerology", "%1: none, so 0",
                                                   "%1: a part of the name with none of the "
                                                   "letters that are added")
                           .arg(parts[p]);
            partValues << 0;
            continue;
        }
        const int total = sumOf(values);
        working << QCoreApplication::translate("Numerology", "%1: %2",
                                               "a part of the name: the sums of its letters")
                       .arg(parts[p], carriedOn(added(values), total, false));
        partValues << reduce(total, false);
    }
    const int total = sumOf(partValues);
    working << QCoreApplication::translate("Numerology", "Together: %1",
                                           "the parts of the name added")
                   .arg(carriedOn(added(partValues), total, keep));
    return total;
}

// Expression, Soul's Urge or Personality: the chosen letters of the whole name added, or each
// part's total reduced first and the parts then added.
Number nameNumber(Subject subject, const QStringList& parts, const QList<QList<bool>>& vowels,
                  bool byParts, Keep keep)
{
    const Letters which = subject == SoulsUrge     ? Letters::Vowels
                          : subject == Personality ? Letters::Consonants
                                                   : Letters::All;
    Number n = parts::numberFor(subject);
    n.working << lettersLine(parts, vowels, which);
    if (!byParts || parts.size() == 1) {
        QList<int> all;
        for (int p = 0; p < parts.size(); ++p)
            all << valuesIn(parts[p], vowels[p], which);
        n.working << QCoreApplication::translate("Numerology", "%1: %2",
                                                 "the name: the sums of its letters")
                         .arg(parts.join(QLatin1Char(' ')), added(all));
        n.working << reductionLines(sumOf(all), keep);
        n.values = {reduced(sumOf(all), keep)};
        return n;
    }
    const int total = partsFirst(parts, vowels, which, keep, n.working);
    n.values = {reduced(total, keep)};
    return n;
}

Number lifePathNumber(const QDate& birth, const Rules& rules)
{
    Number n = parts::numberFor(LifePath);
    const Keep keep(rules.lifePathKeepsMasters, rules.keeps33);
    QList<int> terms;
    if (rules.lifePathFromEveryDigit) {
        terms = digitsOf({birth.month(), birth.day(), birth.year()});
        n.working << QCoreApplication::translate("Numerology", "%1: %2",
                                                 "the date of birth: its digits added")
                         .arg(spelledDate(birth), added(terms));
    } else {
        n.working << QCoreApplication::translate("Numerology",
                                                 "%1, each part reduced first: %2; %3; %4",
                                                 "%1: the date of birth; then its month, day "
                                                 "and year")
                         .arg(spelledDate(birth), labelled(DatePart::Month, birth.month(), keep),
                              labelled(DatePart::Day, birth.day(), keep),
                              labelled(DatePart::Year, birth.year(), keep));
        terms = {reduced(birth.month(), keep), reduced(birth.day(), keep),
                 reduced(birth.year(), keep)};
        n.working << added(terms);
    }
    n.working << reductionLines(sumOf(terms), keep);
    n.values = {reduced(sumOf(terms), keep)};
    return n;
}

Number birthdayNumber(const QDate& birth)
{
    Number n = parts::numberFor(Birthday);
    n.values = {birth.day()};
    n.working << QCoreApplication::translate("Numerology",
                                             "%1 %2: the day of the month, not reduced, is %2",
                                             "%1: the month of birth; %2: the day")
                     .arg(QLocale::c().monthName(birth.month()), num(birth.day()));
    return n;
}

// Both numbers as single digits, the smaller from the larger.
Number bridgeNumber(Subject subject, const QString& firstName, int first, const QString& secondName,
                    int second)
{
    const int a = reduce(first, false);
    const int b = reduce(second, false);
    Number n = parts::numberFor(subject);
    n.values = {std::abs(a - b)};
    // After a long first clause ("Life Path 11, which counts here as 1 + 1 = 2") a comma.
    const QString both =
        first > 9 ? QCoreApplication::translate("Numerology", "%1, and %2",
                                                "two numbers, the first with its reduction")
                  : QCoreApplication::translate("Numerology", "%1 and %2", "two numbers");
    n.working << both.arg(asSingleDigit(firstName, first), asSingleDigit(secondName, second))
              << difference(a, b);
    return n;
}

Number balanceNumber(const QStringList& nameParts, const Rules& rules)
{
    QStringList initials;
    QList<int> values;
    for (const QString& part : nameParts) {
        initials << QString(part.at(0));
        values << letterValue(part.at(0));
    }
    Number n = parts::numberFor(Balance);
    const int count = static_cast<int>(initials.size());
    n.working << (count == 1
                      ? QCoreApplication::translate("Numerology", "The initial of %1 is %2: %3")
                      : QCoreApplication::translate("Numerology", "The initials of %1 are %2: %3",
                                                    "more than one initial", count))
                     .arg(nameParts.join(QLatin1Char(' ')), listed(initials),
                          valuedLetters(initials));
    if (values.size() > 1)
        n.working << added(values);
    n.working << reductionLines(sumOf(values), rules.balanceKeepsMasters);
    n.values = {reduce(sumOf(values), rules.balanceKeepsMasters)};
    return n;
}

// The Life Path and the Expression added, as single digits (11 counts as 2 and 22 as 4) or,
// by the other method, as they stand.
Number maturityNumber(int lifePath, int expression, const Rules& rules)
{
    const bool single = rules.maturityFromSingleDigits;
    const int a = single ? reduce(lifePath, false) : lifePath;
    const int b = single ? reduce(expression, false) : expression;
    const Keep keep(rules.maturityKeepsMasters, rules.keeps33);
    Number n = parts::numberFor(Maturity);
    if (single)
        n.working << QCoreApplication::translate("Numerology", "%1 plus %2: %3",
                                                 "the Life Path and the Expression, each as a "
                                                 "single digit, added")
                         .arg(asSingleDigit(lifePathName(), lifePath),
                              asSingleDigit(expressionName(), expression), added({a, b}));
    else
        n.working << QCoreApplication::translate("Numerology",
                                                 "Life Path %1 plus Expression %2, as they "
                                                 "stand: %3")
                         .arg(lifePath)
                         .arg(expression)
                         .arg(added({a, b}));
    n.working << reductionLines(a + b, keep);
    n.values = {reduced(a + b, keep)};
    return n;
}

// The month, day and year go in as single digits, or (the other common method) keep 11 and
// 22. Each Pinnacle keeps 11 and 22; the first two go into the third as single digits, or as
// they stand.
Number pinnacleNumbers(const QDate& birth, const Rules& rules)
{
    const Keep inputs = rules.pinnaclesKeepMasters;
    const Keep results(true, rules.keeps33);
    const int month = reduced(birth.month(), inputs);
    const int day = reduced(birth.day(), inputs);
    const int year = reduced(birth.year(), inputs);
    Number n = parts::numberFor(Pinnacle);
    // line: the formula, with %1 for its sums.
    const auto pinnacle = [&n, results](const QString& line, int a, int b) {
        n.values << reduced(a + b, results);
        n.working << line.arg(carriedOn(added({a, b}), a + b, results));
        return n.values.last();
    };
    n.working << reducedDateLine(birth, inputs);
    const int first = pinnacle(
        QCoreApplication::translate("Numerology", "First Pinnacle = month + day: %1"), month, day);
    const int second = pinnacle(
        QCoreApplication::translate("Numerology", "Second Pinnacle = day + year: %1"), day, year);
    const bool single = rules.thirdPinnacleFromSingleDigits;
    pinnacle(QCoreApplication::translate("Numerology",
                                         "Third Pinnacle = First Pinnacle + Second Pinnacle: %1"),
             single ? reduce(first, false) : first, single ? reduce(second, false) : second);
    pinnacle(QCoreApplication::translate("Numerology", "Fourth Pinnacle = month + year: %1"), month,
             year);
    return n;
}

Number challengeNumbers(const QDate& birth)
{
    const int month = reduce(birth.month(), false);
    const int day = reduce(birth.day(), false);
    const int year = reduce(birth.year(), false);
    const int first = std::abs(month - day);
    const int second = std::abs(day - year);
    Number n = parts::numberFor(Challenge);
    n.values = {first, second, std::abs(first - second), std::abs(month - year)};
    n.working
        << reducedDateLine(birth, false)
        << QCoreApplication::translate("Numerology", "First Challenge, from month and day: %1")
               .arg(difference(month, day))
        << QCoreApplication::translate("Numerology", "Second Challenge, from day and year: %1")
               .arg(difference(day, year))
        << QCoreApplication::translate("Numerology",
                                       "Third Challenge, the main one, from the first two: %1")
               .arg(difference(first, second))
        << QCoreApplication::translate("Numerology", "Fourth Challenge, from month and year: %1")
               .arg(difference(month, year));
    return n;
}

Number periodNumbers(const QDate& birth, const Rules& rules)
{
    const Keep keep(rules.periodsKeepMasters, rules.keeps33);
    Number n = parts::numberFor(LifePathPeriod);
    n.values = {reduced(birth.month(), keep), reduced(birth.day(), keep),
                reduced(birth.year(), keep)};
    n.working << QCoreApplication::translate("Numerology", "First period, from the birth month %1",
                                             "%1: the month's number, with its reduction")
                     .arg(withReduction(birth.month(), keep))
              << QCoreApplication::translate("Numerology", "Second period, from the birth day %1",
                                             "%1: the day's number, with its reduction")
                     .arg(withReduction(birth.day(), keep))
              << QCoreApplication::translate("Numerology", "Third period, from the birth year %1",
                                             "%1: the year's number, with its reduction")
                     .arg(withReduction(birth.year(), keep));
    return n;
}

// Why a name cannot be charted: it needs a vowel for the Soul's Urge and a consonant for the
// Personality. Empty when it can.
QString missingLetters(const QStringList& nameParts, const QList<QList<bool>>& vowels)
{
    bool anyVowel = false;
    bool anyConsonant = false;
    for (const QList<bool>& part : vowels) {
        anyVowel = anyVowel || part.contains(true);
        anyConsonant = anyConsonant || part.contains(false);
    }
    if (anyVowel && anyConsonant)
        return QString();
    const QString name = nameParts.join(QLatin1Char(' '));
    if (!anyVowel)
        return QCoreApplication::translate(
                   "Numerology", "%1 has no vowel, so its Soul's Urge Number cannot be worked out. "
                                 "The chart needs at least one vowel and one consonant in the full "
                                 "name at birth.")
            .arg(name);
    return QCoreApplication::translate(
               "Numerology", "%1 has no consonant, so its Personality Number cannot be worked out. "
                             "The chart needs at least one vowel and one consonant in the full "
                             "name at birth.")
        .arg(name);
}

} // namespace

namespace parts {

Number numberFor(Subject subject)
{
    Number n;
    n.subject = subject;
    return n;
}

} // namespace parts

Chart chartByRules(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                   const Rules& rules, bool withTimes)
{
    Chart chart;
    const QList<QList<bool>> vowels = vowelsOf(nameParts, rules);
    chart.problem = missingLetters(nameParts, vowels);
    if (!chart.problem.isEmpty())
        return chart;

    const Keep keepName(rules.nameNumbersKeepMasters, rules.keeps33);
    const Number lifePath = lifePathNumber(birth, rules);
    const Number expression =
        nameNumber(Expression, nameParts, vowels, rules.expressionPartsFirst, keepName);
    const Number soulsUrge =
        nameNumber(SoulsUrge, nameParts, vowels, rules.soulsUrgePartsFirst, keepName);
    const Number personality =
        nameNumber(Personality, nameParts, vowels, rules.personalityPartsFirst, keepName);
    const int path = lifePath.values[0];
    chart.numbers << lifePath << expression << soulsUrge << personality << birthdayNumber(birth);
    chart.numbers << bridgeNumber(LifePathExpressionBridge, lifePathName(), path, expressionName(),
                                  expression.values[0]);
    chart.numbers << bridgeNumber(HeartDesirePersonalityBridge, personalityName(),
                                  personality.values[0], soulsUrgeName(), soulsUrge.values[0]);
    chart.numbers << balanceNumber(nameParts, rules);
    chart.numbers << maturityNumber(path, expression.values[0], rules);

    Number pinnacles = pinnacleNumbers(birth, rules);
    Number challenges = challengeNumbers(birth);
    Number periods = periodNumbers(birth, rules);
    if (withTimes) {
        parts::timePinnacles(pinnacles, birth, path, lookAt);
        parts::timeChallenges(challenges, birth, path, lookAt);
        parts::timePeriods(periods, birth, path, lookAt, rules);
    }
    chart.numbers << pinnacles << challenges << periods;
    chart.numbers << parts::personalCycles(birth, lookAt, rules, withTimes);
    return chart;
}

} // namespace corvella::numerology
