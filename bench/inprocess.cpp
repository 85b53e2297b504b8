// Benchmarks inside the process, with Qt Test's QBENCHMARK. Each figure that has a floor is a
// data-driven function with a "corvella" row (what the program does) and a "floor" row (the
// least any Qt program would do for the same visible result, measured in the same run on a
// QTextEdit of the same size and font). Nothing here passes or fails on time; the checks only
// make sure that both rows produce the same text, so that the floor is an honest one.
//
// bench/run.sh runs this with -median and turns the figures into ratios.
#include "support/fakes.h"

#include "content/modLearnNumerology.h"
#include "learn/learnviews.h"
#include "platform/qtservices.h"
#include "platform/richtextpane.h"
#include "practice/cards.h"
#include "practice/progress.h"
#include "quiz/resultreport.h"
#include "shell/clipboardguard.h"
#include "shell/frmMain.h"
#include "shell/practicewindow.h"
#include "shell/windowlook.h"
#include "shell/yournumbers.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

using namespace corvella;

namespace {

constexpr int BirthdayNumber = 4;

// The main window as the program builds it: the quiz and the message boxes on fakes (so that
// draws repeat from run to run and no box ever waits for a click), the clipboard guard on the
// real clipboard.
struct BenchWindow
{
    testing::FakeServices fakes;
    QtClipboard clipboard;
    std::unique_ptr<frmMain> window;

    BenchWindow()
    {
        Services services = fakes.services();
        services.clipboard = &clipboard;
        window = std::make_unique<frmMain>(services);
        window->show();
    }
    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    void click(const QString& button) const { find<QPushButton>(button)->click(); }
    void choose(const QString& option) const { find<QRadioButton>(option)->setChecked(true); }
};

// A plain QTextEdit lying exactly over the pane, with the pane's font: the floor's canvas.
std::unique_ptr<QTextEdit> floorEditOver(RichTextPane* pane)
{
    auto edit = std::make_unique<QTextEdit>(pane->parentWidget());
    edit->setGeometry(pane->geometry());
    edit->setFont(pane->font());
    edit->setReadOnly(true);
    edit->show();
    edit->raise();
    return edit;
}

// QTextEdit lays a long text that arrives in one piece out in steps, most of them later from a
// timer, while text inserted piece by piece is laid out as it comes. The main figures count the
// time until the whole text is laid out, whichever way it was put in; the "call only" rows show
// the time until the call returns.
void finishLayout(QTextEdit* edit)
{
    edit->document()->documentLayout()->documentSize();
}

// The lines of a document whose first character is bold, for comparing emphasis.
QStringList boldLines(const QTextDocument* document)
{
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextBlock::iterator first = block.begin();
        if (!first.atEnd() && first.fragment().charFormat().fontWeight() >= QFont::Bold)
            lines << block.text();
    }
    return lines;
}

// The report as one piece of HTML: one margin-free paragraph per line, headings in <b>.
QString reportAsHtml(const QString& plainReport, const QStringList& headings)
{
    QString html = QStringLiteral("<html><body>");
    const QStringList lines = plainReport.split(QLatin1Char('\n'));
    int nextHeading = 0;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            // How Qt itself writes an empty paragraph; a bare <br /> would add a line.
            html += QStringLiteral("<p style=\"-qt-paragraph-type:empty; margin-top:0px; "
                                   "margin-bottom:0px;\"><br /></p>");
            continue;
        }
        html += QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px;\">");
        const bool heading = nextHeading < headings.size() && line == headings.at(nextHeading);
        if (heading) {
            ++nextHeading;
            html += QStringLiteral("<b>") + line.toHtmlEscaped() + QStringLiteral("</b></p>");
        } else {
            html += line.toHtmlEscaped() + QStringLiteral("</p>");
        }
    }
    return html + QStringLiteral("</body></html>");
}

// Five questions on every subject, spread over each subject's values; every third answer is
// wrong, so that the report has both kinds of block.
TestState seventyFiveQuestions(const ContentTables& content)
{
    TestState test;
    for (int s = 0; s < SubjectCount; ++s) {
        const int first = content.FirstInterpretation[s];
        const int span = content.LastInterpretation[s] - first + 1;
        for (int k = 0; k < 5; ++k) {
            const int entry = first + k * span / 5;
            const int q = static_cast<int>(test.InterpretationQuestions.size());
            const int answered = q % 3 == 2 ? first + (k * span / 5 + 1) % span : entry;
            test.InterpretationQuestions << qint16(entry);
            test.InterpretationAnswers << content.InterpretationText[answered];
        }
    }
    test.QuestionsDrawn = true;
    test.CurrentQuestion = qint16(test.InterpretationQuestions.size());
    return test;
}

