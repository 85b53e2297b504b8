#include "content/modLearnNumerology.h"
#include "content/workedexamples.h"
#include "support/lessontexts.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>

using namespace corvella;

namespace {

// The tests' own numerology, written apart from the texts so that it can disagree with them.

int letterValue(QChar letter)
{
    return (letter.toUpper().unicode() - 'A') % 9 + 1;
}

int digitSum(int n)
{
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

bool stopsAt(int n, bool keepMasters)
{
    return n <= 9 || (keepMasters && (n == 11 || n == 22));
}

int reduced(int n, bool keepMasters)
{
    while (!stopsAt(n, keepMasters))
        n = digitSum(n);
    return n;
}

// A number that goes into another calculation goes in as its single digit: 11 as 2, 22 as 4.
int single(int n)
{
    return reduced(n, false);
}

QString plusJoined(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1String(" + "));
}

QList<int> digitsOf(const QList<int>& numbers)
{
    QList<int> digits;
    for (int n : numbers) {
        for (QChar c : QString::number(n))
            digits << c.digitValue();
    }
    return digits;
}

int sumOf(const QList<int>& numbers)
{
    int sum = 0;
    for (int n : numbers)
        sum += n;
    return sum;
}

// "6 + 6 = 12", "1 + 2 = 3": each digit addition on the way from n to its reduced form.
QStringList reductionSteps(int n, bool keepMasters)
{
    QStringList steps;
    while (!stopsAt(n, keepMasters)) {
        const QList<int> digits = digitsOf({n});
        steps << plusJoined(digits) + QLatin1String(" = ") + QString::number(sumOf(digits));
        n = sumOf(digits);
    }
    return steps;
}

QString sumLine(const QList<int>& numbers)
{
    return plusJoined(numbers) + QLatin1String(" = ") + QString::number(sumOf(numbers));
}

QString differenceLine(int a, int b)
{
    return QStringLiteral("%1 - %2 = %3").arg(qMax(a, b)).arg(qMin(a, b)).arg(qAbs(a - b));
}

bool isPlainVowel(QChar c)
{
    return QStringLiteral("AEIOU").contains(c);
}

// Y is a vowel when neither neighbour is a vowel; W is a vowel right after a vowel.
bool countsAsVowel(const QString& word, int i)
{
    const QChar c = word.at(i);
    if (isPlainVowel(c))
        return true;
    const bool vowelBefore = i > 0 && isPlainVowel(word.at(i - 1));
    const bool vowelAfter = i + 1 < word.size() && isPlainVowel(word.at(i + 1));
    if (c == QLatin1Char('Y'))
        return !vowelBefore && !vowelAfter;
    if (c == QLatin1Char('W'))
        return vowelBefore;
    return false;
}

enum class Letters { All, Vowels, Consonants };

QList<int> letterValues(const QString& word, Letters which)
{
    QList<int> values;
    for (int i = 0; i < word.size(); ++i) {
        const bool vowel = countsAsVowel(word, i);
        if (which == Letters::All || (which == Letters::Vowels) == vowel)
            values << letterValue(word.at(i));
    }
    return values;
}

QList<int> letterValues(const QStringList& words, Letters which)
{
    QList<int> values;
    for (const QString& word : words)
        values << letterValues(word, which);
    return values;
}

// Everything the worked examples should arrive at, computed from their inputs.
struct Person
{
    QStringList nameParts;
    examples::CalendarDate birth;
    examples::CalendarDate today;

    QList<int> birthDateDigits() const { return digitsOf({birth.month, birth.day, birth.year}); }
    int lifePathSum() const { return sumOf(birthDateDigits()); }
    int lifePath() const { return reduced(lifePathSum(), true); }
    // The other common way: month, day and year reduced first, keeping 11 and 22.
    int lifePathByParts() const
    {
        return reduced(reduced(birth.month, true) + reduced(birth.day, true) +
                           reduced(digitSum(birth.year), true),
                       true);
    }
    // The totals on the way while the digits are added one by one, the last being the sum.
    QList<int> runningTotals() const
    {
        QList<int> totals;
        int total = 0;
        for (int digit : birthDateDigits())
            totals << (total += digit);
        return totals;
    }
    int expressionSum() const { return sumOf(letterValues(nameParts, Letters::All)); }
    int expression() const { return reduced(expressionSum(), true); }
    int soulsUrgeSum() const { return sumOf(letterValues(nameParts, Letters::Vowels)); }
    int soulsUrge() const { return reduced(soulsUrgeSum(), true); }
    QList<int> personalityParts() const
    {
        QList<int> parts;
        for (const QString& word : nameParts)
            parts << single(sumOf(letterValues(word, Letters::Consonants)));
        return parts;
    }
    int personality() const { return reduced(sumOf(personalityParts()), true); }
    int personalityFromWholeName() const
    {
        return reduced(sumOf(letterValues(nameParts, Letters::Consonants)), true);
    }
    int month() const { return reduced(birth.month, false); }
    int day() const { return reduced(birth.day, false); }
    int year() const { return reduced(birth.year, false); }
    QList<int> initials() const
    {
        QList<int> values;
        for (const QString& word : nameParts)
            values << letterValue(word.at(0));
        return values;
    }
    QList<int> pinnacleSums() const
    {
        return {month() + day(), day() + year(), single(month() + day()) + single(day() + year()),
                month() + year()};
    }
    // The other common way keeps 11 and 22 in the month, day and year (and in the first two
    // pinnacles when they make the third).
    QList<int> pinnaclesKeepingMasters() const
    {
        const int m = reduced(birth.month, true);
        const int d = reduced(birth.day, true);
        const int y = reduced(digitSum(birth.year), true);
        const int first = reduced(m + d, true);
        const int second = reduced(d + y, true);
        return {first, second, reduced(first + second, true), reduced(m + y, true)};
    }
    QList<int> pinnacles() const
    {
        QList<int> results;
        for (int sum : pinnacleSums())
            results << reduced(sum, true);
        return results;
    }
    QList<int> challenges() const
    {
        const int first = qAbs(month() - day());
        const int second = qAbs(day() - year());
        return {first, second, qAbs(first - second), qAbs(month() - year())};
    }
    QList<int> personalYearDigits() const { return digitsOf({birth.day, birth.month, today.year}); }
    QList<int> personalMonthDigits() const
    {
        return digitsOf({birth.day, birth.month, today.month, today.year});
    }
    QList<int> personalDayDigits() const
    {
        return digitsOf({birth.day, birth.month, today.day, today.month, today.year});
    }

