#include "support/mainwindowfixture.h"

#include "platform/richtextpane.h"
#include "quiz/printcopy.h"

#include <QAccessible>
#include <QSet>
#include <QTest>
#include <QTextBlock>

using namespace corvella;
using namespace corvella::testing;

// Tests driven through the real question and result screens.
class TestQuizWindow : public QObject
{
    Q_OBJECT

private:
    static RichTextPane* pane(const MainWindowFixture& f, const QString& name)
    {
        return f.find<RichTextPane>(name);
    }
    static QString counter(const MainWindowFixture& f) { return f.label("lblQuestionNo")->text(); }

    // Answers every question with the first box, up to the result screen.
    static int answerToTheEnd(const MainWindowFixture& f)
    {
        int answered = 0;
        while (f.window->currentScreen() == 4 && answered < 100) {
            f.radio("optChoice0")->setChecked(true);
            f.click("cmdNextQuestion");
            ++answered;
        }
        return answered;
    }

private Q_SLOTS:

    void nextQuestionWithoutAChoiceChangesNothing()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(true);
        QCOMPARE(counter(f), QStringLiteral("Question 1 of 10"));
        QStringList before;
        for (int i = 0; i < 5; ++i)
            before << pane(f, QStringLiteral("txtOption%1").arg(i))->wholeText();
        f.click("cmdNextQuestion");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Please select an option")});
        QCOMPARE(f.fakes.messages.shown.first().kind, QStringLiteral("error"));
        QCOMPARE(counter(f), QStringLiteral("Question 1 of 10"));
        QCOMPARE(f.window->session().test.CurrentQuestion, qint16(0));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(pane(f, QStringLiteral("txtOption%1").arg(i))->wholeText(), before.at(i));
    }

    void pressingAnAnswerSelectsItsOption_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void pressingAnAnswerSelectsItsOption()
    {
        QFETCH(int, button);
        MainWindowFixture f;
        f.window->show();
        f.chooseActivity(false);
        f.chooseMethod(true);
        f.radio("optChoice0")->setChecked(true);
        auto* third = pane(f, QStringLiteral("txtOption2"));
        QTest::mousePress(third->viewport(), Qt::MouseButton(button), {}, QPoint(30, 10));
        QTest::mouseRelease(third->viewport(), Qt::MouseButton(button), {}, QPoint(30, 10));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.radio(qPrintable(QStringLiteral("optChoice%1").arg(i)))->isChecked(),
                     i == 2);
        // The answer boxes are read-only, wrap their text, and let Tab move on.
        QVERIFY(third->isReadOnly());
        QCOMPARE(third->lineWrapMode(), QTextEdit::WidgetWidth);
        QVERIFY(third->tabChangesFocus());
    }

    void aClickAnywhereOnAnAnswerOptionChoosesIt()
    {
        MainWindowFixture f;
        f.window->show();
        f.chooseActivity(false);
        f.chooseMethod(true);
        QRadioButton* option = f.radio("optChoice4");
        // The option has no text; its right half is empty space beside the indicator.
        QTest::mouseClick(option, Qt::LeftButton, {},
                          QPoint(option->width() - 4, option->height() / 2));
        QVERIFY(option->isChecked());
    }

    void anAcceptedAnswerClearsTheOptionsAndMovesOn()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(true);
        f.radio("optChoice3")->setChecked(true);
        const QString chosen = pane(f, QStringLiteral("txtOption3"))->wholeText();
        f.click("cmdNextQuestion");
        QCOMPARE(counter(f), QStringLiteral("Question 2 of 10"));
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f.radio(qPrintable(QStringLiteral("optChoice%1").arg(i)))->isChecked());
        QCOMPARE(f.window->session().test.SignificanceAnswers[0], chosen);
    }

    void significanceTestEndsOnTheReport()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(true);
        QCOMPARE(answerToTheEnd(f), 10);
        QCOMPARE(f.window->currentScreen(), frmMain::ResultScreen);
        QCOMPARE(f.frame(5)->title(), QStringLiteral("Test Result: Significance"));
        const QString report = pane(f, QStringLiteral("RTBTestResult"))->wholeText();
        QCOMPARE(report.count(QStringLiteral("\r\nYour Choice: \r\n")), 10);
        QVERIFY(report.contains(
            QRegularExpression(QStringLiteral("\r\n\r\n\\d+ Correct out of 10 Questions$"))));
        QVERIFY(!f.window->session().test.QuestionsDrawn);
    }

    // Answers right or wrong by a fixed pattern, finding the correct text among the boxes
    // the way the learner sees them, and expects the report to count exactly the right ones.
    void reportCountsTheRightAnswers_data()
    {
        QTest::addColumn<bool>("bySignificance");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("questions");
        QTest::newRow("significance") << true << QList<int>{} << 10;
        QTest::newRow("interpretation, bridges and birthday") << false << QList<int>{4, 5, 6} << 15;
    }
    void reportCountsTheRightAnswers()
    {
        QFETCH(bool, bySignificance);
        QFETCH(QList<int>, ticked);
        QFETCH(int, questions);
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(bySignificance);
        if (!bySignificance) {
            for (int s : ticked)
                f.subject(s)->setChecked(true);
            f.click("cmdNext3");
        }
        const ContentTables& content = f.window->content();
        int right = 0;
        for (int q = 0; q < questions; ++q) {
            QCOMPARE(f.window->currentScreen(), frmMain::QuestionScreenIndex);
            const TestState& test = f.window->session().test;
            const QString correct =
                bySignificance ? content.SubjectSignificance[test.SignificanceOrder[q]]
                               : content.InterpretationText[test.InterpretationQuestions[q]];
            QStringList texts;
            for (int i = 0; i < 5; ++i)
                texts << pane(f, QStringLiteral("txtOption%1").arg(i))->wholeText();
            QCOMPARE(texts.count(correct), 1);
            QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 5);
            int box = static_cast<int>(texts.indexOf(correct));
            if (q % 3 == 1)
                box = (box + 1 + q % 4) % 5; // a wrong answer
            else
                ++right;
            f.radio(qPrintable(QStringLiteral("optChoice%1").arg(box)))->setChecked(true);
            f.click("cmdNextQuestion");
        }
        QCOMPARE(f.window->currentScreen(), frmMain::ResultScreen);
        const QString report = pane(f, QStringLiteral("RTBTestResult"))->wholeText();
        QVERIFY2(
            report.endsWith(
                QStringLiteral("\r\n\r\n%1 Correct out of %2 Questions").arg(right).arg(questions)),
            qPrintable(report.right(60)));
    }

    void allFifteenSubjectsMakeSeventyFiveQuestions()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(false);
        for (int s = 0; s < 15; ++s)
            f.subject(s)->setChecked(true);
        f.click("cmdNext3");
        QCOMPARE(f.window->currentScreen(), frmMain::QuestionScreenIndex);
        QCOMPARE(f.frame(4)->title(), QStringLiteral("Test By Interpretation"));
        QCOMPARE(counter(f), QStringLiteral("Question 1 of 75"));
        // The counter stays inside the screen and clear of the instruction beside it.
        QLabel* questionNo = f.label("lblQuestionNo");
        QLabel* instruction = f.label("lblCaption6");
        for (int q = 1; q < 75; ++q) {
            f.radio("optChoice1")->setChecked(true);
            f.click("cmdNextQuestion");
        }
        QCOMPARE(counter(f), QStringLiteral("Question 75 of 75"));
        QVERIFY(questionNo->geometry().right() < f.frame(4)->width());
        QVERIFY(!questionNo->geometry().intersects(instruction->geometry()));
        f.radio("optChoice1")->setChecked(true);
        f.click("cmdNextQuestion");
        QCOMPARE(f.window->currentScreen(), frmMain::ResultScreen);
        QCOMPARE(f.frame(5)->title(), QStringLiteral("Test Result: Interpretation"));
        const QString report = pane(f, QStringLiteral("RTBTestResult"))->wholeText();
        QCOMPARE(report.count(QStringLiteral("\r\nCorrect Choice: \r\n")), 75);
        QVERIFY(report.endsWith(QStringLiteral(" Correct out of 75 Questions")));
        // Nothing of this test carries over to the next one.
        for (bool ticked : f.window->session().SubjectTicked)
            QVERIFY(!ticked);
        QVERIFY(f.window->session().test.InterpretationQuestions.isEmpty());
    }

    void printingComposesTheCopyAndPrintsIt()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(false);
        f.tickAndGo({12});
        answerToTheEnd(f);
        const QString report = pane(f, QStringLiteral("RTBTestResult"))->wholeText();
        f.click("cmdPrint");
        f.click("cmdPrint");
        const QString expected = attributionLine() + QStringLiteral("\r\n\r\n") + report +
                                 QStringLiteral("\r\n\r\n") + attributionLine();
        QCOMPARE(pane(f, QStringLiteral("RTB1"))->wholeText(), expected);
        QCOMPARE(f.fakes.printer.jobs.size(), 2);
        QCOMPARE(f.fakes.printer.jobs.at(0), f.fakes.printer.jobs.at(1));
        QCOMPARE(f.fakes.printer.jobs.at(0), RichTextPane::fromCrLf(expected));
        // The copy is plain: no heading keeps its emphasis.
        QTextDocument* copy = pane(f, QStringLiteral("RTB1"))->document();
        for (QTextBlock b = copy->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it)
                QVERIFY(it.fragment().charFormat().fontWeight() <= QFont::Normal);
        }
        QVERIFY(copy->defaultFont().pointSizeF() > 0);
        QVERIFY(f.find(QStringLiteral("RTB1"))->isHidden());
    }

    void aRefusedPrintShowsNothing()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(true);
        answerToTheEnd(f);
        f.click("cmdPrint");
        QCOMPARE(f.fakes.printer.jobs.size(), 1);
        // The window is handed over, for a print dialog when there is no default printer.
        QCOMPARE(f.fakes.printer.parents, QList<QWidget*>{f.window.get()});
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.window->currentScreen(), frmMain::ResultScreen);
    }

    // Both tests walked through the window as a learner sees them: every question's five
    // answers are told against the catalogue, loaded here on its own.
    void everyOptionBelongsToTheAskedNumber_data()
    {
        QTest::addColumn<bool>("bySignificance");
        QTest::addColumn<int>("tests");
        QTest::newRow("significance") << true << 20;
        QTest::newRow("interpretation, every subject") << false << 4;
    }
    void everyOptionBelongsToTheAskedNumber()
    {
        QFETCH(bool, bySignificance);
        QFETCH(int, tests);
        ContentTables catalogue;
        loadContent(catalogue);
        MainWindowFixture f;
        f.chooseActivity(false);
        int asked = 0;
        for (int t = 0; t < tests; ++t) {
            f.chooseMethod(bySignificance);
            if (!bySignificance) {
                for (int s = 0; s < SubjectCount; ++s)
                    f.subject(s)->setChecked(true);
                f.click("cmdNext3");
            }
            while (f.window->currentScreen() == frmMain::QuestionScreenIndex) {
                const QString heading = f.label("lblSubjectName")->text();
                // The texts the heading allows, and the one among them that is right.
                QStringList allowed;
                QString correct;
                for (int s = 0; s < SubjectCount; ++s) {
                    if (bySignificance) {
                        allowed << catalogue.SubjectSignificance[s];
                        if (heading == catalogue.SubjectName[s])
                            correct = catalogue.SubjectSignificance[s];
                        continue;
                    }
                    const QString name = catalogue.SubjectName[s] + QLatin1Char(' ');
                    bool isNumber = false;
                    const int value = heading.mid(name.size()).toInt(&isNumber);
                    if (!heading.startsWith(name) || !isNumber)
                        continue;
                    for (int e = catalogue.FirstInterpretation[s];
                         e <= catalogue.LastInterpretation[s]; ++e) {
                        allowed << catalogue.InterpretationText[e];
                        if (catalogue.InterpretationValue[e] == value)
                            correct = catalogue.InterpretationText[e];
                    }
                }
                QVERIFY2(!correct.isEmpty(), qPrintable(heading));
                QStringList texts;
                for (int i = 0; i < 5; ++i) {
                    texts << pane(f, QStringLiteral("txtOption%1").arg(i))->wholeText();
                    QVERIFY2(allowed.contains(texts.last()),
                             qPrintable(heading + QStringLiteral(": ") + texts.last()));
                }
                QCOMPARE(texts.count(correct), 1);
                QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 5);
                f.radio(qPrintable(QStringLiteral("optChoice%1").arg(asked % 5)))->setChecked(true);
                f.click("cmdNextQuestion");
                ++asked;
            }
            QCOMPARE(f.window->currentScreen(), frmMain::ResultScreen);
            f.click("cmdGoToMain");
            f.click("cmdNext");
        }
        QCOMPARE(asked, tests * (bySignificance ? 10 : 75));
    }

    // A screen reader hears each option with its answer, and the answer boxes' descriptions
    // as plain words rather than the tooltip's markup.
    void questionScreenSpeaksItsAnswers_data()
    {
        QTest::addColumn<bool>("bySignificance");
        QTest::newRow("significance") << true;
        QTest::newRow("interpretation") << false;
    }
    void questionScreenSpeaksItsAnswers()
    {
        QFETCH(bool, bySignificance);
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(bySignificance);
        if (!bySignificance)
            f.tickAndGo({4, 10});
        for (int q = 0; q < 3; ++q) {
            const QString heading = f.label("lblSubjectName")->text();
            for (int i = 0; i < 5; ++i) {
                const QString row = QStringLiteral("question %1, row %2").arg(q + 1).arg(i + 1);
                RichTextPane* box = pane(f, QStringLiteral("txtOption%1").arg(i));
                QRadioButton* option = f.radio(qPrintable(QStringLiteral("optChoice%1").arg(i)));
                const QString answer = box->toPlainText();
                QVERIFY2(answer.size() > 40, qPrintable(row));
                QAccessibleInterface* choice = QAccessible::queryAccessibleInterface(option);
                QAccessibleInterface* text = QAccessible::queryAccessibleInterface(box);
                QVERIFY(choice && text);
                QCOMPARE(choice->text(QAccessible::Name),
                         QStringLiteral("Choice %1: %2").arg(i + 1).arg(answer));
                QCOMPARE(choice->text(QAccessible::Description), heading);
                QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Answer %1").arg(i + 1));
                QCOMPARE(text->text(QAccessible::Description), answer);
                // The pointer still gets the whole answer in a tip of the box's measure.
                QVERIFY2(box->toolTip().startsWith(QStringLiteral("<table")), qPrintable(row));
            }
            f.radio("optChoice1")->setChecked(true);
            f.click("cmdNextQuestion");
        }
    }

    void mainScreenKeepsTheReport()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(true);
        answerToTheEnd(f);
        const QString report = pane(f, QStringLiteral("RTBTestResult"))->wholeText();
        f.click("cmdGoToMain");
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
        QVERIFY(f.radio("optMain1")->isChecked());
        QCOMPARE(pane(f, QStringLiteral("RTBTestResult"))->wholeText(), report);
        // A second test draws afresh and counts from one again.
        f.click("cmdNext");
        f.click("cmdNext2");
        QCOMPARE(counter(f), QStringLiteral("Question 1 of 10"));
        QVERIFY(f.window->session().test.QuestionsDrawn);
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