// Every card seen, spread over the boxes and due dates, 10,000 finished tests, and a last test
// of ten questions, half of them missed.
practice::Progress longHistory(const QDate& today)
{
    ContentTables content;
    corvella::loadContent(content);
    practice::Progress progress;
    const QList<practice::CardId> cards = practice::allCards(content);
    for (int i = 0; i < cards.size(); ++i) {
        const int box = 1 + i % 5;
        progress.cards.insert(
            practice::cardKey(cards[i]),
            practice::stateFromBox(box, today.addDays(i % 7 - 3), i % 11, i % 3, false));
    }
    // 9,999 here and the last one below.
    for (int i = 0; i < 9999; ++i)
        progress.tests.append({today.addDays(i / 20 - 600), i % 2 == 0, i % 11, 10});
    QList<practice::TestQuestion> questions;
    for (int s = 0; s < 10; ++s) {
        const QString correct = content.SubjectSignificance[s];
        questions.append({content.SubjectName[s],
                          s % 2 == 0 ? correct : content.SubjectSignificance[s + 1], correct,
                          practice::cardOfSignificanceQuestion(s)});
    }
    practice::recordFinishedTest(progress, {today, true, 5, 10}, questions);
    return progress;
}

} // namespace

class BenchCorvella : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        substituteForVerdana(); // as the program does at start-up
    }

    void loadContent()
    {
        ContentTables tables;
        QBENCHMARK
        {
            corvella::loadContent(tables);
        }
        QCOMPARE(tables.SubjectName[BirthdayNumber], QStringLiteral("Birthday Number"));
    }

    void drawLongestRecord_data() { floorRowsWithLayout(); }
    void drawLongestRecord()
    {
        QFETCH(bool, floor);
        QFETCH(bool, waitForLayout);
        BenchWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        // Learn by interpretation with the Birthday Number ticked: its 31 entries on screen.
        w.choose(QStringLiteral("optMain0"));
        w.click(QStringLiteral("cmdNext"));
        w.choose(QStringLiteral("optOption1"));
        w.click(QStringLiteral("cmdNext2"));
        w.find<QCheckBox>(QStringLiteral("chkSubject%1").arg(BirthdayNumber))->setChecked(true);
        w.click(QStringLiteral("cmdNext3"));
        QCOMPARE(w.window->currentScreen(), (frmMain::LearnScreen));
        auto* pane = w.find<RichTextPane>(QStringLiteral("RTBLearn"));
        const QString finalText = pane->toPlainText();
        QCOMPARE(finalText.count(QStringLiteral("Birthday Number ")), 31);

        ContentTables content;
        const StudySession session = w.window->session();
        QCOMPARE(session.CurrentRecord, qint16(BirthdayNumber));

        if (floor) {
            const auto edit = floorEditOver(pane);
            QBENCHMARK
            {
                edit->setPlainText(finalText);
                if (waitForLayout)
                    finishLayout(edit.get());
            }
            QCOMPARE(edit->toPlainText(), finalText);
        } else {
            QBENCHMARK
            {
                learn::showInterpretationRecord(content, session, *pane);
                if (waitForLayout)
                    finishLayout(pane);
            }
            QCOMPARE(pane->toPlainText(), finalText);
        }
    }

    void writeReport75_data() { floorRowsWithLayout(); }
    void writeReport75()
    {
        QFETCH(bool, floor);
        QFETCH(bool, waitForLayout);
        BenchWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->showScreen(frmMain::ResultScreen);
        auto* pane = w.find<RichTextPane>(QStringLiteral("RTBTestResult"));

        ContentTables content;
        corvella::loadContent(content);
        const TestState test = seventyFiveQuestions(content);
        QStringList headings;
        for (qint16 entry : test.InterpretationQuestions)
            headings << entryHeading(content, entry);

        // The report the program writes, once, for the floor to reproduce.
        drawTestReport(makeTestReport(false, test, content), *pane);
        const QString finalText = pane->toPlainText();
        QVERIFY(finalText.endsWith(QStringLiteral(" Correct out of 75 Questions")));
        QCOMPARE(boldLines(pane->document()), headings);

        if (floor) {
            const auto edit = floorEditOver(pane);
            const QString html = reportAsHtml(finalText, headings);
            QBENCHMARK
            {
                edit->setHtml(html);
                if (waitForLayout)
                    finishLayout(edit.get());
            }
            QCOMPARE(edit->toPlainText(), finalText);
            QCOMPARE(boldLines(edit->document()), headings);
        } else {
            QBENCHMARK
            {
                drawTestReport(makeTestReport(false, test, content), *pane);
                if (waitForLayout)
                    finishLayout(pane);
            }
            QCOMPARE(pane->toPlainText(), finalText);
        }
    }

    // The handler every change, click and mouse event of a pane runs, on the real clipboard,
    // which another program owns (the case of every event after the first).
    void clipboardGuard()
    {
        QtClipboard clipboard;
        QVERIFY(!clipboard.ownsClipboard());
        ClipboardGuard guard(clipboard);
        QBENCHMARK
        {
            guard.guard();
        }
    }

    // One mouse movement over the learn pane, through Qt's event delivery: the guard plus what
    // QTextEdit does for every movement anyway. The floor is the same movement over a QTextEdit.
    void paneMouseMove_data() { floorRows(); }
    void paneMouseMove()
    {
        QFETCH(bool, floor);
        BenchWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->showScreen(frmMain::LearnScreen);
        auto* pane = w.find<RichTextPane>(QStringLiteral("RTBLearn"));
        pane->setWholeText(QStringLiteral("Some text under the pointer"));

        std::unique_ptr<QTextEdit> edit;
        QWidget* target = pane->viewport();
        if (floor) {
            edit = floorEditOver(pane);
            edit->setMouseTracking(true);
            edit->viewport()->setMouseTracking(true);
            edit->setPlainText(QStringLiteral("Some text under the pointer"));
            target = edit->viewport();
        }
        const QPointF at(20, 8);
        const QPointF global = target->mapToGlobal(at);
        QBENCHMARK
        {
            QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
        }
    }

    // Test by interpretation on all fifteen subjects, 75 questions, clicked through the window
    // from the start screen to the report and back, with the window repainted after each click.
    void wholeTest75()
    {
        BenchWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto click = [&w](const QString& button) {
            w.click(button);
            QCoreApplication::processEvents();
        };
        int rounds = 0;
        QBENCHMARK
        {
            w.choose(QStringLiteral("optMain1"));
            click(QStringLiteral("cmdNext"));
            w.choose(QStringLiteral("optOption1"));
            click(QStringLiteral("cmdNext2"));
            for (int s = 0; s < SubjectCount; ++s)
                w.find<QCheckBox>(QStringLiteral("chkSubject%1").arg(s))->setChecked(true);
            click(QStringLiteral("cmdNext3"));
            for (int q = 0; q < 75; ++q) {
                w.choose(QStringLiteral("optChoice%1").arg(q % 5));
                click(QStringLiteral("cmdNextQuestion"));
            }
            click(QStringLiteral("cmdGoToMain"));
            ++rounds;
        }
        QVERIFY(rounds > 0);
        QCOMPARE(w.window->currentScreen(), (frmMain::StartScreen));
        const QString report = w.find<RichTextPane>(QStringLiteral("RTBTestResult"))->wholeText();
        QCOMPARE(report.count(QStringLiteral("\r\nCorrect Choice: \r\n")), 75);
        QVERIFY(report.endsWith(QStringLiteral(" Correct out of 75 Questions")));
        QVERIFY(w.fakes.messages.shown.isEmpty());
    }

    // The Your Numbers window: a name and two dates in, the fifteen numbers with their working
    // and meanings calculated, written into the pane, laid out and painted. Target: one frame
    // (16 ms).
    void yourNumbersChart()
    {
        BenchWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
        auto* window = w.window->findChild<YourNumbers*>();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->findChild<QLineEdit*>(QStringLiteral("txtName"))
            ->setText(QStringLiteral("Mary-Jane Holly O'Brien Norris"));
        window->findChild<QLineEdit*>(QStringLiteral("txtBirth"))
            ->setText(QStringLiteral("1958-02-09"));
        window->findChild<QLineEdit*>(QStringLiteral("txtLookAt"))
            ->setText(QStringLiteral("2026-12-07"));
        auto* pane = window->findChild<RichTextPane*>(QStringLiteral("RTBChart"));
        QBENCHMARK
        {
            window->cmdCalculate_Click();
            finishLayout(pane);
            pane->viewport()->repaint();
        }
        QVERIFY(w.fakes.messages.shown.isEmpty());
        QCOMPARE(boldLines(pane->document()).size(), SubjectCount);
    }

    // The practice window opened on a long history: every card seen, 10,000 finished tests and
    // the last one's questions; read from its file, drawn, shown and painted. Its floor: an
    // empty dialog of the same size, shown and painted. Target: 50 ms.
    void openPractice_data() { floorRows(); }
    void openPractice()
    {
        QFETCH(bool, floor);
        BenchWindow w;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("progress.txt"));
        QVERIFY(practice::saveProgress(file, longHistory(w.fakes.clock.date)));
        if (floor) {
            QBENCHMARK
            {
                QDialog dialog(w.window.get());
                dialog.resize(640, 520);
                dialog.show();
                QCoreApplication::processEvents();
                dialog.repaint();
            }
            return;
        }
        int cards = 0;
        QBENCHMARK
        {
            PracticeWindow window(w.fakes.services(), file, QString(), w.window.get());
            window.show();
            QCoreApplication::processEvents();
            window.repaint();
            cards = static_cast<int>(window.offered().size());
        }
        QVERIFY(cards > 0);
    }

    // One card answered and the next shown and painted. Its floor: the answers pane and the
    // question label given the next card's texts in one call each, and painted. Target: 16 ms.
    void answerCard_data() { floorRows(); }
    void answerCard()
    {
        QFETCH(bool, floor);
        BenchWindow w;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("progress.txt"));
        QVERIFY(practice::saveProgress(file, longHistory(w.fakes.clock.date)));
        PracticeWindow window(w.fakes.services(), file, QString(), w.window.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ContentTables content;
        corvella::loadContent(content);
        QList<practice::CardId> cards;
        for (const practice::CardId& card : practice::allCards(content)) {
            if (card.kind != practice::CardKind::Sum)
                cards << card;
        }
        if (floor) {
            auto* answers = window.findChild<RichTextPane*>(QStringLiteral("RTBOptions"));
            auto* question = window.findChild<QLabel*>(QStringLiteral("lblQuestion"));
            int next = 0;
            QBENCHMARK
            {
                const practice::CardId& card = cards[next++ % cards.size()];
                question->setText(practice::cardQuestion(card, content));
                QStringList texts;
                for (int i = 0; i < 5; ++i)
                    texts << QStringLiteral("%1.  ").arg(i + 1) +
                                 practice::cardAnswer(card, content);
                answers->setPlainText(texts.join(QLatin1Char('\n')));
                QCoreApplication::processEvents();
                window.repaint();
            }
            return;
        }
        window.practise(cards);
        QBENCHMARK
        {
            if (window.position() + 1 >= cards.size())
                window.practise(cards);
            window.chooseAnswer(window.currentOptions().correctBox);
            window.cmdNextCard_Click();
            // The layouts Qt posts for later are done too, on both sides.
            QCoreApplication::processEvents();
            window.repaint();
        }
        QCOMPARE(window.phase(), PracticeWindow::Phase::Asking);
    }

    // The part of opening that is reading the file: loadProgress alone on the same history.
    void loadLongHistory()
    {
        BenchWindow w;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("progress.txt"));
        QVERIFY(practice::saveProgress(file, longHistory(w.fakes.clock.date)));
        qsizetype tests = 0;
        QBENCHMARK
        {
            tests = practice::loadProgress(file).progress.tests.size();
        }
        QCOMPARE(tests, 10000);
    }

    // What an answer leaves for later: the whole long history written back through the checked
    // path (temporary file, sync, rename, folder sync). Not part of the answer's time: the
    // window writes a moment after the last answer.
    void saveLongHistory()
    {
        BenchWindow w;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("progress.txt"));
        const practice::Progress progress = longHistory(w.fakes.clock.date);
        QBENCHMARK
        {
            QVERIFY(practice::saveProgress(file, progress));
        }
    }

private:
    static void floorRows()
    {
        QTest::addColumn<bool>("floor");
        QTest::newRow("corvella") << false;
        QTest::newRow("floor") << true;
    }
    // The same, each also without waiting for the layout to finish.
    static void floorRowsWithLayout()
    {
        QTest::addColumn<bool>("floor");
        QTest::addColumn<bool>("waitForLayout");
        QTest::newRow("corvella") << false << true;
        QTest::newRow("floor") << true << true;
        QTest::newRow("corvella call only") << false << false;
        QTest::newRow("floor call only") << true << false;
    }
};

QTEST_MAIN(BenchCorvella)
#include "inprocess.moc"