    // The results in the order the calculation texts state them, subject by subject.
    QList<QList<int>> statedResults() const
    {
        return {
            {lifePath()},
            {expression()},
            {soulsUrge()},
            {personality()},
            {birth.day},
            {qAbs(single(lifePath()) - single(expression()))},
            {qAbs(single(personality()) - single(soulsUrge()))},
            {single(sumOf(initials()))},
            {lifePath(), expression(), reduced(single(lifePath()) + single(expression()), true)},
            pinnacles(),
            challenges(),
            {reduced(birth.month, true), reduced(birth.day, true),
             reduced(digitSum(birth.year), true)},
            {reduced(sumOf(personalDayDigits()), false)},
            {reduced(sumOf(personalMonthDigits()), false)},
            {reduced(sumOf(personalYearDigits()), false)},
        };
    }
};

Person examplePerson()
{
    return {QString::fromLatin1(examples::FullBirthName).split(QLatin1Char(' ')),
            examples::BirthDate, examples::CurrentDate};
}

// The short case of the Life Path text whose digits end on a master number.
Person masterNumberCase()
{
    return {{}, {3, 7, 1990}, {}};
}

QString spelledDate(const examples::CalendarDate& date)
{
    return QLocale::c().toString(QDate(date.year, date.month, date.day),
                                 QStringLiteral("MMMM d, yyyy"));
}

QStringList labelledSteps(const QString& label, int n, bool keepMasters)
{
    QStringList steps = reductionSteps(n, keepMasters);
    if (!steps.isEmpty())
        steps.first().prepend(label);
    return steps;
}

const ContentTables& loaded()
{
    return testing::loadedContent();
}

QStringList calculationLines(int subject)
{
    return loaded().SubjectCalculation[subject].split(QStringLiteral("\r\n"));
}

bool isPrintableAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

QString lastNumberOf(const QString& line)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString last;
    for (const auto& match : number.globalMatch(line))
        last = match.captured();
    return last;
}

// Every teaching text with a label for messages: significance, calculation and interpretation.
QList<QPair<QString, QString>> allTexts()
{
    const ContentTables& t = loaded();
    QList<QPair<QString, QString>> texts;
    for (int s = 0; s < SubjectCount; ++s) {
        texts.append({QStringLiteral("significance %1").arg(s), t.SubjectSignificance[s]});
        texts.append({QStringLiteral("calculation %1").arg(s), t.SubjectCalculation[s]});
    }
    for (int i = 0; i < InterpretationEntryCount; ++i)
        texts.append({entryHeading(t, i), t.InterpretationText[i]});
    return texts;
}

QStringList entryTexts(int subject, const QList<int>& values = {})
{
    const ContentTables& t = loaded();
    QStringList texts;
    for (int i = t.FirstInterpretation[subject]; i <= t.LastInterpretation[subject]; ++i) {
        if (values.isEmpty() || values.contains(t.InterpretationValue[i]))
            texts << t.InterpretationText[i];
    }
    return texts;
}

bool sameTables(const ContentTables& a, const ContentTables& b)
{
    return a.SubjectName == b.SubjectName && a.SubjectSignificance == b.SubjectSignificance &&
           a.SubjectCalculation == b.SubjectCalculation &&
           a.FirstInterpretation == b.FirstInterpretation &&
           a.LastInterpretation == b.LastInterpretation &&
           a.InterpretationValue == b.InterpretationValue &&
           a.InterpretationText == b.InterpretationText;
}

enum class ChartKind { Full, SingleSpaced, Vowels, Consonants };

struct Token
{
    int start;
    QString text;
};

QList<Token> tokensOf(const QString& row, QChar filler)
{
    QList<Token> tokens;
    for (int i = 0; i < row.size();) {
        if (row.at(i) == filler) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < row.size() && row.at(i) != filler)
            ++i;
        tokens.append({start, row.mid(start, i - start)});
    }
    return tokens;
}

} // namespace

Q_DECLARE_METATYPE(ChartKind)

class TestContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void subjectNamesInCatalogueOrder();
    void slot15StaysEmpty();
    void runsAreContiguousAndCoverAllEntries();
    void valuePatterns_data();
    void valuePatterns();
    void onlyTheBirthdayRunHoldsTen();
    void calculationLineCounts_data();
    void calculationLineCounts();
    void paragraphs_data();
    void paragraphs();
    void bridgeTextsSharedAndOthersUnique();
    void loadingAgainChangesNothing();
    void answersDoNotGiveThemselvesAway();
    void entryHeadings_data();
    void entryHeadings();
    void charts_data();
    void charts();
    void vowelRuleExamples_data();
    void vowelRuleExamples();
    void examplesAvoidAmbiguity();
    void otherMethodClaimsHold();
    void statedResultsMatchRecomputation();
    void workedExampleLines_data();
    void workedExampleLines();
    void everySumInTheTextsIsRight();
    void conventionsStated_data();
    void conventionsStated();
    void retiredWording_data();
    void retiredWording();
    void britishSpellings_data();
    void britishSpellings();
    void subjectNamesCapitalised();
};

void TestContent::subjectNamesInCatalogueOrder()
{
    const QStringList expected = {
        QStringLiteral("Life Path Number"),
        QStringLiteral("Destiny / Expression Number"),
        QStringLiteral("Soul's Urge/ Heart's Desire Number"),
        QStringLiteral("Inner Dreams / Personality Number"),
        QStringLiteral("Birthday Number"),
        QStringLiteral("Life Path / Expression Bridge Number"),
        QStringLiteral("Heart Desire / Personality Bridge Number"),
        QStringLiteral("Balance Number"),
        QStringLiteral("Maturity / Realization Number"),
        QStringLiteral("Pinnacle Number"),
        QStringLiteral("Challenge Number"),
        QStringLiteral("Life Path Period Number"),
        QStringLiteral("Personal Day Number"),
        QStringLiteral("Personal Month Number"),
        QStringLiteral("Personal Year Number"),
    };
    QStringList names;
    for (int s = 0; s < SubjectCount; ++s)
        names << loaded().SubjectName[s];
    QCOMPARE(names, expected);
}

void TestContent::slot15StaysEmpty()
{
    const ContentTables& t = loaded();
    QVERIFY(t.SubjectName[15].isNull());
    QVERIFY(t.SubjectSignificance[15].isNull());
    QVERIFY(t.SubjectCalculation[15].isNull());
    QCOMPARE(t.FirstInterpretation[15], qint16(0));
    QCOMPARE(t.LastInterpretation[15], qint16(0));
}

