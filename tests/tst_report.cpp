#include "support/fakes.h"
#include "quiz/printcopy.h"
#include "quiz/quizengine.h"
#include "quiz/resultreport.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <array>

using namespace corvella;
using corvella::testing::FakeClock;
using corvella::testing::ScriptedRandom;

namespace {

constexpr std::array<qint16, SubjectCount> RunFirst = {0,   11,  22,  33,  44,  75,  84, 93,
                                                       102, 113, 124, 133, 144, 153, 162};
constexpr std::array<qint16, SubjectCount> RunLast = {10,  21,  32,  43,  74,  83,  92, 101,
                                                      112, 123, 132, 143, 152, 161, 170};

const QString CrLf = QStringLiteral("\r\n");

// The real runs with texts that name their own index, so expected reports do not depend on
// the wording of the teaching texts.
void fillSyntheticContent(ContentTables& tables)
{
    for (int s = 0; s < SubjectCount; ++s) {
        tables.SubjectName[s] = QStringLiteral("Subject %1").arg(s);
        tables.SubjectSignificance[s] = QStringLiteral("Significance %1.").arg(s);
        tables.FirstInterpretation[s] = RunFirst[s];
        tables.LastInterpretation[s] = RunLast[s];
        for (int e = RunFirst[s]; e <= RunLast[s]; ++e)
            tables.InterpretationValue[e] = static_cast<qint16>(e - RunFirst[s] + (s == 5 ? 0 : 1));
    }
    for (int e = 0; e < InterpretationEntryCount; ++e)
        tables.InterpretationText[e] = QStringLiteral("Interpretation %1.").arg(e);
}

QString heading(const ContentTables& tables, int entry)
{
    for (int s = 0; s < SubjectCount; ++s) {
        if (entry >= RunFirst[s] && entry <= RunLast[s])
            return tables.SubjectName[s] + QLatin1Char(' ') +
                   QString::number(tables.InterpretationValue[entry]);
    }
    return QString();
}

QString block(const QString& title, const QString& choice, const QString& correct)
{
    return title + CrLf + QStringLiteral("Your Choice: ") + CrLf + choice + CrLf +
           QStringLiteral("Correct Choice: ") + CrLf + correct + CrLf + CrLf;
}

bool isBold(const QTextFragment& fragment)
{
    return fragment.charFormat().fontWeight() >= QFont::Bold;
}

// A significance test over the synthetic tables, answered correctly in the given questions.
struct SignificanceFixture
{
    explicit SignificanceFixture(const QList<int>& correctQuestions)
    {
        fillSyntheticContent(content);
        nav.BySignificance = true;
        nav.CurrentRecord = 10;
        test.QuestionsDrawn = true;
        const std::array<qint16, 10> order{6, 0, 14, 3, 9, 11, 2, 7, 13, 1};
        for (int q = 0; q < 10; ++q) {
            test.SignificanceOrder[q] = order[q];
            const QString correct = content.SubjectSignificance[order[q]];
            // A wrong answer differs in case only, or is another subject's text.
            if (correctQuestions.contains(q))
                test.SignificanceAnswers[q] = correct;
            else if (q % 2)
                test.SignificanceAnswers[q] = correct.toUpper();
            else
                test.SignificanceAnswers[q] = content.SubjectSignificance[order[(q + 1) % 10]];
        }
    }

    NavigationState nav;
    TestState test;
    ContentTables content;
};

// An interpretation test asking the first five entries of each ticked subject; every third
// question answered correctly.
struct InterpretationFixture
{
    explicit InterpretationFixture(int ticks)
    {
        fillSyntheticContent(content);
        nav.BySignificance = false;
        test.QuestionsDrawn = true;
        for (int s = 0; s < ticks; ++s) {
            nav.SubjectTicked[s] = true;
            for (int e = RunFirst[s]; e < RunFirst[s] + 5; ++e)
                test.InterpretationQuestions << e;
        }
        for (int q = 0; q < test.InterpretationQuestions.size(); ++q) {
            const int entry = test.InterpretationQuestions[q];
            test.InterpretationAnswers
                << content.InterpretationText[q % 3 == 0 ? entry : 169 - entry];
        }
        nav.CurrentRecord = static_cast<qint16>(test.InterpretationQuestions.size());
    }

