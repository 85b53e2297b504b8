#include "content/modLearnNumerology.h"
#include "content/workedexamples.h"
#include "numerology/numerology.h"
#include "support/lessontexts.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// What an editor of a beginner's book would send back, checked on the lessons' own texts: a
// value taught that the taught rules cannot reach, a number called by two names, an American
// spelling, a significance sentence that returns to wording we have retired or that names its
// own number, and a sentence about another method that a learner cannot follow to its value.

using namespace corvella;
using namespace corvella::numerology;
using corvella::testing::equationsIn;
using corvella::testing::missingInOrder;
using corvella::testing::withoutFixedNames;

namespace {

const ContentTables& content()
{
    return testing::loadedContent();
}

QStringList lines(int subject)
{
    return content().SubjectCalculation[subject].split(QStringLiteral("\r\n"));
}

// The significance and calculation texts, labelled for messages.
QList<QPair<QString, QString>> lessonTexts()
{
    QList<QPair<QString, QString>> texts;
    for (int s = 0; s < SubjectCount; ++s) {
        texts.append({QStringLiteral("significance %1").arg(s), content().SubjectSignificance[s]});
        texts.append({QStringLiteral("calculation %1").arg(s), content().SubjectCalculation[s]});
    }
    return texts;
}

// Lower-case words, a possessive "'s" dropped: "Soul's Urge" gives "soul", "urge".
QStringList wordsOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+(?:'[A-Za-z]+)?"));
    QStringList found;
    for (const auto& match : word.globalMatch(text)) {
        QString w = match.captured().toLower();
        if (w.endsWith(QLatin1String("'s")))
            w.chop(2);
        found << w;
    }
    return found;
}

QStringList sentencesOf(const QString& text)
{
    static const QRegularExpression end(QStringLiteral("(?<=[.;:])\\s+(?=[A-Z])"));
    return text.split(end, Qt::SkipEmptyParts);
}

QString plusJoined(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1String(" + "));
}

int sumOf(const QList<int>& numbers)
{
    int sum = 0;
    for (int n : numbers)
        sum += n;
    return sum;
}

// "1 + 7 = 8", then each digit sum on the way down, as the lessons write them.
QStringList addedAndReduced(const QList<int>& numbers, bool keepMasters)
{
    QStringList steps{plusJoined(numbers) + QLatin1String(" = ") + QString::number(sumOf(numbers))};
    for (int n = sumOf(numbers); n != reduce(n, keepMasters);) {
        QList<int> digits;
        for (QChar c : QString::number(n))
            digits << c.digitValue();
        steps << plusJoined(digits) + QLatin1String(" = ") + QString::number(sumOf(digits));
        n = sumOf(digits);
    }
    return steps;
}

Chart chartOf(const QString& name, const QDate& birth, const Rules& rules = taughtRules())
{
    return calculateChart(readName(name).parts, birth, QDate(2026, 5, 19), rules);
}

Chart exampleChart(const Rules& rules = taughtRules())
{
    const examples::CalendarDate& b = examples::BirthDate;
    return chartOf(QString::fromLatin1(examples::FullBirthName), QDate(b.year, b.month, b.day),
                   rules);
}

// The equations of a number's working, in order.
QStringList workingEquations(const Number& number)
{
    QStringList found;
    for (const QString& line : number.working)
        found << equationsIn(line);
    return found;
}