void TestContent::runsAreContiguousAndCoverAllEntries()
{
    const ContentTables& t = loaded();
    QCOMPARE(t.FirstInterpretation[0], qint16(0));
    QCOMPARE(t.LastInterpretation[SubjectCount - 1], qint16(InterpretationEntryCount - 1));
    for (int s = 0; s < SubjectCount; ++s) {
        QVERIFY2(t.LastInterpretation[s] - t.FirstInterpretation[s] + 1 >= 9,
                 qPrintable(t.SubjectName[s]));
        if (s + 1 < SubjectCount)
            QCOMPARE(t.FirstInterpretation[s + 1], qint16(t.LastInterpretation[s] + 1));
    }
}

void TestContent::valuePatterns_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<QList<int>>("values");

    QList<int> withMasters = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
    QList<int> days;
    for (int d = 1; d <= 31; ++d)
        days << d;
    QList<int> differences = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    QList<int> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const QList<QList<int>> bySubject = {withMasters, withMasters, withMasters, withMasters,
                                         days,        differences, differences, digits,
                                         withMasters, withMasters, differences, withMasters,
                                         digits,      digits,      digits};
    for (int s = 0; s < SubjectCount; ++s)
        QTest::addRow("subject %d", s) << s << bySubject[s];
}

void TestContent::valuePatterns()
{
    QFETCH(int, subject);
    QFETCH(QList<int>, values);
    const ContentTables& t = loaded();
    QList<int> run;
    for (int i = t.FirstInterpretation[subject]; i <= t.LastInterpretation[subject]; ++i)
        run << t.InterpretationValue[i];
    QCOMPARE(run, values);
}

void TestContent::onlyTheBirthdayRunHoldsTen()
{
    const ContentTables& t = loaded();
    for (int i = 0; i < InterpretationEntryCount; ++i) {
        if (t.InterpretationValue[i] == 10)
            QCOMPARE(subjectOfEntry(t, i), 4);
    }
}

void TestContent::calculationLineCounts_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("lines");
    const int counts[SubjectCount] = {3, 7, 7, 7, 1, 3, 3, 11, 6, 6, 5, 8, 9, 3, 3};
    for (int s = 0; s < SubjectCount; ++s)
        QTest::addRow("subject %d", s) << s << counts[s];
}

void TestContent::calculationLineCounts()
{
    QFETCH(int, subject);
    QFETCH(int, lines);
    const QString text = loaded().SubjectCalculation[subject];
    const QStringList split = text.split(QStringLiteral("\r\n"));
    QCOMPARE(split.size(), lines);
    for (const QString& line : split) {
        // A stray CR or LF, a break at either end or a doubled break would all show here.
        QVERIFY2(!line.trimmed().isEmpty(), qPrintable(text));
        QVERIFY2(isPrintableAscii(line), qPrintable(line));
    }
}

void TestContent::paragraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    const ContentTables& t = loaded();
    for (int s = 0; s < SubjectCount; ++s) {
        QTest::addRow("name %d", s) << t.SubjectName[s] << 1 << 100;
        QTest::addRow("significance %d", s) << t.SubjectSignificance[s] << 97 << 339;
    }
    for (int i = 0; i < InterpretationEntryCount; ++i)
        QTest::addRow("interpretation %d", i) << t.InterpretationText[i] << 140 << 588;
}

void TestContent::paragraphs()
{
    QFETCH(QString, text);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QVERIFY2(isPrintableAscii(text), qPrintable(text)); // also rules out CR and LF
    QVERIFY2(text.size() >= shortest && text.size() <= longest,
             qPrintable(QString::number(text.size())));
    QCOMPARE(text.trimmed(), text);
    QVERIFY2(!text.contains(QLatin1String("  ")), qPrintable(text));
}

void TestContent::bridgeTextsSharedAndOthersUnique()
{
    const ContentTables& t = loaded();
    for (int i = 81; i <= 83; ++i) {
        QCOMPARE(t.InterpretationValue[i], t.InterpretationValue[i + 9]);
        QCOMPARE(t.InterpretationText[i + 9], t.InterpretationText[i]);
    }
    QHash<QString, int> firstEntryOf;
    for (int i = 0; i < InterpretationEntryCount; ++i) {
        const auto found = firstEntryOf.constFind(t.InterpretationText[i]);
        if (found == firstEntryOf.constEnd()) {
            firstEntryOf.insert(t.InterpretationText[i], i);
            continue;
        }
        const bool shared = i >= 90 && i <= 92 && found.value() == i - 9;
        QVERIFY2(shared,
                 qPrintable(QStringLiteral("entry %1 repeats entry %2").arg(i).arg(found.value())));
    }
    QCOMPARE(firstEntryOf.size(), InterpretationEntryCount - 3);
}

// A test shows a subject (and a value) and asks for its paragraph. A significance paragraph
// that names its own subject, or an interpretation that states its own value, would turn the
// question into matching words instead of knowing what the number means.
void TestContent::answersDoNotGiveThemselvesAway()
{
    const ContentTables& t = loaded();
    for (int s = 0; s < SubjectCount; ++s) {
        // A number built from another may name that one in full ("Life Path Number" in the
        // bridge that starts from it); its own name stays out.
        QString text = t.SubjectSignificance[s];
        for (int other = 0; other < SubjectCount; ++other) {
            if (other != s)
                text.remove(t.SubjectName[other]);
        }
        for (const QString& part : t.SubjectName[s].split(QLatin1Char('/'))) {
            const QString word = part.trimmed().remove(QStringLiteral(" Number"));
            QVERIFY2(!text.contains(word, Qt::CaseInsensitive),
                     qPrintable(QStringLiteral("significance %1 names \"%2\"").arg(s).arg(word)));
        }
    }
    const QRegularExpression numberWord(
        QStringLiteral("\\b(zero|one|two|three|four|five|six|seven|eight|nine|ten|eleven|"
                       "twelve|twenty|thirty)\\b|\\d"),
        QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i < InterpretationEntryCount; ++i) {
        const QRegularExpressionMatch found = numberWord.match(t.InterpretationText[i]);
        QVERIFY2(!found.hasMatch(),
                 qPrintable(QStringLiteral("entry %1 says \"%2\"").arg(i).arg(found.captured())));
    }
}

