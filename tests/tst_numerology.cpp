#include "content/modLearnNumerology.h"
#include "content/workedexamples.h"
#include "numerology/numerology.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <random>

using namespace corvella;
using namespace corvella::numerology;

namespace {

const ContentTables& content()
{
    static const ContentTables tables = [] {
        ContentTables t;
        loadContent(t);
        return t;
    }();
    return tables;
}

Chart chartOf(const QString& name, const QString& birth, const QString& lookAt)
{
    const NameReading reading = readName(name);
    if (!reading.problem.isEmpty())
        return Chart{reading.problem, {}};
    return calculateChart(reading.parts, readDate(birth), readDate(lookAt));
}

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QDate dateOf(const examples::CalendarDate& d)
{
    return QDate(d.year, d.month, d.day);
}

// "a + b - c = d" as written anywhere in a text.
QStringList equationsIn(const QString& text)
{
    static const QRegularExpression equation(
        QStringLiteral("\\d+(?:\\s*[-+]\\s*\\d+)+\\s*=\\s*\\d+"));
    QStringList found;
    for (const auto& match : equation.globalMatch(text))
        found << match.captured();
    return found;
}

// The values the catalogue interprets for each subject.
QSet<int> interpretedValues(int subject)
{
    QSet<int> values;
    const ContentTables& t = content();
    for (int i = t.FirstInterpretation[subject]; i <= t.LastInterpretation[subject]; ++i)
        values.insert(t.InterpretationValue[i]);
    return values;
}

} // namespace

class TestNumerology : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void letterValuesFollowTheChart();
    void reduction_data();
    void reduction();
    void vowelRule_data();
    void vowelRule();
    void workedExampleGivesTheStatedResults();
    void workedExampleWorkingIsTheLessonsWorking();
    void publicCharts_data();
    void publicCharts();
    void edgeCharts_data();
    void edgeCharts();
    void otherMethodLine_data();
    void otherMethodLine();
    void names_data();
    void names();
    void nameWithoutVowelOrConsonantIsRefused_data();
    void nameWithoutVowelOrConsonantIsRefused();
    void dates_data();
    void dates();
    void everyValueHasAnInterpretation();
};

void TestNumerology::letterValuesFollowTheChart()
{
    const QString rows[3] = {QStringLiteral("ABCDEFGHI"), QStringLiteral("JKLMNOPQR"),
                             QStringLiteral("STUVWXYZ")};
    for (const QString& row : rows) {
        for (int k = 0; k < row.size(); ++k) {
            QCOMPARE(letterValue(row.at(k)), k + 1);
            QCOMPARE(letterValue(row.at(k).toLower()), k + 1);
        }
    }
    QCOMPARE(letterValue(QLatin1Char('-')), 0);
    QCOMPARE(letterValue(QChar(0xe9)), 0); // accents are resolved when the name is read
}

void TestNumerology::reduction_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("keeping");
    QTest::addColumn<int>("fully");
    QTest::newRow("single digit") << 7 << 7 << 7;
    QTest::newRow("ten") << 10 << 1 << 1;
    QTest::newRow("eleven") << 11 << 11 << 2;
    QTest::newRow("twenty-two") << 22 << 22 << 4;
    QTest::newRow("reaches 11 on the way") << 38 << 11 << 2;
    QTest::newRow("reaches 22 on the way") << 1993 << 22 << 4;
    QTest::newRow("passes 10") << 19 << 1 << 1;
    QTest::newRow("33 is no master here") << 33 << 6 << 6;
    QTest::newRow("large") << 99999 << 9 << 9;
}

void TestNumerology::reduction()
{
    QFETCH(int, n);
    QFETCH(int, keeping);
    QFETCH(int, fully);
    QCOMPARE(reduce(n, true), keeping);
    QCOMPARE(reduce(n, false), fully);
}