// The fifteen significance texts as they were until the lessons were rewritten: none of their
// sentences may come back, nor a close paraphrase that keeps a long run of their words.
const char* const RetiredSignificance[] = {
    "The most important number in your chart.",
    "Taken from your full date of birth, it describes the road you travel through life: "
    "the gifts you bring with you, the lessons you meet and the kind of experiences that "
    "keep coming your way.",
    "This number comes from every letter of the name you were given at birth.",
    "It shows the abilities you were born with and what you are meant to do with them: "
    "the way you naturally work, speak and go after your goals.",
    "Drawn from the vowels of your birth name, this number speaks of what you long for "
    "deep inside and of what truly satisfies you, even when you seldom show it to other "
    "people.",
    "Taken from the consonants of your birth name, this number describes the face you "
    "show the world and the first impression you make: the part of you that others meet "
    "before they know you well.",
    "Simply the day of the month on which you were born, kept as it is.",
    "It points to a special talent you carry, one that supports your road through life "
    "and that you can call on easily whenever you need it.",
    "This number measures the gap between your Life Path Number and the number of your "
    "full name.",
    "It suggests what to work on so that the road you travel and the abilities you were "
    "given pull in the same direction.",
    "This number measures the distance between what you want inside and the way other "
    "people see you.",
    "It hints at how your outward manner can show more of your true wishes, so that you "
    "feel understood.",
    "Found from the initials of your birth name, this number tells you how you tend to "
    "react when life becomes difficult, and it offers a steady way to keep your calm in "
    "times of stress or conflict.",
    "This number joins your Life Path Number with the number of your full name.",
    "Its influence grows slowly and is felt from midlife, about the age of forty, "
    "onwards, revealing the deeper goal that your life has been leading you towards all "
    "along.",
    "Four of these numbers each rule a long stretch of your life.",
    "The first lasts from birth until the age of 36 minus your Life Path Number (as a "
    "single digit), the second and third last nine years each, and the fourth stays with "
    "you for the rest of your life.",
    "Each shows the opportunities and the mood of its time.",
    "Four of these numbers point to weak spots you are asked to overcome at different "
    "stages of life.",
    "They are not punishments: each shows a lesson that turns into a strength once it is "
    "learnt.",
    "The third is the main one and is felt all through your life.",
    "Your life falls into three long periods: youth up to about 28, the busy middle years "
    "up to about 56 and the later years after that.",
    "Each has its own number, taken from the month, the day or the year of your birth, "
    "and it colours the mood and the lessons of that part of your life.",
    "This number changes from one day to the next.",
    "It describes the energy of a single day for you in particular, so you can pick a "
    "good day to start something new, to rest, to talk things over or to finish a task.",
    "This number describes the theme of one calendar month in your own cycle.",
    "It shows which kind of activity the month favours and helps you plan the weeks ahead "
    "within the larger theme of your year.",
    "This number follows a cycle of nine years that starts over at the end of each cycle.",
    "It describes the main theme of one calendar year for you, from fresh beginnings in "
    "the first year of the cycle to endings and clearing out in the last.",
};

// Runs of this many words in a row shared with a retired sentence count as a paraphrase.
constexpr int ParaphraseRun = 6;

QSet<QString> wordRuns(const QString& text, int length)
{
    const QStringList words = wordsOf(text);
    QSet<QString> runs;
    for (int i = 0; i + length <= words.size(); ++i)
        runs.insert(words.mid(i, length).join(QLatin1Char(' ')));
    return runs;
}

} // namespace

class TestTextsLessons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twentyTwoTaughtWithItsMethod_data();
    void twentyTwoTaughtWithItsMethod();
    void secondNameSaidOnce_data();
    void secondNameSaidOnce();
    void significanceNotRetired();
    void significanceAvoidsItsOwnName();
    void significanceOpeningsVary();
    void otherMethodsReachTheirValues_data();
    void otherMethodsReachTheirValues();
    void namePartsAsTheLessonsSay_data();
    void namePartsAsTheLessonsSay();
    void agesOfTheCyclesMeet();
    void retiredLessonWording_data();
    void retiredLessonWording();
    void sentencesReadable();
    void birthdayOpeningsVary();
};

// A number whose readings include 22 but whose taught rule never reaches it names, in its
// calculation text, the common method that does, with a sum a learner can follow to 22.
void TestTextsLessons::twentyTwoTaughtWithItsMethod_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<bool>("taughtRuleReaches22");
    QTest::newRow("Life Path") << int(LifePath) << true;
    QTest::newRow("Maturity") << int(Maturity) << false;
    QTest::newRow("Pinnacle") << int(Pinnacle) << false;
    QTest::newRow("Life Path Period") << int(LifePathPeriod) << true;
}