void TestContent::loadingAgainChangesNothing()
{
    ContentTables once;
    loadContent(once);
    ContentTables twice = once;
    loadContent(twice);
    QVERIFY(sameTables(once, twice));

    // Whatever the tables held before is overwritten.
    ContentTables scribbled;
    scribbled.SubjectName.fill(QStringLiteral("x"));
    scribbled.InterpretationText.fill(QStringLiteral("x"));
    scribbled.InterpretationValue.fill(99);
    scribbled.FirstInterpretation.fill(7);
    loadContent(scribbled);
    scribbled.SubjectName[15].clear();
    scribbled.FirstInterpretation[15] = 0;
    QVERIFY(sameTables(once, scribbled));
}

void TestContent::entryHeadings_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("subject");
    QTest::addColumn<QString>("heading");
    QTest::newRow("first entry") << 0 << 0 << QStringLiteral("Life Path Number 1");
    QTest::newRow("master 22") << 10 << 0 << QStringLiteral("Life Path Number 22");
    QTest::newRow("next run") << 11 << 1 << QStringLiteral("Destiny / Expression Number 1");
    QTest::newRow("birthday 14") << 57 << 4 << QStringLiteral("Birthday Number 14");
    QTest::newRow("birthday 31") << 74 << 4 << QStringLiteral("Birthday Number 31");
    QTest::newRow("bridge 0") << 75 << 5
                              << QStringLiteral("Life Path / Expression Bridge Number 0");
    QTest::newRow("shared text") << 90 << 6
                                 << QStringLiteral("Heart Desire / Personality Bridge Number 6");
    QTest::newRow("last entry") << 170 << 14 << QStringLiteral("Personal Year Number 9");
    QTest::newRow("below") << -1 << -1 << QString();
    QTest::newRow("beyond") << 171 << -1 << QString();
}

void TestContent::entryHeadings()
{
    QFETCH(int, entry);
    QFETCH(int, subject);
    QFETCH(QString, heading);
    QCOMPARE(subjectOfEntry(loaded(), entry), subject);
    QCOMPARE(entryHeading(loaded(), entry), heading);
}

void TestContent::charts_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<ChartKind>("kind");
    QTest::newRow("full chart") << 1 << 3 << ChartKind::Full;
    QTest::newRow("vowel chart") << 2 << 1 << ChartKind::Vowels;
    QTest::newRow("consonant chart") << 3 << 1 << ChartKind::Consonants;
    QTest::newRow("single-spaced chart") << 7 << 2 << ChartKind::SingleSpaced;
}

// Every letter, starred letter or "--" must start in the character column of a digit of the
// first row, and a letter must stand under its own value in its own row (A..I, J..R, S..Z).
void TestContent::charts()
{
    QFETCH(int, subject);
    QFETCH(int, firstLine);
    QFETCH(ChartKind, kind);
    const QStringList rows = calculationLines(subject).mid(firstLine, 4);
    QCOMPARE(rows.size(), 4);
    const QChar filler = kind == ChartKind::Vowels ? QLatin1Char('-') : QLatin1Char(' ');

    const QList<Token> digits = tokensOf(rows[0], filler);
    QCOMPARE(digits.size(), 9);
    QHash<int, int> valueAtColumn;
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(digits[k].text, QString::number(k + 1));
        valueAtColumn.insert(digits[k].start, k + 1);
    }
    if (kind == ChartKind::Vowels)
        QCOMPARE(rows[0], QStringLiteral("1---2---3---4---5---6---7---8---9"));
    if (kind == ChartKind::Full) {
        QList<int> gaps;
        for (int k = 1; k < 9; ++k)
            gaps << digits[k].start - digits[k - 1].start - 1;
        QVERIFY(std::is_sorted(gaps.begin(), gaps.end()));
        QVERIFY(gaps.first() < gaps.last());
    }

    QString letters;
    QString starred;
    for (int r = 1; r <= 3; ++r) {
        const QString& row = rows[r];
        if (kind == ChartKind::Vowels)
            QVERIFY2(row.size() == rows[0].size(), qPrintable(row));
        QVERIFY2(!row.endsWith(QLatin1Char(' ')), qPrintable(row));
        QSet<int> columnsUsed;
        const QList<Token> tokens = tokensOf(row, filler);
        QStringList texts;
        for (const Token& token : tokens) {
            texts << token.text;
            QVERIFY2(valueAtColumn.contains(token.start), qPrintable(row));
            const int value = valueAtColumn.value(token.start);
            QVERIFY2(!columnsUsed.contains(value), qPrintable(row));
            columnsUsed.insert(value);
            if (token.text == QLatin1String("--")) {
                QCOMPARE(kind, ChartKind::Consonants);
                const int letterIndex = (r - 1) * 9 + value - 1;
                const bool emptyPlace = letterIndex >= 26;
                QVERIFY2(emptyPlace || isPlainVowel(QChar('A' + letterIndex)), qPrintable(row));
                continue;
            }
            QVERIFY2(token.text.size() == 1 ||
                         (token.text.size() == 2 && token.text.at(1) == QLatin1Char('*')),
                     qPrintable(token.text));
            const QChar letter = token.text.at(0);
            QVERIFY2(letter >= QLatin1Char('A') && letter <= QLatin1Char('Z'),
                     qPrintable(token.text));
            QCOMPARE(letterValue(letter), value);
            QCOMPARE((letter.unicode() - 'A') / 9, r - 1);
            letters += letter;
            if (token.text.size() == 2)
                starred += letter;
        }
        if (kind == ChartKind::SingleSpaced)
            QCOMPARE(row, texts.join(QLatin1Char(' ')));
        if (kind == ChartKind::Consonants)
            QCOMPARE(columnsUsed.size(), 9);
    }
    if (kind == ChartKind::SingleSpaced)
        QCOMPARE(rows[0], QStringLiteral("1 2 3 4 5 6 7 8 9"));

    std::sort(letters.begin(), letters.end());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    switch (kind) {
    case ChartKind::Full:
    case ChartKind::SingleSpaced:
        QCOMPARE(letters, alphabet);
        QCOMPARE(starred, QString());
        break;
    case ChartKind::Vowels:
        QCOMPARE(letters, QStringLiteral("AEIOUWY"));
        QCOMPARE(starred, QStringLiteral("WY"));
        break;
    case ChartKind::Consonants:
        QCOMPARE(letters, QStringLiteral("BCDFGHJKLMNPQRSTVWXYZ"));
        QCOMPARE(starred, QStringLiteral("WY"));
        break;
    }
}