    NavigationState nav;
    TestState test;
    ContentTables content;
};

void verifyTestStateEmpty(const NavigationState& nav, const TestState& test)
{
    QVERIFY(!test.QuestionsDrawn);
    for (int q = 0; q < 11; ++q) {
        QCOMPARE(test.SignificanceOrder[q], 0);
        QVERIFY(test.SignificanceAnswers[q].isEmpty());
    }
    QVERIFY(test.InterpretationQuestions.isEmpty());
    QVERIFY(test.InterpretationAnswers.isEmpty());
    for (bool ticked : nav.SubjectTicked)
        QVERIFY(!ticked);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameCaption_data();
    void frameCaption();
    void significanceReport_data();
    void significanceReport();
    void interpretationReport_data();
    void interpretationReport();
    void sharedTextScoresFromAnotherBox();
    void onlyHeadingsAreEmphasised();
    void nothingCarriesOverToTheNextTest();
    void printedCopy();
    void printedCopyIsRebuiltOnEveryPress();
};

void TestReport::frameCaption_data()
{
    QTest::addColumn<bool>("bySignificance");
    QTest::addColumn<QString>("caption");
    QTest::newRow("significance") << true << QStringLiteral("Test Result: Significance");
    QTest::newRow("interpretation") << false << QStringLiteral("Test Result: Interpretation");
}

void TestReport::frameCaption()
{
    QFETCH(bool, bySignificance);
    QFETCH(QString, caption);
    QCOMPARE(ResultFrameCaption(bySignificance), caption);
}

void TestReport::significanceReport_data()
{
    QTest::addColumn<QList<int>>("correctQuestions");
    QTest::addColumn<QString>("summary");
    QTest::newRow("all correct") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                                 << QStringLiteral("10 Correct out of 10 Questions");
    QTest::newRow("none correct") << QList<int>{}
                                  << QStringLiteral("0 Correct out of 10 Questions");
    QTest::newRow("seven, three wrong only in case")
        << QList<int>{0, 2, 4, 6, 7, 8, 9} << QStringLiteral("7 Correct out of 10 Questions");
}

void TestReport::significanceReport()
{
    QFETCH(QList<int>, correctQuestions);
    QFETCH(QString, summary);
    SignificanceFixture f(correctQuestions);
    RichTextPane pane;
    pane.setWholeText(QStringLiteral("An earlier report\r\n"));

    QString expected;
    for (int q = 0; q < 10; ++q) {
        const int subject = f.test.SignificanceOrder[q];
        expected += block(f.content.SubjectName[subject], f.test.SignificanceAnswers[q],
                          f.content.SubjectSignificance[subject]);
    }
    expected += summary;

    QCOMPARE(WriteTestReport(f.nav, f.test, f.content, pane), correctQuestions.size());
    QCOMPARE(pane.wholeText(), expected);
    QVERIFY(pane.wholeText().endsWith(QStringLiteral("Significance 1.\r\n\r\n") + summary));
    verifyTestStateEmpty(f.nav, f.test);
}

void TestReport::interpretationReport_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("summary");
    QTest::newRow("one subject") << 1 << QStringLiteral("2 Correct out of 5 Questions");
    QTest::newRow("two subjects") << 2 << QStringLiteral("4 Correct out of 10 Questions");
    QTest::newRow("all fifteen") << 15 << QStringLiteral("25 Correct out of 75 Questions");
}