void TestNumerology::vowelRule_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("vowels");
    QTest::newRow("Lynn, Y as the only vowel") << "LYNN"
                                               << "Y";
    QTest::newRow("Holly, Y at the end") << "HOLLY"
                                         << "OY";
    QTest::newRow("Maya, Y between vowels") << "MAYA"
                                            << "AA";
    QTest::newRow("Yolanda, Y before a vowel") << "YOLANDA"
                                               << "OAA";
    QTest::newRow("Dawn, W after a vowel") << "DAWN"
                                           << "AW";
    QTest::newRow("Wendy, W first") << "WENDY"
                                    << "EY";
    QTest::newRow("Edward, W after a consonant") << "EDWARD"
                                                 << "EA";
}

void TestNumerology::vowelRule()
{
    QFETCH(QString, word);
    QFETCH(QString, vowels);
    QString found;
    for (int i = 0; i < word.size(); ++i) {
        if (isVowelAt(word, i))
            found += word.at(i);
    }
    QCOMPARE(found, vowels);
}

// The lessons' invented person, read from the data the calculation texts are written from: a
// change of person or of a stated result reaches this test without touching it.
void TestNumerology::workedExampleGivesTheStatedResults()
{
    const NameReading reading = readName(QString::fromLatin1(examples::FullBirthName));
    QVERIFY(reading.problem.isEmpty());
    const Chart chart =
        calculateChart(reading.parts, dateOf(examples::BirthDate), dateOf(examples::CurrentDate));
    QVERIFY2(chart.problem.isEmpty(), qPrintable(chart.problem));
    QCOMPARE(chart.numbers.size(), int(NumberCount));

    QList<QList<int>> stated(NumberCount);
    for (int k = 0; k < examples::StatedResultCount; ++k)
        stated[examples::StatedResults[k].subject] << examples::StatedResults[k].value;
    for (int s = 0; s < NumberCount; ++s) {
        QList<int> expected = chart.numbers[s].values;
        // The Maturity text states the Life Path and the Destiny it starts from as well.
        if (s == Maturity)
            expected = {chart.numbers[LifePath].values[0], chart.numbers[Expression].values[0],
                        chart.numbers[Maturity].values[0]};
        QVERIFY2(stated[s] == expected, qPrintable(content().SubjectName[s]));
    }
}

// Every sum and difference of the chart's working for the lessons' person is written in the
// calculation text of the same number: a lesson and the chart work it out alike.
void TestNumerology::workedExampleWorkingIsTheLessonsWorking()
{
    const NameReading reading = readName(QString::fromLatin1(examples::FullBirthName));
    const Chart chart =
        calculateChart(reading.parts, dateOf(examples::BirthDate), dateOf(examples::CurrentDate));
    int checked = 0;
    for (const Number& number : chart.numbers) {
        const QString text = content().SubjectCalculation[number.subject];
        for (const QString& line : number.working) {
            for (const QString& equation : equationsIn(line)) {
                QVERIFY2(text.contains(equation),
                         qPrintable(QStringLiteral("%1: \"%2\" is not in the lesson")
                                        .arg(content().SubjectName[number.subject], equation)));
                ++checked;
            }
        }
    }
    QVERIFY(checked >= 35);
}