void TestContent::vowelRuleExamples_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("vowels");
    QTest::addColumn<bool>("namedInRule");
    // The names the rule line gives as examples, then cases on the other side of the rule.
    QTest::newRow("Lynn") << QStringLiteral("LYNN") << QStringLiteral("Y") << true;
    QTest::newRow("Holly") << QStringLiteral("HOLLY") << QStringLiteral("OY") << true;
    QTest::newRow("Dawn") << QStringLiteral("DAWN") << QStringLiteral("AW") << true;
    QTest::newRow("Lowell") << QStringLiteral("LOWELL") << QStringLiteral("OWE") << true;
    QTest::newRow("Maya") << QStringLiteral("MAYA") << QStringLiteral("AA") << false;
    QTest::newRow("Wendy") << QStringLiteral("WENDY") << QStringLiteral("EY") << false;
    QTest::newRow("Yolanda") << QStringLiteral("YOLANDA") << QStringLiteral("OAA") << false;
}

// The test's vowel rule is the one the Soul's Urge text states, checked on the text's own
// example names.
void TestContent::vowelRuleExamples()
{
    QFETCH(QString, word);
    QFETCH(QString, vowels);
    QFETCH(bool, namedInRule);
    QString found;
    for (int i = 0; i < word.size(); ++i) {
        if (countsAsVowel(word, i))
            found += word.at(i);
    }
    QCOMPARE(found, vowels);

    const QString ruleLine = calculationLines(2).value(5);
    QVERIFY(ruleLine.contains(QLatin1String("Y*")) && ruleLine.contains(QLatin1String("W*")));
    const QString asWritten = word.at(0) + word.mid(1).toLower();
    QCOMPARE(ruleLine.contains(asWritten), namedInRule);
}

// The examples are chosen so that no other common way of working gives a different answer.
// Yet they still show a master number kept, and a master number counted as its digit.
void TestContent::examplesAvoidAmbiguity()
{
    const Person p = examplePerson();
    const QList<QList<int>> results = p.statedResults();
    QCOMPARE(p.nameParts.size(), 2);
    QCOMPARE(p.lifePathByParts(), p.lifePath());
    QCOMPARE(p.pinnaclesKeepingMasters(), p.pinnacles());
    QCOMPARE(p.personalityFromWholeName(), p.personality());
    for (const QString& part : p.nameParts) {
        const int consonants = sumOf(letterValues(part, Letters::Consonants));
        QCOMPARE(reduced(consonants, true), single(consonants));
    }
    QCOMPARE(reduced(p.lifePath() + p.expression(), true), results[8].last());
    QCOMPARE(p.personality(), 11);
    QVERIFY(p.lifePath() != 11 && p.lifePath() != 22);
    QVERIFY(results[9].contains(11));
    // The second bridge is 0 although its two numbers differ.
    QVERIFY(p.personality() != p.soulsUrge());
    QCOMPARE(results[6], QList<int>{0});
    // The example line says that its running total passes 11 and 22 without stopping there.
    QVERIFY(calculationLines(0).value(1).contains(QLatin1String("passes 11 and 22")));
    const QList<int> running = p.runningTotals().mid(0, p.runningTotals().size() - 1);
    QVERIFY(running.contains(11) && running.contains(22));
    // The short case ends on 11 whichever common way is used.
    QCOMPARE(masterNumberCase().lifePath(), 11);
    QCOMPARE(masterNumberCase().lifePathByParts(), 11);
    QVERIFY(p.birth.day > 9); // so that "not reduced" shows
    QVERIFY(QDate(p.birth.year, p.birth.month, p.birth.day).isValid());
    QVERIFY(QDate(p.today.year, p.today.month, p.today.day).isValid());
    // The Personal Year, Month and Day agree with each other as a learner would chain them.
    QCOMPARE(reduced(results[14][0] + p.today.month, false), results[13][0]);
    QCOMPARE(reduced(results[13][0] + p.today.day, false), results[12][0]);
}

// What the texts say of the other common ways of working: the Life Path and the Pinnacles
// end on the same single digit either way and can differ only on a master number, on
// roughly one date in nine for the Life Path; the same holds for the Personality worked from
// the whole name.
void TestContent::otherMethodClaimsHold()
{
    int dates = 0;
    int lifePathsDiffer = 0;
    int pinnaclesDiffer = 0;
    QStringList wrongDigit;
    for (QDate d(1900, 1, 1); d.year() < 2100; d = d.addDays(1)) {
        const Person p{{}, {d.day(), d.month(), d.year()}, {}};
        ++dates;
        if (p.lifePathByParts() != p.lifePath())
            ++lifePathsDiffer;
        if (p.pinnaclesKeepingMasters() != p.pinnacles())
            ++pinnaclesDiffer;
        if (single(p.lifePathByParts()) != single(p.lifePath()))
            wrongDigit << d.toString(Qt::ISODate);
        for (int k = 0; k < 4; ++k) {
            if (single(p.pinnaclesKeepingMasters()[k]) != single(p.pinnacles()[k]))
                wrongDigit << d.toString(Qt::ISODate);
        }
    }
    QVERIFY2(wrongDigit.isEmpty(), qPrintable(wrongDigit.mid(0, 5).join(QLatin1Char(' '))));
    QVERIFY2(lifePathsDiffer * 8 < dates && lifePathsDiffer * 10 > dates,
             qPrintable(QStringLiteral("%1 of %2").arg(lifePathsDiffer).arg(dates)));
    QVERIFY(pinnaclesDiffer > 0); // so "can change whether a Pinnacle is a master number"

    const QStringList words = {
        QStringLiteral("KATHRYN"), QStringLiteral("OAKLEY"), QStringLiteral("LYNN"),
        QStringLiteral("HOLLY"),   QStringLiteral("DAWN"),   QStringLiteral("LOWELL"),
        QStringLiteral("MAYA"),    QStringLiteral("WENDY"),  QStringLiteral("YOLANDA")};
    for (const QString& first : words) {
        for (const QString& last : words) {
            const Person p{{first, last}, {}, {}};
            QCOMPARE(single(p.personalityFromWholeName()), single(p.personality()));
        }
    }
}