void TestTextsLessons::twentyTwoTaughtWithItsMethod()
{
    QFETCH(int, subject);
    QFETCH(bool, taughtRuleReaches22);
    bool reached = false;
    if (subject == Maturity) {
        // Life Path and Expression each take 1..9, 11 or 22.
        const QList<int> values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
        for (int a : values) {
            for (int b : values)
                reached |= reduce(reduce(a, false) + reduce(b, false), true) == 22;
        }
    } else {
        // The years 2000 to 2008 reduce to every digit from 1 to 9, and the months and days
        // of a year to every month and day: together every date a Pinnacle can see.
        for (QDate d(2000, 1, 1); d.year() < 2009 && !reached; d = d.addDays(1))
            reached = chartOf(QStringLiteral("Ann Lee"), d).numbers[subject].values.contains(22);
    }
    QCOMPARE(reached, taughtRuleReaches22);
    if (reached)
        return;

    QStringList methodParagraphs;
    for (const QString& paragraph : lines(subject)) {
        if (paragraph.contains(QLatin1String("= 22")) &&
            paragraph.contains(QLatin1String("teachers")))
            methodParagraphs << paragraph;
    }
    QVERIFY2(!methodParagraphs.isEmpty(),
             qPrintable(QStringLiteral("%1 teaches a 22 its rule cannot reach, and names no "
                                       "method that does")
                            .arg(content().SubjectName[subject])));
    // The dates a Pinnacle paragraph gives do reach 22 by the methods it names: the month, day
    // and year keeping 11 and 22, or the First and Second Pinnacles added as they stand.
    static const QRegularExpression date(QStringLiteral(
        "(January|February|March|April|May|June|July|August|September|October|November|"
        "December) (\\d{1,2}), (\\d{4})"));
    Rules keeping = taughtRules();
    keeping.pinnaclesKeepMasters = true;
    int dates = 0;
    QStringList sentencesReaching22;
    for (const QString& paragraph : methodParagraphs) {
        for (const QString& sentence : sentencesOf(paragraph)) {
            if (sentence.contains(QLatin1String("= 22")))
                sentencesReaching22 << sentence;
        }
    }
    for (const QString& sentence : sentencesReaching22) {
        for (const auto& match : date.globalMatch(sentence)) {
            const QDate born = QDate::fromString(match.captured(), QStringLiteral("MMMM d, yyyy"));
            QVERIFY(born.isValid());
            const QList<int> taught =
                chartOf(QStringLiteral("Ann Lee"), born).numbers[Pinnacle].values;
            const QList<int> kept =
                chartOf(QStringLiteral("Ann Lee"), born, keeping).numbers[Pinnacle].values;
            const bool thirdAsTheyStand = reduce(taught[0] + taught[1], true) == 22;
            QVERIFY2(kept.contains(22) || thirdAsTheyStand, qPrintable(match.captured()));
            QVERIFY(!taught.contains(22));
            ++dates;
        }
    }
    if (subject == Pinnacle)
        QVERIFY(dates >= 2);
}

// Each number has one name in the lessons; its second name is said once, where the number is
// taught, beside the name the lessons keep.
void TestTextsLessons::secondNameSaidOnce_data()
{
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<QString>("keptName");
    QTest::addColumn<int>("subject");
    QTest::newRow("Destiny") << QStringLiteral("Destiny") << QStringLiteral("Expression")
                             << int(Expression);
    QTest::newRow("Heart's Desire")
        << QStringLiteral("Heart's Desire") << QStringLiteral("Soul's Urge") << int(SoulsUrge);
    QTest::newRow("Inner Dreams") << QStringLiteral("Inner Dreams") << QStringLiteral("Personality")
                                  << int(Personality);
    QTest::newRow("Realization") << QStringLiteral("Realization") << QStringLiteral("Maturity")
                                 << int(Maturity);
}