void TestNumerology::publicCharts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("lookAt");
    QTest::addColumn<int>("subject");
    QTest::addColumn<QList<int>>("values");

    // Figures from public teaching pages, recomputed here with our rules. Where a page works
    // by another method, the figure is compared with the value our chart names for it.
    //
    // woobiz.net/numerology-calculator: John Smith (Expression 8, Soul Urge 6,
    // Personality 11) and a birth date of July 15, 1987 (all digits: 38, 3 + 8 = 11).
    const QString smith = QStringLiteral("John Smith");
    QTest::newRow("woobiz Life Path") << smith << "1987-07-15"
                                      << "2025-01-01" << int(LifePath) << QList<int>{11};
    QTest::newRow("woobiz Expression") << smith << "1987-07-15"
                                       << "2025-01-01" << int(Expression) << QList<int>{8};
    QTest::newRow("woobiz Soul Urge") << smith << "1987-07-15"
                                      << "2025-01-01" << int(SoulsUrge) << QList<int>{6};
    QTest::newRow("woobiz Personality") << smith << "1987-07-15"
                                        << "2025-01-01" << int(Personality) << QList<int>{11};

    // vedrathod2003.blogspot.com, "Numerology Made Easy": John Doe (Destiny 8, Soul Urge 8,
    // by A = 1 .. Z = 26, which reduces as our chart does) and 15 August 1995, whose Life Path
    // the page finds as 2 by reducing day, month and year first (see otherMethodLine).
    const QString doe = QStringLiteral("John Doe");
    QTest::newRow("blog Destiny") << doe << "1995-08-15"
                                  << "2025-01-01" << int(Expression) << QList<int>{8};
    QTest::newRow("blog Soul Urge") << doe << "1995-08-15"
                                    << "2025-01-01" << int(SoulsUrge) << QList<int>{8};

    // htfbw.com, numerology how-to: William Robert Johnson (7 + 6 + 5 = 18, 1 + 8 = 9), and
    // July 7, 1977 (38, then 3 + 8 = 11; the page goes on to 2, ours keeps the master 11).
    const QString johnson = QStringLiteral("William Robert Johnson");
    QTest::newRow("how-to Expression") << johnson << "1977-07-07"
                                       << "2025-01-01" << int(Expression) << QList<int>{9};
    QTest::newRow("how-to Life Path") << johnson << "1977-07-07"
                                      << "2025-01-01" << int(LifePath) << QList<int>{11};

    // tarotkingdom.bigforumpro.com, "Crash Course in Numerology": born January 20 (the year
    // plays no part), Personal Year 4 in 2008, Personal Month 3 in August 2008, Personal Day
    // on August 8, 2008 given as 11, which our chart, reducing personal cycles to one digit,
    // shows as 2.
    const QString anyone = QStringLiteral("Ann Lee");
    QTest::newRow("crash course Personal Year")
        << anyone << "1970-01-20"
        << "2008-08-08" << int(PersonalYear) << QList<int>{4};
    QTest::newRow("crash course Personal Month")
        << anyone << "1970-01-20"
        << "2008-08-08" << int(PersonalMonth) << QList<int>{3};
    QTest::newRow("crash course Personal Day") << anyone << "1970-01-20"
                                               << "2008-08-08" << int(PersonalDay) << QList<int>{2};

    // astrology-numerology.com, "The Personal Year": born February 8, Personal Year 9 in 2015.
    QTest::newRow("cycles page Personal Year")
        << anyone << "1960-02-08"
        << "2015-06-01" << int(PersonalYear) << QList<int>{9};
}

void TestNumerology::publicCharts()
{
    QFETCH(QString, name);
    QFETCH(QString, birth);
    QFETCH(QString, lookAt);
    QFETCH(int, subject);
    QFETCH(QList<int>, values);
    const Chart chart = chartOf(name, birth, lookAt);
    QVERIFY2(chart.problem.isEmpty(), qPrintable(chart.problem));
    QCOMPARE(chart.numbers[subject].values, values);
}