void TestReport::interpretationReport()
{
    QFETCH(int, ticks);
    QFETCH(QString, summary);
    InterpretationFixture f(ticks);
    RichTextPane pane;

    QString expected;
    for (int q = 0; q < f.test.InterpretationQuestions.size(); ++q) {
        const int entry = f.test.InterpretationQuestions[q];
        expected += block(heading(f.content, entry), f.test.InterpretationAnswers[q],
                          f.content.InterpretationText[entry]);
    }
    expected += summary;

    WriteTestReport(f.nav, f.test, f.content, pane);
    const QString text = pane.wholeText();
    QCOMPARE(text, expected);
    QCOMPARE(text.count(QStringLiteral("Your Choice: \r\n")), 5 * ticks);
    QCOMPARE(text.count(QStringLiteral("Correct Choice: \r\n")), 5 * ticks);
    QVERIFY(text.startsWith(QStringLiteral("Subject 0 1\r\nYour Choice: \r\n")));
    verifyTestStateEmpty(f.nav, f.test);
}

void TestReport::sharedTextScoresFromAnotherBox()
{
    // The program's own tables: two bridge numbers share three texts.
    ContentTables content;
    LoadContent(content);
    NavigationState nav;
    TestState test;
    nav.SubjectTicked[6] = true;
    test.QuestionsDrawn = true;
    test.InterpretationQuestions = {90, 91, 92, 84, 85};
    const auto& text = content.InterpretationText;
    test.InterpretationAnswers = {text[81], text[82], text[83], text[85], text[85]};
    QVERIFY2(text[81] == text[90] && text[84] != text[85], "content: shared bridge texts");
    RichTextPane pane;

    QCOMPARE(WriteTestReport(nav, test, content, pane), 4);
    const QString report = pane.wholeText();
    QVERIFY(report.startsWith(EntryHeading(content, 90) + CrLf));
    QVERIFY(report.startsWith(QStringLiteral("Heart Desire / Personality Bridge Number 6\r\n")));
    QVERIFY(report.endsWith(QStringLiteral("\r\n\r\n4 Correct out of 5 Questions")));
}

void TestReport::onlyHeadingsAreEmphasised()
{
    InterpretationFixture f(2);
    RichTextPane pane;
    pane.setEmphasis(true);
    WriteTestReport(f.nav, f.test, f.content, pane);

    const QTextDocument* document = pane.document();
    QCOMPARE(document->blockCount(), 6 * 10 + 1);
    int boldFragments = 0;
    int plainFragments = 0;
    int index = 0;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next(), ++index) {
        const bool headingLine = index < 60 && index % 6 == 0;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QVERIFY2(isBold(fragment) == headingLine,
                     qPrintable(QStringLiteral("line %1: %2").arg(index).arg(fragment.text())));
            ++(headingLine ? boldFragments : plainFragments);
        }
        if (headingLine)
            QVERIFY(b.length() > 1);
    }
    QCOMPARE(boldFragments, 10);
    QVERIFY(plainFragments >= 40);
    QCOMPARE(document->lastBlock().text(), QStringLiteral("4 Correct out of 10 Questions"));
    QVERIFY(!pane.emphasis());
}