void TestTextsLessons::secondNameSaidOnce()
{
    QFETCH(QString, secondName);
    QFETCH(QString, keptName);
    QFETCH(int, subject);
    QStringList uses;
    for (const auto& [label, text] : lessonTexts()) {
        QString prose = text;
        for (int s = 0; s < SubjectCount; ++s)
            prose.remove(content().SubjectName[s]);
        for (const QString& sentence : sentencesOf(prose)) {
            if (sentence.contains(secondName, Qt::CaseInsensitive))
                uses << label + QLatin1String(": ") + sentence;
        }
    }
    QVERIFY2(uses.size() == 1, qPrintable(uses.join(QLatin1Char('\n'))));
    QVERIFY2(uses.first().startsWith(QStringLiteral("calculation %1:").arg(subject)),
             qPrintable(uses.first()));
    QVERIFY2(uses.first().contains(keptName), qPrintable(uses.first()));
}

void TestTextsLessons::significanceNotRetired()
{
    QSet<QString> retiredRuns;
    QStringList retiredSentences;
    for (const char* sentence : RetiredSignificance) {
        retiredSentences << QString::fromLatin1(sentence);
        retiredRuns.unite(wordRuns(QString::fromLatin1(sentence), ParaphraseRun));
    }
    QVERIFY(retiredRuns.size() > 200);
    // Wording that follows common public pages too closely.
    static const QRegularExpression stock(
        QStringLiteral("special talent|punish|nine years each|second and third last"),
        QRegularExpression::CaseInsensitiveOption);
    for (int s = 0; s < SubjectCount; ++s) {
        const QString text = content().SubjectSignificance[s];
        for (const QString& sentence : retiredSentences)
            QVERIFY2(!text.contains(sentence), qPrintable(sentence));
        const QSet<QString> shared = wordRuns(text, ParaphraseRun) & retiredRuns;
        QVERIFY2(shared.isEmpty(),
                 qPrintable(QStringLiteral("significance %1 keeps \"%2\"")
                                .arg(s)
                                .arg(shared.isEmpty() ? QString() : *shared.constBegin())));
        const QRegularExpressionMatch found = stock.match(text);
        QVERIFY2(!found.hasMatch(), qPrintable(found.captured()));
    }
}

// No significance text uses a word of its own number's name ("Number" aside, which every name
// has): a reader who matches words against the name must not find the answer that way. A word
// that begins with a name's longer word ("periods", "pinnacles") counts as that word. "Month"
// and "year" are allowed: without them a sentence about a calendar month or year turns
// contrived, and tst_fairness bounds what a word-matching reader gains from them.
void TestTextsLessons::significanceAvoidsItsOwnName()
{
    for (int s = 0; s < SubjectCount; ++s) {
        QStringList nameWords = wordsOf(content().SubjectName[s]);
        for (const char* allowed : {"number", "month", "year"})
            nameWords.removeAll(QLatin1String(allowed));
        QVERIFY(!nameWords.isEmpty());
        for (const QString& word : wordsOf(content().SubjectSignificance[s])) {
            for (const QString& nameWord : nameWords) {
                const bool same = word == nameWord || word == nameWord + QLatin1Char('s') ||
                                  (nameWord.size() >= 4 && word.startsWith(nameWord));
                QVERIFY2(!same, qPrintable(QStringLiteral("significance of %1 says \"%2\"")
                                               .arg(content().SubjectName[s], word)));
            }
        }
    }
}

// No two significance texts open with the same three words.
void TestTextsLessons::significanceOpeningsVary()
{
    QHash<QString, int> openings;
    for (int s = 0; s < SubjectCount; ++s) {
        const QString opening =
            wordsOf(content().SubjectSignificance[s]).mid(0, 3).join(QLatin1Char(' '));
        QVERIFY2(!openings.contains(opening), qPrintable(QStringLiteral("%1 and %2 open \"%3\"")
                                                             .arg(openings.value(opening))
                                                             .arg(s)
                                                             .arg(opening)));
        openings.insert(opening, s);
    }
}