void TestNumerology::edgeCharts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<int>("subject");
    QTest::addColumn<QList<int>>("values");

    const QString someone = QStringLiteral("Ann Lee");
    // Lynn: no A, E, I, O or U; the Y is the vowel (7), L, N, N the consonants (13).
    QTest::newRow("Lynn Soul's Urge") << "Lynn"
                                      << "2000-01-01" << int(SoulsUrge) << QList<int>{7};
    QTest::newRow("Lynn Personality") << "Lynn"
                                      << "2000-01-01" << int(Personality) << QList<int>{4};
    QTest::newRow("Lynn Expression") << "Lynn"
                                     << "2000-01-01" << int(Expression) << QList<int>{2};
    QTest::newRow("single part Balance") << "Lynn"
                                         << "2000-01-01" << int(Balance) << QList<int>{3};
    // Maya: the Y between two vowels is a consonant, M + Y = 11 kept.
    QTest::newRow("Y as consonant") << "Maya"
                                    << "2000-01-01" << int(Personality) << QList<int>{11};
    QTest::newRow("W as vowel") << "Dawn"
                                << "2000-01-01" << int(SoulsUrge) << QList<int>{6};
    QTest::newRow("W as consonant") << "Wendy"
                                    << "2000-01-01" << int(Personality) << QList<int>{5};
    // One part MARYJANE, one part OBRIEN: consonants 19 -> 1 and 16 -> 7, together 8.
    QTest::newRow("hyphen and apostrophe Personality")
        << "Mary-Jane O'Brien"
        << "2000-01-01" << int(Personality) << QList<int>{8};
    QTest::newRow("hyphen and apostrophe Balance") << "Mary-Jane O'Brien"
                                                   << "2000-01-01" << int(Balance) << QList<int>{1};
    QTest::newRow("hyphen and apostrophe Soul's Urge")
        << "Mary-Jane O'Brien"
        << "2000-01-01" << int(SoulsUrge) << QList<int>{7};
    QTest::newRow("accents Expression")
        << QString::fromUtf8("Zoë Núñez") << "2000-01-01" << int(Expression) << QList<int>{9};
    // Born on November 29, 1990: periods 11, 11 and 1990 -> 19 -> 10 -> 1.
    QTest::newRow("November 29 periods")
        << someone << "1990-11-29" << int(LifePathPeriod) << QList<int>{11, 11, 1};
    QTest::newRow("November 29 Birthday")
        << someone << "1990-11-29" << int(Birthday) << QList<int>{29};
    QTest::newRow("November 29 Pinnacles")
        << someone << "1990-11-29" << int(Pinnacle) << QList<int>{4, 3, 7, 3};
    QTest::newRow("November 29 Challenges")
        << someone << "1990-11-29" << int(Challenge) << QList<int>{0, 1, 1, 1};
    QTest::newRow("the 11th") << someone << "1985-03-11" << int(LifePathPeriod)
                              << QList<int>{3, 11, 5};
    QTest::newRow("the 22nd Birthday")
        << someone << "1985-03-22" << int(Birthday) << QList<int>{22};
    QTest::newRow("the 22nd periods")
        << someone << "1985-03-22" << int(LifePathPeriod) << QList<int>{3, 22, 5};
    QTest::newRow("the 22nd challenges")
        << someone << "1985-03-22" << int(Challenge) << QList<int>{1, 1, 0, 2};
    QTest::newRow("year reaching 11")
        << someone << "2009-05-05" << int(LifePathPeriod) << QList<int>{5, 5, 11};
    QTest::newRow("year reaching 22")
        << someone << "1993-05-05" << int(LifePathPeriod) << QList<int>{5, 5, 22};
    // 1 + 9 + 9 + 3 + 5 + 5 = 32: the taught Life Path; 5 + 5 + 22 = 32 by parts as well.
    QTest::newRow("year reaching 22 Life Path")
        << someone << "1993-05-05" << int(LifePath) << QList<int>{5};
    // Master pinnacles: month 2, day 9, year 1958 -> 23 -> 5: 11, 14 -> 5, 16 -> 7, 7.
    QTest::newRow("pinnacle of 11")
        << someone << "1958-02-09" << int(Pinnacle) << QList<int>{11, 5, 7, 7};
    // ROB's consonants make 9 + 2 = 11, which goes into the sum as 2: 2 + (4 + 5) = 11, kept.
    QTest::newRow("name part of 11 counts as 2")
        << QStringLiteral("Rob Dan") << "1980-10-24" << int(Personality) << QList<int>{11};
    // Month 2, day 9, year 2000 -> 2: 11 and 11, which go into the third as 2 + 2 = 4.
    QTest::newRow("third pinnacle from two masters")
        << someone << "2000-02-09" << int(Pinnacle) << QList<int>{11, 11, 4, 4};
    QTest::newRow("29 February") << someone << "2000-02-29" << int(Birthday) << QList<int>{29};
    QTest::newRow("29 February Life Path")
        << someone << "2000-02-29" << int(LifePath) << QList<int>{6};
    QTest::newRow("year one") << someone << "0001-01-01" << int(LifePath) << QList<int>{3};
    QTest::newRow("year 9999") << someone << "9999-12-31" << int(LifePath) << QList<int>{7};
}