void TestContent::statedResultsMatchRecomputation()
{
    const QList<QList<int>> expected = examplePerson().statedResults();
    QList<QList<int>> stated(SubjectCount);
    int previousSubject = 0;
    for (int k = 0; k < examples::StatedResultCount; ++k) {
        const examples::StatedResult& r = examples::StatedResults[k];
        QVERIFY(r.subject >= previousSubject && r.subject < SubjectCount);
        previousSubject = r.subject;
        stated[r.subject] << r.value;
        const QString line = calculationLines(r.subject).value(r.line);
        QVERIFY2(
            lastNumberOf(line) == QString::number(r.value),
            qPrintable(
                QStringLiteral("subject %1 line %2: %3").arg(r.subject).arg(r.line).arg(line)));
    }
    for (int s = 0; s < SubjectCount; ++s)
        QVERIFY2(stated[s] == expected[s], qPrintable(loaded().SubjectName[s]));
}

void TestContent::workedExampleLines_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("fragments");

    const Person p = examplePerson();
    const QString name = p.nameParts.join(QLatin1Char(' '));
    const QString born = spelledDate(p.birth);
    const QString birthSum = sumLine(p.birthDateDigits());
    const auto num = [](int n) { return QString::number(n); };

    const Person master = masterNumberCase();
    QTest::newRow("life path master case")
        << 0 << 0
        << (QStringList{spelledDate(master.birth), sumLine(master.birthDateDigits())} +
            reductionSteps(master.lifePathSum(), true) +
            QStringList{QString::number(master.lifePath())});
    QTest::newRow("life path digits") << 0 << 1 << QStringList{born, birthSum};
    QTest::newRow("life path result") << 0 << 2 << reductionSteps(p.lifePathSum(), true);

    QTest::newRow("expression") << 1 << 1
                                << (QStringList{name,
                                                sumLine(letterValues(p.nameParts, Letters::All))} +
                                    reductionSteps(p.expressionSum(), true));

    QTest::newRow("soul's urge") << 2 << 6
                                 << (QStringList{name, sumLine(letterValues(p.nameParts,
                                                                            Letters::Vowels))} +
                                     reductionSteps(p.soulsUrgeSum(), true));

    QStringList personality;
    for (const QString& part : p.nameParts) {
        const QList<int> values = letterValues(part, Letters::Consonants);
        personality << part + QLatin1String(": ") + sumLine(values)
                    << reductionSteps(sumOf(values), true);
    }
    personality << sumLine(p.personalityParts());
    QTest::newRow("personality name") << 3 << 5 << QStringList{name};
    QTest::newRow("personality result") << 3 << 6 << personality;

    QTest::newRow("birthday") << 4 << 0
                              << QStringList{QLocale::c().monthName(p.birth.month) +
                                             QLatin1Char(' ') + num(p.birth.day)};

    const int singleLifePath = reduced(p.lifePath(), false);
    const int singleExpression = reduced(p.expression(), false);
    QTest::newRow("first bridge inputs")
        << 5 << 1
        << QStringList{born, QLatin1String("Life Path ") + num(p.lifePath()),
                       QLatin1String("Expression ") + num(p.expression())};
    QTest::newRow("first bridge result")
        << 5 << 2 << QStringList{differenceLine(singleLifePath, singleExpression)};

    QTest::newRow("second bridge inputs")
        << 6 << 1
        << (QStringList{QLatin1String("Personality ") + num(p.personality())} +
            reductionSteps(p.personality(), false) +
            QStringList{QLatin1String("Soul's Urge ") + num(p.soulsUrge())});
    QTest::newRow("second bridge result")
        << 6 << 2
        << QStringList{
               differenceLine(reduced(p.personality(), false), reduced(p.soulsUrge(), false))};

    QTest::newRow("balance name") << 7 << 0 << QStringList{name};
    QTest::newRow("balance initials")
        << 7 << 6
        << QStringList{p.nameParts[0].left(1) + QLatin1String(" and ") + p.nameParts[1].left(1)};
    for (int k = 0; k < 2; ++k)
        QTest::addRow("balance initial %d", k)
            << 7 << 7 + k
            << QStringList{p.nameParts[k].left(1) + QLatin1String(" = ") + num(p.initials()[k])};
    QTest::newRow("balance sum") << 7 << 9 << QStringList{sumLine(p.initials())};
    QTest::newRow("balance result") << 7 << 10 << reductionSteps(sumOf(p.initials()), false);

    QTest::newRow("maturity date") << 8 << 2 << QStringList{born};
    QTest::newRow("maturity life path")
        << 8 << 3 << (QStringList{birthSum} + reductionSteps(p.lifePathSum(), true));
    QTest::newRow("maturity destiny")
        << 8 << 4
        << (QStringList{name, num(p.expressionSum())} + reductionSteps(p.expressionSum(), true));
    const int maturitySum = single(p.lifePath()) + single(p.expression());
    QTest::newRow("maturity result")
        << 8 << 5
        << (QStringList{sumLine({single(p.lifePath()), single(p.expression())})} +
            reductionSteps(maturitySum, true));

    const QStringList reducedDate = QStringList{born} +
                                    labelledSteps(QStringLiteral("month "), p.birth.month, false) +
                                    labelledSteps(QStringLiteral("day "), p.birth.day, false) +
                                    labelledSteps(QStringLiteral("year "), p.birth.year, false);
    const QList<int> sums = p.pinnacleSums();
    QTest::newRow("pinnacle method") << 9 << 0 << reducedDate;
    QTest::newRow("first pinnacle")
        << 9 << 1 << (QStringList{sumLine({p.month(), p.day()})} + reductionSteps(sums[0], true));
    QTest::newRow("second pinnacle")
        << 9 << 2 << (QStringList{sumLine({p.day(), p.year()})} + reductionSteps(sums[1], true));
    // The Third Pinnacle's result continues on a line of its own.
    QTest::newRow("third pinnacle")
        << 9 << 3 << QStringList{sumLine({single(sums[0]), single(sums[1])})};
    QTest::newRow("third pinnacle result") << 9 << 4 << reductionSteps(sums[2], true);
    QTest::newRow("fourth pinnacle")
        << 9 << 5 << (QStringList{sumLine({p.month(), p.year()})} + reductionSteps(sums[3], true));

    const QList<int> challenges = p.challenges();
    QTest::newRow("challenge date") << 10 << 0 << reducedDate;
    QTest::newRow("first challenge") << 10 << 1 << QStringList{differenceLine(p.month(), p.day())};
    QTest::newRow("second challenge") << 10 << 2 << QStringList{differenceLine(p.day(), p.year())};
    QTest::newRow("third challenge")
        << 10 << 3 << QStringList{differenceLine(challenges[0], challenges[1])};
    QTest::newRow("fourth challenge")
        << 10 << 4 << QStringList{differenceLine(p.month(), p.year())};

    QTest::newRow("period date") << 11 << 4 << QStringList{born};
    QTest::newRow("first period") << 11 << 5
                                  << (QStringList{QLatin1String("month ") + num(p.birth.month)} +
                                      reductionSteps(p.birth.month, true));
    QTest::newRow("second period") << 11 << 6
                                   << (QStringList{QLatin1String("day ") + num(p.birth.day)} +
                                       reductionSteps(p.birth.day, true));
    QTest::newRow("third period") << 11 << 7
                                  << (QStringList{QLatin1String("year ") + num(p.birth.year)} +
                                      reductionSteps(p.birth.year, true));

    const int data[5] = {p.birth.day, p.birth.month, p.today.day, p.today.month, p.today.year};
    for (int k = 0; k < 5; ++k)
        QTest::addRow("personal day data %d", k) << 12 << 1 + k << QStringList{num(data[k])};
    QTest::newRow("personal day sum") << 12 << 6 << QStringList{sumLine(p.personalDayDigits())};
    QTest::newRow("personal day reduction")
        << 12 << 7 << reductionSteps(sumOf(p.personalDayDigits()), false);

    QTest::newRow("personal month sum") << 13 << 1 << QStringList{sumLine(p.personalMonthDigits())};
    QTest::newRow("personal month result")
        << 13 << 2 << reductionSteps(sumOf(p.personalMonthDigits()), false);

    QTest::newRow("personal year sum")
        << 14 << 1 << QStringList{num(p.today.year), sumLine(p.personalYearDigits())};
    QTest::newRow("personal year result")
        << 14 << 2 << reductionSteps(sumOf(p.personalYearDigits()), false);
}