// Where a lesson says what another common method gives, its sentence carries the working that
// leads there: every sum of that method's working, recomputed here, in order, ending on the
// value.
void TestTextsLessons::otherMethodsReachTheirValues_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("fragments");
    QTest::addColumn<int>("value");

    const auto lastEquationValue = [](const QStringList& equations) {
        return equations.isEmpty() ? -1 : equations.last().section(QLatin1Char('='), 1).toInt();
    };
    const auto addRow = [&](const char* name, int subject, int line, const QStringList& fragments,
                            int value) {
        QTest::newRow(name) << subject << line << fragments << value;
    };

    Rules partsFirst = taughtRules();
    partsFirst.expressionPartsFirst = true;
    partsFirst.soulsUrgePartsFirst = true;
    Rules atOnce = taughtRules();
    atOnce.personalityPartsFirst = false;
    const Chart byParts = exampleChart(partsFirst);
    const Chart allAtOnce = exampleChart(atOnce);
    QStringList equations = workingEquations(byParts.numbers[Expression]);
    addRow("Expression part by part", Expression, 1, equations,
           byParts.numbers[Expression].values[0]);
    QCOMPARE(lastEquationValue(equations), byParts.numbers[Expression].values[0]);
    equations = workingEquations(byParts.numbers[SoulsUrge]);
    addRow("Soul's Urge part by part", SoulsUrge, 6, equations,
           byParts.numbers[SoulsUrge].values[0]);
    equations = workingEquations(allAtOnce.numbers[Personality]);
    addRow("Personality all at once", Personality, 0, equations,
           allAtOnce.numbers[Personality].values[0]);

    // The Life Path from month, day and year reduced first, on the date the lesson gives.
    Rules byDateParts = taughtRules();
    byDateParts.lifePathFromEveryDigit = false;
    const QDate july7(1977, 7, 7);
    addRow("Life Path every digit", LifePath, 0,
           workingEquations(chartOf(QStringLiteral("Ann Lee"), july7).numbers[LifePath]),
           chartOf(QStringLiteral("Ann Lee"), july7).numbers[LifePath].values[0]);
    addRow(
        "Life Path parts first", LifePath, 0,
        workingEquations(chartOf(QStringLiteral("Ann Lee"), july7, byDateParts).numbers[LifePath]),
        chartOf(QStringLiteral("Ann Lee"), july7, byDateParts).numbers[LifePath].values[0]);

    // Y by its sound: both Ys of the example name are sounded as vowels (KATHRYN's as "i",
    // OAKLEY's final Y as "ee").
    const QStringList parts = readName(QString::fromLatin1(examples::FullBirthName)).parts;
    QList<int> vowels;
    QList<int> partConsonants;
    for (const QString& part : parts) {
        QList<int> consonants;
        for (QChar c : part) {
            const bool vowel = QStringLiteral("AEIOUY").contains(c);
            (vowel ? vowels : consonants) << letterValue(c);
        }
        partConsonants << reduce(sumOf(consonants), false);
        if (part == parts.last())
            equations = addedAndReduced(consonants, false);
    }
    addRow("Soul's Urge by sound", SoulsUrge, 6, addedAndReduced(vowels, true),
           reduce(sumOf(vowels), true));
    addRow("Personality by sound", Personality, 6,
           equations + addedAndReduced(partConsonants, true), reduce(sumOf(partConsonants), true));

    // W never a vowel: DAWN keeps only A.
    addRow("W as a vowel", SoulsUrge, 5,
           addedAndReduced({letterValue(QLatin1Char('A')), letterValue(QLatin1Char('W'))}, true),
           6);

    // 33 kept as a master number: the example's digits stop at 33.
    const examples::CalendarDate& b = examples::BirthDate;
    QList<int> digits;
    for (QChar c : QStringLiteral("%1%2%3").arg(b.month).arg(b.day).arg(b.year))
        digits << c.digitValue();
    addRow("33 kept", LifePath, 1,
           QStringList{addedAndReduced(digits, true).first(),
                       QStringLiteral("Life Path of %1").arg(sumOf(digits))},
           sumOf(digits));
    QCOMPARE(sumOf(digits), 33);

    // The Maturity from a Life Path 11 and an Expression 11 added as they stand.
    addRow("Maturity as they stand", Maturity, 0, addedAndReduced({11, 11}, true),
           reduce(11 + 11, true));

    // The Third Pinnacle from the first two as they stand, and the First Pinnacle with 11 and
    // 22 kept in the month and day.
    const QList<int> feb9 =
        chartOf(QStringLiteral("Ann Lee"), QDate(1991, 2, 9)).numbers[Pinnacle].values;
    addRow("Third Pinnacle as they stand", Pinnacle, 0,
           QStringList{QStringLiteral("February 9, 1991")} +
               addedAndReduced({feb9[0], feb9[1]}, true) +
               addedAndReduced({reduce(feb9[0], false), reduce(feb9[1], false)}, true),
           reduce(feb9[0] + feb9[1], true));
    Rules keeping = taughtRules();
    keeping.pinnaclesKeepMasters = true;
    const QDate nov11(2009, 11, 11);
    const Number kept = chartOf(QStringLiteral("Ann Lee"), nov11, keeping).numbers[Pinnacle];
    const Number taught = chartOf(QStringLiteral("Ann Lee"), nov11).numbers[Pinnacle];
    addRow("First Pinnacle keeping 11 and 22", Pinnacle, 0,
           QStringList{QStringLiteral("November 11, 2009")} + equationsIn(kept.working.value(1)) +
               equationsIn(taught.working.value(1)),
           kept.values[0]);
}