void TestNumerology::edgeCharts()
{
    QFETCH(QString, name);
    QFETCH(QString, birth);
    QFETCH(int, subject);
    QFETCH(QList<int>, values);
    const Chart chart = chartOf(name, birth, QStringLiteral("2026-12-07"));
    QVERIFY2(chart.problem.isEmpty(), qPrintable(chart.problem));
    QCOMPARE(chart.numbers[subject].values, values);
}

void TestNumerology::otherMethodLine_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<int>("subject");
    QTest::addColumn<QString>("otherValue"); // empty: the methods agree and no line is shown

    // 15 August 1995: every digit 38 -> 11; by parts 6 + 8 + 6 = 20 -> 2 (the blog's figure).
    QTest::newRow("Life Path, methods disagree") << "1995-08-15" << int(LifePath) << "2";
    QTest::newRow("Life Path, methods agree") << "1980-10-24" << int(LifePath) << "";
    // July 15, 1987: 38 -> 11 against 7 + 6 + 7 = 20 -> 2.
    QTest::newRow("Life Path of 11 against 2") << "1987-07-15" << int(LifePath) << "2";
    // November kept as 11: 11 + 5 = 16 -> 7, 5 + 9 = 14 -> 5, 7 + 5 = 12 -> 3, 11 + 9 = 20 -> 2,
    // against 7, 5, 3, 11 from month 2.
    QTest::newRow("Pinnacles, methods disagree") << "1980-11-05" << int(Pinnacle) << "7, 5, 3, 2";
    QTest::newRow("Pinnacles, methods agree") << "1980-10-24" << int(Pinnacle) << "";
}

void TestNumerology::otherMethodLine()
{
    QFETCH(QString, birth);
    QFETCH(int, subject);
    QFETCH(QString, otherValue);
    const Chart chart = chartOf(QStringLiteral("Ann Lee"), birth, QStringLiteral("2026-12-07"));
    const QString line = chart.numbers[subject].otherMethod;
    if (otherValue.isEmpty()) {
        QCOMPARE(line, QString());
        return;
    }
    QVERIFY2(line.endsWith(QLatin1String("gives ") + otherValue + QLatin1Char('.')),
             qPrintable(line));
    QVERIFY(!line.contains(QLatin1Char('\n')));
    // The other method is the same core with the one rule turned round.
    Rules other = taughtRules();
    if (subject == LifePath)
        other.lifePathFromEveryDigit = !other.lifePathFromEveryDigit;
    else
        other.pinnaclesKeepMasters = !other.pinnaclesKeepMasters;
    const Chart turned =
        calculateChart({QStringLiteral("ANN"), QStringLiteral("LEE")}, readDate(birth),
                       readDate(QStringLiteral("2026-12-07")), other);
    QStringList values;
    for (int v : turned.numbers[subject].values)
        values << QString::number(v);
    QCOMPARE(values.join(QLatin1String(", ")), otherValue);
}

