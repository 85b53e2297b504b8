#include "quiz/printcopy.h"
#include "quiz/quizengine.h"
#include "quiz/resultreport.h"
#include "session/quizsizes.h"
#include "support/fakes.h"
#include "support/syntheticcatalogue.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <array>

using namespace corvella;
using corvella::testing::FakeClock;
using corvella::testing::fillSyntheticContent;
using corvella::testing::firstEntryOf;
using corvella::testing::lastEntryOf;
using corvella::testing::ScriptedRandom;

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString block(const QString& title, const QString& choice, const QString& correct)
{
    return title + CrLf + QStringLiteral("Your Choice: ") + CrLf + choice + CrLf +
           QStringLiteral("Correct Choice: ") + CrLf + correct + CrLf + CrLf;
}

bool isBold(const QTextFragment& fragment)
{
    return fragment.charFormat().fontWeight() >= QFont::Bold;
}

// A finished significance test over the synthetic tables, answered correctly in the given
// questions.
struct SignificanceFixture
{
    explicit SignificanceFixture(const QList<int>& correctQuestions)
    {
        fillSyntheticContent(content);
        test.QuestionsDrawn = true;
        test.CurrentQuestion = SignificanceQuestionCount;
        const std::array<qint16, 10> order{6, 0, 14, 3, 9, 11, 2, 7, 13, 1};
        for (int q = 0; q < 10; ++q) {
            test.SignificanceOrder[q] = order[q];
            const QString correct = content.SubjectSignificance[order[q]];
            // A wrong answer differs in case only, or is another subject's text.
            if (correctQuestions.contains(q))
                test.SignificanceAnswers[q] = correct;
            else if (q % 2)
                test.SignificanceAnswers[q] = correct.toLower();
            else
                test.SignificanceAnswers[q] = content.SubjectSignificance[order[(q + 1) % 10]];
        }
    }

    TestReport report() const { return makeTestReport(true, test, content); }

    TestState test;
    ContentTables content;
};

// A finished interpretation test asking the first five entries of each ticked subject; every
// third question answered correctly.
struct InterpretationFixture
{
    explicit InterpretationFixture(int ticks)
    {
        fillSyntheticContent(content);
        test.QuestionsDrawn = true;
        for (int s = 0; s < ticks; ++s) {
            for (int e = firstEntryOf(s); e < firstEntryOf(s) + EntriesPerTickedSubject; ++e)
                test.InterpretationQuestions << e;
        }
        for (int q = 0; q < test.InterpretationQuestions.size(); ++q) {
            const int entry = test.InterpretationQuestions[q];
            test.InterpretationAnswers
                << content.InterpretationText[q % 3 == 0 ? entry : 169 - entry];
        }
        test.CurrentQuestion = static_cast<qint16>(test.InterpretationQuestions.size());
    }

    TestReport report() const { return makeTestReport(false, test, content); }

    TestState test;
    ContentTables content;
};

void verifySessionEmpty(const StudySession& session)
{
    const TestState& test = session.test;
    QVERIFY(!test.QuestionsDrawn);
    QCOMPARE(test.CurrentQuestion, 0);
    for (int q = 0; q < 11; ++q) {
        QCOMPARE(test.SignificanceOrder[q], 0);
        QVERIFY(test.SignificanceAnswers[q].isEmpty());
    }
    QVERIFY(test.InterpretationQuestions.isEmpty());
    QVERIFY(test.InterpretationAnswers.isEmpty());
    for (bool ticked : session.SubjectTicked)
        QVERIFY(!ticked);
    QCOMPARE(session.phase, Phase::ShowingResult);
}

} // namespace

class TestResultReport : public QObject
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
    void drawnReport();
    void nothingCarriesOverToTheNextTest();
    void printedCopy();
    void printedCopyIsRebuiltOnEveryPress();
};

void TestResultReport::frameCaption_data()
{
    QTest::addColumn<bool>("bySignificance");
    QTest::addColumn<QString>("caption");
    QTest::newRow("significance") << true << QStringLiteral("Test Result: Significance");
    QTest::newRow("interpretation") << false << QStringLiteral("Test Result: Interpretation");
}

void TestResultReport::frameCaption()
{
    QFETCH(bool, bySignificance);
    QFETCH(QString, caption);
    QCOMPARE(resultFrameCaption(bySignificance), caption);
}

void TestResultReport::significanceReport_data()
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

void TestResultReport::significanceReport()
{
    QFETCH(QList<int>, correctQuestions);
    QFETCH(QString, summary);
    SignificanceFixture f(correctQuestions);

    const TestReport report = f.report();
    QCOMPARE(report.questionCount(), SignificanceQuestionCount);
    for (int q = 0; q < SignificanceQuestionCount; ++q) {
        const int subject = f.test.SignificanceOrder[q];
        const ReportBlock& b = report.blocks.at(q);
        QCOMPARE(b.heading, f.content.SubjectName[subject]);
        QCOMPARE(b.choice, f.test.SignificanceAnswers[q]);
        QCOMPARE(b.correct, f.content.SubjectSignificance[subject]);
        QCOMPARE(b.isCorrect(), correctQuestions.contains(q));
    }
    QCOMPARE(report.score, correctQuestions.size());
    QCOMPARE(report.summary(), summary);
}

void TestResultReport::interpretationReport_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("summary");
    QTest::newRow("one subject") << 1 << QStringLiteral("2 Correct out of 5 Questions");
    QTest::newRow("two subjects") << 2 << QStringLiteral("4 Correct out of 10 Questions");
    QTest::newRow("all fifteen") << 15 << QStringLiteral("25 Correct out of 75 Questions");
}