// Each fragment the recomputation expects must appear on the line, in this order.
void TestContent::workedExampleLines()
{
    QFETCH(int, subject);
    QFETCH(int, line);
    QFETCH(QStringList, fragments);
    const QString text = calculationLines(subject).value(line);
    int from = 0;
    for (const QString& fragment : fragments) {
        const int at = text.indexOf(fragment, from);
        QVERIFY2(at >= 0,
                 qPrintable(QStringLiteral("\"%1\" not found in: %2").arg(fragment, text)));
        from = at + fragment.size();
    }
}

// Whatever the wording, every "a + b - c = d" written anywhere in the calculation texts holds.
void TestContent::everySumInTheTextsIsRight()
{
    static const QRegularExpression equation(
        QStringLiteral("(\\d+(?:\\s*[-+]\\s*\\d+)+)\\s*=\\s*(\\d+)"));
    static const QRegularExpression term(QStringLiteral("([-+]?)\\s*(\\d+)"));
    int checked = 0;
    for (int s = 0; s < SubjectCount; ++s) {
        for (const auto& match : equation.globalMatch(loaded().SubjectCalculation[s])) {
            int total = 0;
            for (const auto& t : term.globalMatch(match.captured(1))) {
                const int n = t.captured(2).toInt();
                total += t.captured(1) == QLatin1String("-") ? -n : n;
            }
            QVERIFY2(total == match.captured(2).toInt(), qPrintable(match.captured()));
            ++checked;
        }
    }
    QVERIFY(checked >= 40);
}

// The rules that the calculation texts teach are stated where they apply: which totals count,
// where 11 and 22 are kept, where a number goes in as its single digit, which number is worked
// part by part, and what the other common ways do.
void TestContent::conventionsStated_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrase");
    const ContentTables& t = loaded();
    const auto calc = [](int s, int line) { return calculationLines(s).value(line); };
    const QString asSingleDigit = QStringLiteral("11 counts as 2 and 22 as 4");
    const QString reducedToo = QStringLiteral("11 and 22 are reduced too");
    const QString keptAsMasters = QStringLiteral("keeping 11 and 22 as master numbers");

    QTest::newRow("life path adds every digit")
        << calc(0, 0) << QStringLiteral("Add together every digit of your full date of birth");
    QTest::newRow("which totals count")
        << calc(0, 0) << QStringLiteral("never a running total partway");
    QTest::newRow("life path other way")
        << calc(0, 0)
        << QStringLiteral("The other common method reduces the month, the day and the year");
    QTest::newRow("the one rule for ingredients")
        << calc(5, 0)
        << QStringLiteral("wherever one number goes into another: it goes in as its single digit");
    QTest::newRow("expression whole name")
        << calc(1, 0) << QStringLiteral("whole name together at once");
    QTest::newRow("expression keeps masters") << calc(1, 0) << keptAsMasters;
    QTest::newRow("expression is destiny")
        << calc(1, 0) << QStringLiteral("some teachers call it the Destiny Number");
    QTest::newRow("soul's urge whole name")
        << calc(2, 0) << QStringLiteral("whole name together at once");
    QTest::newRow("soul's urge keeps masters") << calc(2, 0) << keptAsMasters;
    QTest::newRow("soul's urge is heart's desire")
        << calc(2, 0)
        << QStringLiteral("The Soul's Urge Number is also called the Heart's Desire Number");
    QTest::newRow("W rule other way")
        << calc(2, 5) << QStringLiteral("Many never count W as a vowel");
    QTest::newRow("personality part by part")
        << calc(3, 0) << QStringLiteral("worked one part of the name at a time");
    QTest::newRow("personality parts as digits") << calc(3, 0) << asSingleDigit;
    QTest::newRow("personality keeps masters") << calc(3, 0) << keptAsMasters;
    QTest::newRow("personality other way")
        << calc(3, 0) << QStringLiteral("Many teachers add all the consonants at once");
    QTest::newRow("personality other way, same digit")
        << calc(3, 0) << QStringLiteral("That reaches the same single digit");
    QTest::newRow("first bridge") << calc(5, 0) << asSingleDigit;
    QTest::newRow("first bridge 0 from unequal numbers")
        << calc(5, 0) << QStringLiteral("a Life Path 11 and an Expression 2 give 0 as well");
    QTest::newRow("second bridge") << calc(6, 0) << asSingleDigit;
    QTest::newRow("balance") << calc(7, 0) << reducedToo;
    QTest::newRow("maturity inputs") << calc(8, 0) << asSingleDigit;
    QTest::newRow("maturity keeps masters") << calc(8, 0) << keptAsMasters;
    QTest::newRow("pinnacle inputs") << calc(9, 0) << asSingleDigit;
    QTest::newRow("pinnacle keeps masters")
        << calc(9, 0) << QStringLiteral("adds up to 11 is kept as a master number");
    QTest::newRow("pinnacle other way")
        << calc(9, 0) << QStringLiteral("keeps 11 and 22 in the month, day and year");
    QTest::newRow("challenge inputs") << calc(10, 0) << asSingleDigit;
    QTest::newRow("period keeps masters") << calc(11, 3) << keptAsMasters;
    QTest::newRow("period why") << calc(11, 3) << QStringLiteral("November stays 11");
    QTest::newRow("first period ages") << calc(11, 0) << QStringLiteral("to your 28th birthday");
    QTest::newRow("second period ages")
        << calc(11, 1) << QStringLiteral("from your 28th birthday to your 56th");
    QTest::newRow("third period ages") << calc(11, 2) << QStringLiteral("from your 56th birthday");
    QTest::newRow("personal day") << calc(12, 0) << reducedToo;
    QTest::newRow("personal month") << calc(13, 0) << reducedToo;
    QTest::newRow("personal year") << calc(14, 0) << reducedToo;

    const QString lifePathNumber = QStringLiteral("Life Path Number");
    QTest::newRow("maturity significance") << t.SubjectSignificance[8] << lifePathNumber;
    QTest::newRow("pinnacle significance")
        << t.SubjectSignificance[9]
        << QStringLiteral("36 less the single digit of your Life Path Number");
    QTest::newRow("maturity timing")
        << t.SubjectSignificance[8] << QStringLiteral("from around the age of forty");
    QTest::newRow("period ages significance")
        << t.SubjectSignificance[11] << QStringLiteral("up to the 28th birthday");
}

