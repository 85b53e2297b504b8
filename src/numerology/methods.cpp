#include "numerology/methods.h"

#include "numerology/letters.h"
#include "numerology/working.h"

#include <QCoreApplication>

#include <algorithm>

namespace corvella::numerology {

using namespace internal;
using namespace working;

namespace {

// The lessons' words for each method: where they say "many teachers", so do these.
const QList<OtherMethod> Methods = {
    {&Rules::lifePathFromEveryDigit,
     QT_TRANSLATE_NOOP("Numerology", "The other common method adds every digit of the date at "
                                     "once"),
     QT_TRANSLATE_NOOP("Numerology", "The other common method reduces the month, the day and "
                                     "the year first and then adds them")},
    {&Rules::wVowelAfterVowel,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers count W as a vowel straight after A, E, I, "
                                     "O or U"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers never count W as a vowel, so the W after a "
                                     "vowel in %1 is a consonant"),
     MethodDetail::WsAfterVowels},
    {&Rules::ysBySound,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers decide Y by its sound: a Y followed by a "
                                     "vowel is a consonant, as in YOLANDA, and any other Y is a "
                                     "vowel, as in LYNN and RAY. By sound they count as a vowel "
                                     "what the letter rule makes a consonant here: %1"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers decide Y by the letter rule: a Y is a vowel "
                                     "only when no vowel stands beside it. By that rule they "
                                     "count as a consonant what its sound makes a vowel here: "
                                     "%1"),
     MethodDetail::YsBySound},
    {&Rules::expressionPartsFirst,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers work the Expression one part of the name at "
                                     "a time, each part reduced to a single digit before the "
                                     "parts are added"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add the letters of the whole name at once")},
    {&Rules::soulsUrgePartsFirst,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers work the Soul's Urge one part of the name at "
                                     "a time, each part reduced to a single digit before the "
                                     "parts are added"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add the vowels of the whole name at once")},
    {&Rules::personalityPartsFirst,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers work the Personality one part of the name "
                                     "at a time, each part reduced to a single digit before the "
                                     "parts are added"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add all the consonants of the name at "
                                     "once")},
    {&Rules::maturityFromSingleDigits,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add the Life Path and the Expression as "
                                     "single digits, 11 as 2 and 22 as 4"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add the Life Path and the Expression as "
                                     "they stand, a master number as 11 or 22")},
    {&Rules::pinnaclesKeepMasters,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers keep 11 and 22 in the month, day and year"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers reduce 11 and 22 in the month, day and year "
                                     "as well")},
    {&Rules::thirdPinnacleFromSingleDigits,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add the First and Second Pinnacles as single "
                                     "digits for the Third"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers add the First and Second Pinnacles as they "
                                     "stand, 11 and 22 included, for the Third")},
    {&Rules::keeps33,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers keep 33 as a master number as well"),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers reduce 33 like any other number")},
    {&Rules::periodsFollowPinnacles,
     QT_TRANSLATE_NOOP("Numerology", "Many teachers end the first period with the First "
                                     "Pinnacle, at age %1, and the second 27 years later, at age "
                                     "%2; then on %3 the %4 period is in force."),
     QT_TRANSLATE_NOOP("Numerology", "Many teachers end the first period at age %1 and the "
                                     "second at age %2; then on %3 the %4 period is in force."),
     MethodDetail::PeriodAges},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("Numerology", text);
}

// "first" .. "fourth" as the notes write them inside a sentence, each with the word it goes
// with, so that a translation can give it that word's form.
const char* const YPlaces[][2] = {
    QT_TRANSLATE_NOOP3("Numerology", "first", "the first Y of a name, in \"the %1 Y of %2\""),
    QT_TRANSLATE_NOOP3("Numerology", "second", "the second Y of a name, in \"the %1 Y of %2\""),
    QT_TRANSLATE_NOOP3("Numerology", "third", "the third Y of a name, in \"the %1 Y of %2\""),
    QT_TRANSLATE_NOOP3("Numerology", "fourth", "the fourth Y of a name, in \"the %1 Y of %2\""),
};
const char* const PeriodPlaces[][2] = {
    QT_TRANSLATE_NOOP3("Numerology", "first", "the first period, in \"the %4 period is in force\""),
    QT_TRANSLATE_NOOP3("Numerology", "second",
                       "the second period, in \"the %4 period is in force\""),
    QT_TRANSLATE_NOOP3("Numerology", "third", "the third period, in \"the %4 period is in force\""),
};

template <size_t N> QString placeWord(const char* const (&words)[N][2], int k)
{
    const auto& word = words[std::clamp(k, 0, static_cast<int>(N) - 1)];
    return QCoreApplication::translate("Numerology", word[0], word[1]);
}

// The sentence of a method that turns the rule to `turned`.
QString sentenceOf(const OtherMethod& method, bool turned)
{
    return translated(turned ? method.whenTrue : method.whenFalse);
}