void TestReport::nothingCarriesOverToTheNextTest()
{
    NavigationState nav;
    TestState test;
    ContentTables content;
    FakeClock clock;
    ScriptedRandom random(2024u);
    RandomDraw draw(random, clock);
    QuizEngine engine(nav, test, content, draw, fillSyntheticContent);
    RichTextPane pane;

    struct Screen : QuestionScreen
    {
        void setAnswerText(int box, const QString& text) override { answers.at(box) = text; }
        QString answerText(int box) const override { return answers.at(box); }
        void setSubjectName(const QString&) override {}
        void setQuestionNo(const QString& caption) override { counter = caption; }
        int selectedChoice() const override { return selected; }
        void clearChoices() override { selected = -1; }
        std::array<QString, 5> answers;
        QString counter;
        int selected = -1;
    } screen;

    const auto answerAll = [&] {
        int shown = 1;
        for (;;) {
            screen.selected = 0;
            if (engine.takeAnswer(screen) == QuizEngine::AnswerResult::TestFinished)
                return shown;
            ++shown;
        }
    };

    nav.BySignificance = false;
    nav.SubjectTicked[2] = nav.SubjectTicked[5] = true;
    nav.CurrentRecord = 0;
    engine.ShowInterpretationQuestion(screen);
    QCOMPARE(answerAll(), 10);
    WriteTestReport(nav, test, content, pane);
    verifyTestStateEmpty(nav, test);

    // A significance test draws its own ten subjects.
    nav.BySignificance = true;
    nav.CurrentRecord = 0;
    const int drawsBefore = random.draws;
    engine.ShowSignificanceQuestion(screen);
    QVERIFY(test.QuestionsDrawn);
    QVERIFY(random.draws - drawsBefore >= 10 + 5 + 1);
    QCOMPARE(screen.counter, QStringLiteral("Question 1 of 10"));
    QCOMPARE(answerAll(), 10);
    WriteTestReport(nav, test, content, pane);
    QVERIFY(pane.wholeText().endsWith(QStringLiteral(" Correct out of 10 Questions")));
    verifyTestStateEmpty(nav, test);

    // An interpretation test with a new tick knows nothing of the earlier ones.
    nav.BySignificance = false;
    nav.SubjectTicked[7] = true;
    nav.CurrentRecord = 0;
    engine.ShowInterpretationQuestion(screen);
    QCOMPARE(test.InterpretationQuestions.size(), 5);
    for (qint16 entry : test.InterpretationQuestions)
        QVERIFY(entry >= RunFirst[7] && entry <= RunLast[7]);
    QCOMPARE(test.InterpretationAnswers, QList<QString>(5));
    QCOMPARE(screen.counter, QStringLiteral("Question 1 of 5"));
}

void TestReport::printedCopy()
{
    SignificanceFixture f({1, 4});
    RichTextPane report;
    WriteTestReport(f.nav, f.test, f.content, report);
    const QString reportText = report.wholeText();

    RichTextPane rtb1;
    rtb1.setWholeText(QStringLiteral("left over from before"));
    rtb1.setEmphasis(true);
    QTextCursor cursor = rtb1.textCursor();
    cursor.select(QTextCursor::Document);
    rtb1.setTextCursor(cursor);

    ComposePrintedCopy(rtb1, reportText);

    const QString attribution = AttributionLine();
    QVERIFY(attribution.startsWith(QStringLiteral("Report Generated By ")));
    QVERIFY(attribution.size() > 20);
    QVERIFY(!attribution.contains(QLatin1Char('\n')));
    QCOMPARE(rtb1.wholeText(), attribution + QStringLiteral("\r\n\r\n") + reportText +
                                   QStringLiteral("\r\n\r\n") + attribution);
    const QStringList lines = rtb1.wholeText().split(CrLf);
    QCOMPARE(lines.first(), attribution);
    QCOMPARE(lines.at(1), QString());
    QCOMPARE(lines.at(lines.size() - 3), QStringLiteral("2 Correct out of 10 Questions"));
    QCOMPARE(lines.at(lines.size() - 2), QString());
    QCOMPARE(lines.last(), attribution);

    // Plain text in a font sized in points, nothing selected.
    for (QTextBlock b = rtb1.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            QVERIFY(!isBold(it.fragment()));
    }
    QCOMPARE(rtb1.document()->defaultFont().pointSize(), 10);
    QVERIFY(!rtb1.textCursor().hasSelection());
}

void TestReport::printedCopyIsRebuiltOnEveryPress()
{
    InterpretationFixture f(3);
    RichTextPane report;
    WriteTestReport(f.nav, f.test, f.content, report);
    RichTextPane rtb1;

    ComposePrintedCopy(rtb1, report.wholeText());
    const QString first = rtb1.wholeText();
    ComposePrintedCopy(rtb1, report.wholeText());
    QCOMPARE(rtb1.wholeText(), first);
    QCOMPARE(first.count(AttributionLine()), 2);

    // A later, shorter report replaces the copy completely.
    SignificanceFixture g({});
    WriteTestReport(g.nav, g.test, g.content, report);
    ComposePrintedCopy(rtb1, report.wholeText());
    QVERIFY(!rtb1.wholeText().contains(QStringLiteral("Interpretation")));
    QCOMPARE(rtb1.wholeText().count(AttributionLine()), 2);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
