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
// added: the working, and the total of the parts.
int partsFirst(const QStringList& parts, const QList<QList<bool>>& vowels, Letters which,
               QStringList& working)
{
    QList<int> partValues;
    for (int p = 0; p < parts.size(); ++p) {
        const QList<int> values = valuesIn(parts[p], vowels[p], which);
        if (values.isEmpty()) {
            working << parts[p] + QLatin1String(": none, so 0");
            partValues << 0;
            continue;
        }
        const int total = sumOf(values);
        working << parts[p] + QLatin1String(": ") + added(values) + continuation(total, false);
        partValues << reduce(total, false);
    }
    working << QLatin1String("Together: ") + added(partValues);
    return sumOf(partValues);
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
        n.working << parts.join(QLatin1Char(' ')) + QLatin1String(": ") + added(all);
        n.working << reductionLines(sumOf(all), keep);
        n.values = {reduced(sumOf(all), keep)};
        return n;
    }
    const int total = partsFirst(parts, vowels, which, n.working);
    n.working.last() += continuation(total, keep);
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
        n.working << spelledDate(birth) + QLatin1String(": ") + added(terms);
    } else {
        const auto part = [keep](const char* label, int x) { return labelled(label, x, keep); };
        n.working << spelledDate(birth) + QLatin1String(", each part reduced first: ") +
                         part("month ", birth.month()) + QLatin1String("; ") +
                         part("day ", birth.day()) + QLatin1String("; ") +
                         part("year ", birth.year());
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
    n.working << QStringLiteral("%1 %2: the day of the month, not reduced, is %2")
                     .arg(QLocale::c().monthName(birth.month()))
                     .arg(birth.day());
    return n;
}

// Both numbers as single digits, the smaller from the larger.
Number bridgeNumber(Subject subject, const QString& firstLabel, int first,
                    const QString& secondLabel, int second)
{
    const int a = reduce(first, false);
    const int b = reduce(second, false);
    Number n = parts::numberFor(subject);
    n.values = {std::abs(a - b)};
    n.working << asSingleDigit(firstLabel, first) + QLatin1String(first > 9 ? ", and " : " and ") +
                     asSingleDigit(secondLabel, second)
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
    n.working << (initials.size() == 1 ? QStringLiteral("The initial of %1 is %2: %3")
                                       : QStringLiteral("The initials of %1 are %2: %3"))
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
        n.working << asSingleDigit(QStringLiteral("Life Path"), lifePath) +
                         QLatin1String(" plus ") +
                         asSingleDigit(QStringLiteral("Expression"), expression) +
                         QLatin1String(": ") + added({a, b});
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
    const auto pinnacle = [&n, results](const QString& label, int a, int b) {
        n.values << reduced(a + b, results);
        n.working << label + added({a, b}) + continuation(a + b, results);
        return n.values.last();
    };
    n.working << reducedDateLine(birth, inputs);
    const int first = pinnacle(QStringLiteral("First Pinnacle = month + day: "), month, day);
    const int second = pinnacle(QStringLiteral("Second Pinnacle = day + year: "), day, year);
    const bool single = rules.thirdPinnacleFromSingleDigits;
    pinnacle(QStringLiteral("Third Pinnacle = First Pinnacle + Second Pinnacle: "),
             single ? reduce(first, false) : first, single ? reduce(second, false) : second);
    pinnacle(QStringLiteral("Fourth Pinnacle = month + year: "), month, year);
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
    n.working << reducedDateLine(birth, false)
              << QLatin1String("First Challenge, from month and day: ") + difference(month, day)
              << QLatin1String("Second Challenge, from day and year: ") + difference(day, year)
              << QLatin1String("Third Challenge, the main one, from the first two: ") +
                     difference(first, second)
              << QLatin1String("Fourth Challenge, from month and year: ") + difference(month, year);
    return n;
}

Number periodNumbers(const QDate& birth, const Rules& rules)
{
    const Keep keep(rules.periodsKeepMasters, rules.keeps33);
    Number n = parts::numberFor(LifePathPeriod);
    n.values = {reduced(birth.month(), keep), reduced(birth.day(), keep),
                reduced(birth.year(), keep)};
    n.working
        << QLatin1String("First period, from the birth ") + labelled("month ", birth.month(), keep)
        << QLatin1String("Second period, from the birth ") + labelled("day ", birth.day(), keep)
        << QLatin1String("Third period, from the birth ") + labelled("year ", birth.year(), keep);
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
    return QStringLiteral("%1 has no %2, so its %3 Number cannot be worked out. The chart needs "
                          "at least one vowel and one consonant in the full name at birth.")
        .arg(nameParts.join(QLatin1Char(' ')),
             !anyVowel ? QStringLiteral("vowel") : QStringLiteral("consonant"),
             !anyVowel ? QStringLiteral("Soul's Urge") : QStringLiteral("Personality"));
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
    chart.numbers << bridgeNumber(LifePathExpressionBridge, QStringLiteral("Life Path"), path,
                                  QStringLiteral("Expression"), expression.values[0]);
    chart.numbers << bridgeNumber(HeartDesirePersonalityBridge, QStringLiteral("Personality"),
                                  personality.values[0], QStringLiteral("Soul's Urge"),
                                  soulsUrge.values[0]);
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