void TestNumerology::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QStringList>("readAs");
    QTest::addColumn<QString>("named"); // a fragment the message must hold; empty: accepted

    const QStringList none;
    QTest::newRow("plain") << "Holly Norris" << words("HOLLY NORRIS") << none << "";
    QTest::newRow("any case, extra spaces")
        << "  hoLLy   norris " << words("HOLLY NORRIS") << none << "";
    QTest::newRow("hyphen and apostrophes") << QString::fromUtf8("Mary-Jane O'Brien D\u2019Arcy")
                                            << words("MARYJANE OBRIEN DARCY") << none << "";
    QTest::newRow("accents") << QString::fromUtf8("Zoë Núñez") << words("ZOE NUNEZ")
                             << QStringList{QString::fromUtf8("ë as E"),
                                            QString::fromUtf8("ú as U"),
                                            QString::fromUtf8("ñ as N")}
                             << "";
    QTest::newRow("accent typed apart") << QString::fromUtf8("Rene\u0301") << words("RENE")
                                        << QStringList{QString::fromUtf8("é as E")} << "";
    QTest::newRow("120 characters") << QString(120, QLatin1Char('a'))
                                    << QStringList{QString(120, QLatin1Char('A'))} << none << "";
    QTest::newRow("120 characters and blanks around them")
        << QLatin1String("  ") + QString(120, QLatin1Char('b')) + QLatin1String("  ")
        << QStringList{QString(120, QLatin1Char('B'))} << none << "";
    QTest::newRow("121 characters") << QString(121, QLatin1Char('a')) << none << none << "121";
    QTest::newRow("digit") << "Ann 2nd" << none << none << "\"2\"";
    QTest::newRow("another script")
        << QString::fromUtf8("Анна") << none << none << QString::fromUtf8("\"А\" (U+0410)");
    QTest::newRow("symbol") << "Ann_Lee" << none << none << "\"_\"";
    QTest::newRow("letter without a plain base")
        << QString::fromUtf8("Søren") << none << none << QString::fromUtf8("\"ø\"");
    QTest::newRow("tab") << "Ann\tLee" << none << none << "U+0009";
    QTest::newRow("emoji") << QString::fromUtf8("Ann \U0001F600") << none << none << "U+1F600";
    QTest::newRow("empty") << "" << none << none << "at least one letter";
    QTest::newRow("no letter") << " - ' " << none << none << "at least one letter";
}

void TestNumerology::names()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, parts);
    QFETCH(QStringList, readAs);
    QFETCH(QString, named);
    const NameReading reading = readName(typed);
    QCOMPARE(reading.parts, parts);
    QCOMPARE(reading.readAs, readAs);
    if (named.isEmpty())
        QCOMPARE(reading.problem, QString());
    else
        QVERIFY2(reading.problem.contains(named), qPrintable(reading.problem));
}

void TestNumerology::nameWithoutVowelOrConsonantIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("missing");
    QTest::newRow("no vowel") << "Brr Tsk"
                              << "vowel";
    QTest::newRow("no consonant") << "Io"
                                  << "consonant";
}

void TestNumerology::nameWithoutVowelOrConsonantIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, missing);
    const Chart chart = chartOf(name, QStringLiteral("2000-01-01"), QStringLiteral("2026-01-01"));
    QVERIFY2(chart.problem.contains(QLatin1String("no ") + missing), qPrintable(chart.problem));
    QVERIFY(chart.numbers.isEmpty());
}

void TestNumerology::dates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    QTest::newRow("plain") << "1962-07-03" << QDate(1962, 7, 3);
    QTest::newRow("without leading zeros") << "1962-7-3" << QDate(1962, 7, 3);
    QTest::newRow("leap day in a leap year") << "2000-02-29" << QDate(2000, 2, 29);
    QTest::newRow("leap day in 2024") << "2024-02-29" << QDate(2024, 2, 29);
    QTest::newRow("leap day in 1900") << "1900-02-29" << QDate();
    QTest::newRow("leap day in 2023") << "2023-02-29" << QDate();
    QTest::newRow("April 31") << "2020-04-31" << QDate();
    QTest::newRow("month 13") << "2020-13-01" << QDate();
    QTest::newRow("day 0") << "2020-01-00" << QDate();
    QTest::newRow("year 1") << "0001-01-01" << QDate(1, 1, 1);
    QTest::newRow("year 0") << "0000-01-01" << QDate();
    QTest::newRow("year 9999") << "9999-12-31" << QDate(9999, 12, 31);
    QTest::newRow("five-digit year") << "10000-01-01" << QDate();
    QTest::newRow("day first") << "03-07-1962" << QDate();
    QTest::newRow("slashes") << "1962/07/03" << QDate();
    QTest::newRow("words") << "July 3, 1962" << QDate();
    QTest::newRow("negative") << "-1962-07-03" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestNumerology::dates()
{
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    QCOMPARE(readDate(typed), date);
}