void TestResultReport::interpretationReport()
{
    QFETCH(int, ticks);
    QFETCH(QString, summary);
    InterpretationFixture f(ticks);

    const TestReport report = f.report();
    QCOMPARE(report.questionCount(), interpretationQuestionCount(ticks));
    for (int q = 0; q < report.questionCount(); ++q) {
        const int entry = f.test.InterpretationQuestions[q];
        const ReportBlock& b = report.blocks.at(q);
        QCOMPARE(b.heading, entryHeading(f.content, entry));
        QCOMPARE(b.choice, f.test.InterpretationAnswers[q]);
        QCOMPARE(b.correct, f.content.InterpretationText[entry]);
        QCOMPARE(b.isCorrect(), q % 3 == 0);
    }
    QCOMPARE(report.blocks.first().heading, QStringLiteral("S0 1"));
    QCOMPARE(report.summary(), summary);
}

void TestResultReport::sharedTextScoresFromAnotherBox()
{
    // The program's own tables: two bridge numbers share three texts.
    ContentTables content;
    loadContent(content);
    TestState test;
    test.QuestionsDrawn = true;
    test.InterpretationQuestions = {90, 91, 92, 84, 85};
    const auto& text = content.InterpretationText;
    test.InterpretationAnswers = {text[81], text[82], text[83], text[85], text[85]};
    QVERIFY2(text[81] == text[90] && text[84] != text[85], "content: shared bridge texts");

    const TestReport report = makeTestReport(false, test, content);
    QCOMPARE(report.score, 4);
    QCOMPARE(report.blocks.first().heading,
             QStringLiteral("Heart Desire / Personality Bridge Number 6"));
    QCOMPARE(report.summary(), QStringLiteral("4 Correct out of 5 Questions"));
}

// The one test of the drawing: exact text, line breaks and emphasis.
void TestResultReport::drawnReport()
{
    InterpretationFixture f(2);
    const TestReport report = f.report();
    RichTextPane pane;
    pane.setWholeText(QStringLiteral("An earlier report\r\n"));
    pane.setEmphasis(true);
    drawTestReport(report, pane);

    QString expected;
    for (const ReportBlock& b : report.blocks)
        expected += block(b.heading, b.choice, b.correct);
    expected += QStringLiteral("4 Correct out of 10 Questions");
    QCOMPARE(pane.wholeText(), expected);

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

void TestResultReport::nothingCarriesOverToTheNextTest()
{
    StudySession session;
    ContentTables content;
    FakeClock clock;
    ScriptedRandom random(2024u);
    RandomDraw draw(random, clock);
    QuizEngine engine(session, content, draw, fillSyntheticContent);

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

    session.LearnSelected = false;
    session.BySignificance = false;
    session.SubjectTicked[2] = session.SubjectTicked[5] = true;
    session.startActivity();
    engine.showInterpretationQuestion(screen);
    QCOMPARE(answerAll(), 10);
    QCOMPARE(makeTestReport(false, session.test, content).questionCount(), 10);
    session.finishTest();
    verifySessionEmpty(session);

    // A significance test draws its own ten subjects.
    session.BySignificance = true;
    session.startActivity();
    const int drawsBefore = random.draws;
    engine.showSignificanceQuestion(screen);
    QVERIFY(session.test.QuestionsDrawn);
    QVERIFY(random.draws - drawsBefore >= 10 + 4 + 1);
    QCOMPARE(screen.counter, QStringLiteral("Question 1 of 10"));
    QCOMPARE(answerAll(), 10);
    QVERIFY(makeTestReport(true, session.test, content)
                .summary()
                .endsWith(QStringLiteral(" Correct out of 10 Questions")));
    session.finishTest();
    verifySessionEmpty(session);

    // An interpretation test with a new tick knows nothing of the earlier ones.
    session.BySignificance = false;
    session.SubjectTicked[7] = true;
    session.startActivity();
    engine.showInterpretationQuestion(screen);
    QCOMPARE(session.test.InterpretationQuestions.size(), 5);
    for (qint16 entry : session.test.InterpretationQuestions)
        QVERIFY(entry >= firstEntryOf(7) && entry <= lastEntryOf(7));
    QCOMPARE(session.test.InterpretationAnswers, QList<QString>(5));
    QCOMPARE(screen.counter, QStringLiteral("Question 1 of 5"));
}

void TestResultReport::printedCopy()
{
    SignificanceFixture f({1, 4});
    RichTextPane report;
    drawTestReport(f.report(), report);
    const QString reportText = report.wholeText();

    RichTextPane rtb1;
    rtb1.setWholeText(QStringLiteral("left over from before"));
    rtb1.setEmphasis(true);
    QTextCursor cursor = rtb1.textCursor();
    cursor.select(QTextCursor::Document);
    rtb1.setTextCursor(cursor);

    composePrintedCopy(rtb1, reportText);

    const QString attribution = attributionLine();
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

void TestResultReport::printedCopyIsRebuiltOnEveryPress()
{
    InterpretationFixture f(3);
    RichTextPane report;
    drawTestReport(f.report(), report);
    RichTextPane rtb1;

    composePrintedCopy(rtb1, report.wholeText());
    const QString first = rtb1.wholeText();
    composePrintedCopy(rtb1, report.wholeText());
    QCOMPARE(rtb1.wholeText(), first);
    QCOMPARE(first.count(attributionLine()), 2);

    // A later, shorter report replaces the copy completely.
    SignificanceFixture g({});
    drawTestReport(g.report(), report);
    composePrintedCopy(rtb1, report.wholeText());
    QVERIFY(!rtb1.wholeText().contains(QStringLiteral("T0")));
    QVERIFY(rtb1.wholeText().contains(QStringLiteral("G6")));
    QCOMPARE(rtb1.wholeText().count(attributionLine()), 2);
}

QTEST_MAIN(TestResultReport)
#include "tst_report.moc"