void TestContent::conventionsStated()
{
    QFETCH(QString, text);
    QFETCH(QString, phrase);
    QVERIFY2(text.contains(phrase),
             qPrintable(QStringLiteral("\"%1\" not in: %2").arg(phrase, text)));
}

// Wording that once gave a paragraph's value away, promised too much or said the wrong thing.
void TestContent::retiredWording_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("pattern");
    QStringList everything;
    for (const auto& labelled : allTexts())
        everything << labelled.second;

    QTest::newRow("master builder") << everything << QStringLiteral("master builder");
    QTest::newRow("number of your birth date")
        << everything << QStringLiteral("number of (your|the) birth ?date");
    QTest::newRow("birthday 10") << entryTexts(4, {10}) << QStringLiteral("extra weight");
    QTest::newRow("challenge 0") << entryTexts(10, {0}) << QStringLiteral("or rather");
    QTest::newRow("periods") << entryTexts(11) << QStringLiteral("fills a cycle");
    QTest::newRow("personal days") << entryTexts(12) << QStringLiteral("tomorrow|next day");
    QTest::newRow("personal months")
        << entryTexts(13) << QStringLiteral("(next|following|coming) month");
    QTest::newRow("personal years")
        << entryTexts(14)
        << QStringLiteral("\\bcycle|\\b(last|next|previous|following|coming) year|"
                          "\\byears? (before|after)\\b|\\bmiddle\\b");
    QTest::newRow("maturity timing")
        << (entryTexts(8) + QStringList{loaded().SubjectSignificance[8]})
        << QStringLiteral("thirties|forties|fifties|middle (age|years)|second half|"
                          "later (years|life|decades|part)");
    QTest::newRow("bridges 0") << (entryTexts(5, {0}) + entryTexts(6, {0}))
                               << QStringLiteral("\\bmatch|\\bequal");
}

void TestContent::retiredWording()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, pattern);
    const QRegularExpression retired(pattern, QRegularExpression::CaseInsensitiveOption);
    QVERIFY(retired.isValid());
    QVERIFY(!texts.isEmpty());
    for (const QString& text : texts) {
        const QRegularExpressionMatch found = retired.match(text);
        QVERIFY2(!found.hasMatch(),
                 qPrintable(QStringLiteral("\"%1\" in: %2").arg(found.captured(), text)));
    }
}

// British spelling throughout; the subject names keep their fixed form ("Realization").
void TestContent::britishSpellings_data()
{
    QTest::addColumn<QString>("american");
    for (const auto& [label, pattern] : testing::americanSpellings())
        QTest::newRow(qPrintable(label)) << pattern;
}

void TestContent::britishSpellings()
{
    QFETCH(QString, american);
    const QRegularExpression form(american, QRegularExpression::CaseInsensitiveOption);
    QVERIFY(form.isValid());
    for (const auto& labelled : allTexts()) {
        const QRegularExpressionMatch found =
            form.match(testing::withoutFixedNames(labelled.second));
        QVERIFY2(!found.hasMatch(),
                 qPrintable(QStringLiteral("%1: \"%2\"").arg(labelled.first, found.captured())));
    }
}

// Subject names are written one way: "Life Path Number", "Personal Year", "this Pinnacle",
// never "life path", "Expression numbers" or "this pinnacle".
void TestContent::subjectNamesCapitalised()
{
    const QRegularExpression anyCase(
        QStringLiteral("\\b(life path|soul's urge|heart's desire|personal (day|month|year))\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression lowerNumber(
        QStringLiteral("\\b(Life Path|Expression|Destiny|Soul's Urge|Heart's Desire|Personality|"
                       "Birthday|Bridge|Balance|Maturity|Pinnacle|Challenge|Period|Personal Day|"
                       "Personal Month|Personal Year) numbers?\\b|"
                       "\\b[Tt]his (pinnacle|challenge|bridge)\\b"));
    const QStringList capitalised = {
        QStringLiteral("Life Path"),      QStringLiteral("Soul's Urge"),
        QStringLiteral("Heart's Desire"), QStringLiteral("Personal Day"),
        QStringLiteral("Personal Month"), QStringLiteral("Personal Year")};
    int named = 0;
    for (const auto& labelled : allTexts()) {
        for (const auto& match : anyCase.globalMatch(labelled.second)) {
            QVERIFY2(
                capitalised.contains(match.captured()),
                qPrintable(QStringLiteral("%1: \"%2\"").arg(labelled.first, match.captured())));
            ++named;
        }
        const QRegularExpressionMatch lower = lowerNumber.match(labelled.second);
        QVERIFY2(!lower.hasMatch(),
                 qPrintable(QStringLiteral("%1: \"%2\"").arg(labelled.first, lower.captured())));
    }
    QVERIFY(named > 10); // the pattern does find the names
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