// The parts with a W that the letter rule makes a vowel.
QStringList partsWithWAfterVowel(const QStringList& parts)
{
    QStringList ws;
    for (const QString& part : parts) {
        for (int i = 0; i < part.size(); ++i) {
            if (part.at(i) == QLatin1Char('W') && isVowelAt(part, i, true) && !ws.contains(part))
                ws << part;
        }
    }
    return ws;
}

// "the Y of OAKLEY (after E)", "the second Y of YARDLEY (after A)": each Y that the letter
// rule makes a consonant and its sound a vowel. The other way round cannot happen: a Y the
// sound makes a consonant has a vowel after it, so the letter rule makes it one too.
QStringList ysSoundingOtherwise(const QStringList& parts, bool wVowelAfterVowel)
{
    QStringList ys;
    for (const QString& part : parts) {
        const int count = int(part.count(QLatin1Char('Y')));
        int k = 0;
        for (int i = 0; i < part.size(); ++i) {
            if (part.at(i) != QLatin1Char('Y'))
                continue;
            const QString which =
                count == 1 ? translated(QT_TRANSLATE_NOOP("Numerology", "the Y of %1")).arg(part)
                           : translated(QT_TRANSLATE_NOOP("Numerology", "the %1 Y of %2"))
                                 .arg(placeWord(YPlaces, k), part);
            ++k;
            if (isVowelAt(part, i, wVowelAfterVowel) != ySoundsAsVowelAt(part, i))
                ys << translated(QT_TRANSLATE_NOOP("Numerology", "%1 (after %2)"))
                          .arg(which, part.at(i - 1));
        }
    }
    return ys;
}

// The note of the periods' other timing, when it moves where the periods end.
QString periodsNote(const Chart& chart, const QDate& birth, const QDate& lookAt, const Rules& rules)
{
    Rules other = rules;
    other.periodsFollowPinnacles = !rules.periodsFollowPinnacles;
    const Number& periods = chart.numbers[LifePathPeriod];
    const QList<Span> theirs = periodSpans(birth, chart.numbers[LifePath].values[0], other);
    if (theirs[0].untilAge == periods.spans[0].untilAge &&
        theirs[1].untilAge == periods.spans[1].untilAge)
        return QString();
    int current = 0;
    for (int k = 0; k < theirs.size(); ++k) {
        if (theirs[k].contains(lookAt))
            current = k;
    }
    const OtherMethod& method =
        *std::find_if(Methods.begin(), Methods.end(),
                      [](const OtherMethod& m) { return m.detail == MethodDetail::PeriodAges; });
    return sentenceOf(method, other.periodsFollowPinnacles)
        .arg(num(theirs[0].untilAge), num(theirs[1].untilAge), spelledDate(lookAt),
             placeWord(PeriodPlaces, current));
}

} // namespace

const Rules& taughtRules()
{
    static const Rules rules;
    return rules;
}

const QList<OtherMethod>& otherMethods()
{
    return Methods;
}

QList<MethodForName> methodsFor(const QStringList& nameParts, const Rules& rules)
{
    QList<MethodForName> found;
    for (const OtherMethod& method : Methods) {
        MethodForName applied{rules, QString()};
        const bool turned = !(rules.*method.rule);
        applied.rules.*method.rule = turned;
        applied.sentence = sentenceOf(method, turned);
        switch (method.detail) {
        case MethodDetail::None:
            break;
        case MethodDetail::WsAfterVowels: {
            const QStringList ws = partsWithWAfterVowel(nameParts);
            if (ws.isEmpty() && rules.wVowelAfterVowel)
                continue;
            if (!turned)
                applied.sentence = applied.sentence.arg(listed(ws));
            break;
        }
        case MethodDetail::YsBySound: {
            const QStringList ys = ysSoundingOtherwise(nameParts, rules.wVowelAfterVowel);
            if (ys.isEmpty())
                continue;
            applied.sentence = applied.sentence.arg(listed(ys));
            break;
        }
        case MethodDetail::PeriodAges:
            continue; // the values stay; calculateChart notes the timing
        }
        found << applied;
    }
    return found;
}

Chart calculateChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                     const Rules& rules)
{
    Chart chart = chartByRules(nameParts, birth, lookAt, rules);
    if (!chart.problem.isEmpty())
        return chart;
    for (const MethodForName& method : methodsFor(nameParts, rules)) {
        const Chart other = chartByRules(nameParts, birth, lookAt, method.rules, false);
        if (!other.problem.isEmpty())
            continue; // another reading of the letters that leaves no vowel or no consonant
        for (int s = 0; s < chart.numbers.size(); ++s) {
            const Number& theirs = other.numbers[s];
            if (theirs.values == chart.numbers[s].values)
                continue;
            chart.numbers[s].otherMethods
                << translated(QT_TRANSLATE_NOOP("Numerology", "%1. Worked that way: %2. It "
                                                              "gives %3."))
                       .arg(method.sentence, theirs.working.join(QLatin1String("; ")),
                            valuesText(theirs.values));
        }
    }
    const QString periods = periodsNote(chart, birth, lookAt, rules);
    if (!periods.isEmpty())
        chart.numbers[LifePathPeriod].otherMethods << periods;
    return chart;
}

} // namespace corvella::numerology