void TestTextsLessons::otherMethodsReachTheirValues()
{
    QFETCH(int, subject);
    QFETCH(int, line);
    QFETCH(QStringList, fragments);
    QFETCH(int, value);
    QVERIFY(!fragments.isEmpty());
    const QString text = lines(subject).value(line);
    const QString missing = missingInOrder(text, fragments);
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("\"%1\" not found in: %2").arg(missing, text)));
    QVERIFY2(text.contains(QString::number(value)), qPrintable(text));
}

// What the lessons say of a hyphenated name, a name with an apostrophe and a name of one part
// is what the chart does with them.
void TestTextsLessons::namePartsAsTheLessonsSay_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("line");
    QTest::newRow("hyphen, Personality") << QStringLiteral("MARY-JANE") << int(Personality) << 0;
    QTest::newRow("apostrophe, Personality") << QStringLiteral("O'NEILL") << int(Personality) << 0;
    QTest::newRow("one part, Personality") << QStringLiteral("CHER") << int(Personality) << 0;
    QTest::newRow("hyphen, Balance") << QStringLiteral("MARY-JANE") << int(Balance) << 0;
    QTest::newRow("one part, Balance") << QStringLiteral("CHER") << int(Balance) << 0;
}

void TestTextsLessons::namePartsAsTheLessonsSay()
{
    QFETCH(QString, name);
    QFETCH(int, subject);
    QFETCH(int, line);
    const QString text = lines(subject).value(line);
    QVERIFY2(text.contains(name), qPrintable(text));
    const NameReading reading = readName(name);
    QCOMPARE(reading.parts.size(), 1);
    if (subject == Personality) {
        QVERIFY(text.contains(QLatin1String("one part")));
        return;
    }
    // The Balance of a one-part name is its initial's value; a hyphenated part gives one
    // initial, its first letter.
    const QChar initial = reading.parts.first().at(0);
    const int balance = chartOf(name, QDate(1983, 8, 31)).numbers[Balance].values[0];
    QCOMPARE(balance, letterValue(initial));
    if (name.contains(QLatin1Char('-')))
        QVERIFY2(text.contains(QStringLiteral("only its %1").arg(initial)), qPrintable(text));
    else
        QVERIFY2(text.contains(QStringLiteral("%1 = %2").arg(initial).arg(balance)),
                 qPrintable(text));
}