// Over a wide sweep of dates and generated names every value lies in the range the
// catalogue interprets, so the chart can always give a meaning.
void TestNumerology::everyValueHasAnInterpretation()
{
    QList<QSet<int>> allowed;
    for (int s = 0; s < NumberCount; ++s)
        allowed << interpretedValues(s);
    std::mt19937 random(20261207);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZYWYWAEIOU");
    std::uniform_int_distribution<int> letter(0, int(letters.size()) - 1);
    std::uniform_int_distribution<int> partCount(1, 5);
    std::uniform_int_distribution<int> partLength(1, 12);
    const qint64 first = QDate(1, 1, 1).toJulianDay();
    const qint64 last = QDate(9999, 12, 31).toJulianDay();
    std::uniform_int_distribution<qint64> day(first, last);

    int charts = 0;
    int refused = 0;
    QSet<int> seen[NumberCount];
    for (int k = 0; k < 40000; ++k) {
        QStringList parts;
        const int count = partCount(random);
        for (int p = 0; p < count; ++p) {
            QString part;
            const int length = partLength(random);
            for (int i = 0; i < length; ++i)
                part += letters.at(letter(random));
            parts << part;
        }
        // Half the dates from the whole range, half from the last two centuries.
        const QDate birth =
            k % 2 ? QDate::fromJulianDay(day(random)) : QDate(1900, 1, 1).addDays(k * 7 % 73000);
        const QDate lookAt = QDate::fromJulianDay(day(random));
        const Chart chart = calculateChart(parts, birth, lookAt);
        if (!chart.problem.isEmpty()) {
            ++refused;
            continue;
        }
        ++charts;
        QCOMPARE(chart.numbers.size(), int(NumberCount));
        for (int s = 0; s < NumberCount; ++s) {
            const Number& number = chart.numbers[s];
            QCOMPARE(int(number.subject), s);
            QCOMPARE(number.values.size(), s == Pinnacle || s == Challenge ? 4
                                           : s == LifePathPeriod           ? 3
                                                                           : 1);
            QVERIFY(!number.working.isEmpty());
            for (int v : number.values) {
                QVERIFY2(allowed[s].contains(v), qPrintable(QStringLiteral("%1 = %2 for %3, %4")
                                                                .arg(content().SubjectName[s])
                                                                .arg(v)
                                                                .arg(parts.join(QLatin1Char(' ')),
                                                                     birth.toString(Qt::ISODate))));
                seen[s].insert(v);
            }
        }
    }
    QVERIFY(charts > 30000);
    QVERIFY(refused > 0); // generated names without a vowel or a consonant do occur
    // The sweep reached every value of every number, masters included, but for 22 in the
    // Maturity and Pinnacle Numbers: their parts go in as single digits, so they add up to 18 at
    // the most.
    for (int s = 0; s < NumberCount; ++s) {
        QSet<int> reachable = allowed[s];
        if (s == Maturity || s == Pinnacle)
            reachable.remove(22);
        QVERIFY2(seen[s] == reachable, qPrintable(content().SubjectName[s]));
    }
}

QTEST_GUILESS_MAIN(TestNumerology)
#include "tst_numerology.moc"