// The Pinnacles and the Challenges share their spans, and the lessons tie the ages of the
// Pinnacles, the periods and the Maturity Number together; the figures follow from the rule
// "the First Pinnacle ends at 36 minus the Life Path as a single digit".
void TestTextsLessons::agesOfTheCyclesMeet()
{
    const int lifePath = reduce(exampleChart().numbers[LifePath].values[0], false);
    const int firstEnd = 36 - lifePath;
    const QStringList spans = {QStringLiteral("%1, ").arg(firstEnd),
                               QStringLiteral("from %1 to %2").arg(firstEnd).arg(firstEnd + 9),
                               QStringLiteral("from %1 to %2").arg(firstEnd + 9).arg(firstEnd + 18),
                               QStringLiteral("from %1 on").arg(firstEnd + 18)};
    const QString pinnacles = lines(Pinnacle).mid(1).join(QLatin1Char(' '));
    for (const QString& text : {pinnacles, lines(Challenge).value(0)}) {
        const QString missing = missingInOrder(text, spans);
        QVERIFY2(missing.isEmpty(), qPrintable(missing + QLatin1String(" not in: ") + text));
    }
    const QString challenges = content().SubjectCalculation[Challenge];
    QVERIFY(challenges.contains(QLatin1String("the span of years of the Pinnacle")));
    QVERIFY(challenges.contains(QLatin1String("36 minus the Life Path Number")));

    // Over every Life Path digit: where the First Pinnacle ends, where the Third and the
    // Fourth begin.
    const QString periods = content().SubjectCalculation[LifePathPeriod];
    for (int start : {36, 45, 54}) {
        const QString range = QStringLiteral("between %1 and %2").arg(start - 9).arg(start - 1);
        QVERIFY2(periods.contains(range), qPrintable(range));
    }
    for (const char* word : {"formative", "productive", "harvest", "Maturity Number", "Pinnacle"})
        QVERIFY2(periods.contains(QLatin1String(word)), word);
}

// Wording of the calculation texts that we have retired.
void TestTextsLessons::retiredLessonWording_data()
{
    QTest::addColumn<QString>("pattern");
    // Used for both the adding and the reducing, it said two things.
    QTest::newRow("on the way") << QStringLiteral("\\bon the way\\b");
    // One name per number.
    QTest::newRow("Expression (Destiny)") << QStringLiteral("\\(Destiny\\)");
    // The name of the example person is written one way.
    QTest::newRow("mixed-case example name") << QStringLiteral("Kathryn|Oakley");
    // An over-claim said as a fact rather than as what teachers hold.
    QTest::newRow("the most important number")
        << QStringLiteral("^(The|This is the) most important");
}

void TestTextsLessons::retiredLessonWording()
{
    QFETCH(QString, pattern);
    const QRegularExpression retired(pattern);
    QVERIFY(retired.isValid());
    for (const auto& [label, text] : lessonTexts()) {
        const QRegularExpressionMatch found = retired.match(text);
        QVERIFY2(!found.hasMatch(),
                 qPrintable(QStringLiteral("%1: \"%2\"").arg(label, found.captured())));
    }
}

// No sentence of any text runs past forty words (a figure counts as a word, a "+" or "=" does
// not): a beginner loses the thread of a longer one.
void TestTextsLessons::sentencesReadable()
{
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9]+(?:['-][A-Za-z0-9]+)*"));
    QList<QPair<QString, QString>> texts = lessonTexts();
    for (int i = 0; i < InterpretationEntryCount; ++i)
        texts.append({entryHeading(content(), i), content().InterpretationText[i]});
    int sentences = 0;
    for (const auto& [label, text] : texts) {
        for (const QString& line : text.split(QStringLiteral("\r\n"))) {
            for (const QString& sentence : line.split(end, Qt::SkipEmptyParts)) {
                ++sentences;
                int words = 0;
                for (auto it = word.globalMatch(sentence); it.hasNext(); it.next())
                    ++words;
                QVERIFY2(words <= 40, qPrintable(QStringLiteral("%1: %2").arg(label, sentence)));
            }
        }
    }
    QVERIFY(sentences > 600);
}

// The Birthday paragraphs open in varied ways: few of them with "... is your talent".
void TestTextsLessons::birthdayOpeningsVary()
{
    static const QRegularExpression talent(
        QStringLiteral("^[^.:]*\\b(is|are) your( \\w+)? (talent|gift|strength|birthright)s?\\b"));
    QStringList alike;
    for (int i = content().FirstInterpretation[Birthday];
         i <= content().LastInterpretation[Birthday]; ++i) {
        if (talent.match(content().InterpretationText[i]).hasMatch())
            alike << entryHeading(content(), i);
    }
    QVERIFY2(alike.size() <= 3, qPrintable(alike.join(QLatin1String(", "))));
}

QTEST_GUILESS_MAIN(TestTextsLessons)
#include "tst_texts_lessons.moc"
