// The practice window as the learner uses it: opened from the File menu, cards answered by
// keys and clicks, sums typed, the last test marked, and the progress kept in its file.
#include "support/mainwindowfixture.h"

#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "practice/cards.h"
#include "practice/progress.h"
#include "practice/scheduler.h"
#include "shell/practicewindow.h"
#include "shell/progresschart.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace corvella;
using namespace corvella::testing;
using practice::CardId;
using practice::CardKind;

namespace {

// A main window whose progress file lies in a folder of the test's own.
struct Practising
{
    QTemporaryDir folder;
    MainWindowFixture f;
    QString file = folder.filePath(QStringLiteral("data/progress.txt"));

    Practising() { f.window->setProgressFile(file); }

    // The progress file holds one card, seen before and due today.
    bool oneCardDue(const CardId& card, int box)
    {
        practice::Progress due;
        due.cards[practice::cardKey(card)] =
            practice::stateFromBox(box, f.fakes.clock.date, 1, 0, false);
        return practice::saveProgress(file, due);
    }

    PracticeWindow* open()
    {
        f.window->findChild<QAction*>(QStringLiteral("mnuPractise"))->trigger();
        return f.window->findChild<PracticeWindow*>();
    }

    // A significance test answered in the main window, wrong at the questions listed.
    QList<int> finishSignificanceTest(const QList<int>& wrongAt)
    {
        f.chooseActivity(false);
        f.chooseMethod(true);
        const ContentTables& content = f.window->content();
        QList<int> subjects;
        for (int q = 0; q < 10; ++q) {
            const TestState& test = f.window->session().test;
            const QString correct = content.SubjectSignificance[test.SignificanceOrder[q]];
            subjects << test.SignificanceOrder[q];
            int box = 0;
            for (int i = 0; i < 5; ++i) {
                if (f.find<RichTextPane>(QStringLiteral("txtOption%1").arg(i))->wholeText() ==
                    correct)
                    box = i;
            }
            if (wrongAt.contains(q))
                box = (box + 1) % 5;
            f.radio(qPrintable(QStringLiteral("optChoice%1").arg(box)))->setChecked(true);
            f.click("cmdNextQuestion");
        }
        return subjects;
    }
};

template <typename T> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString verdict(PracticeWindow* w)
{
    return child<QLabel>(w, "lblVerdict")->text();
}

} // namespace

class TestPracticeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fileMenuOpensOneWindowBesideTheMain();
    void escapeClosesAndKeepsTheAnswers();
    void meaningCardsByKeys_data();
    void meaningCardsByKeys();
    void sumCards_data();
    void sumCards();
    void sumsAboutTheRememberedPerson();
    void sumRightByAnotherMethod();
    void lastTestMarkedAndMissedFirst();
    void garbledFileToldOnce();
    void unreachableFileTold();
    void pictureOfProgressInWords();
    void screenReaderHearsTheCard_data();
    void screenReaderHearsTheCard();
};

void TestPracticeWindow::fileMenuOpensOneWindowBesideTheMain()
{
    Practising p;
    const QList<QAction*> items =
        p.f.window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QStringLiteral("&Your Numbers..."));
    QCOMPARE(items[1]->text(), QStringLiteral("&Practise..."));
    QCOMPARE(items[1]->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_R));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("E&xit"));

    p.f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.f.window.get()));
    const QRect screen = p.f.window->screen()->availableGeometry();
    QRect placed = p.f.window->frameGeometry();
    placed.moveCenter(screen.center());
    p.f.window->move(placed.topLeft());
    QTest::keyClick(p.f.window.get(), Qt::Key_R, Qt::ControlModifier);
    auto* w = p.f.window->findChild<PracticeWindow*>();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Practice"));
    QVERIFY(!w->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // Beside the main window where the screen has room.
    QVERIFY(screen.contains(w->frameGeometry()));
    QVERIFY(!w->frameGeometry().intersects(p.f.window->frameGeometry()) ||
            w->frameGeometry().width() > screen.width() - p.f.window->frameGeometry().width());
    // Opening it touched no file: nothing was answered yet.
    QVERIFY(!QFile::exists(p.file));

    // Again from the menu: the same window, brought forward.
    w->chooseAnswer(0);
    p.open();
    QCOMPARE(p.f.window->findChildren<PracticeWindow*>().size(), 1);
    QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);

    // A main window in the corner: the window stays on the screen.
    w->close();
    QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());
    p.f.window->move(screen.topLeft());
    PracticeWindow* again = p.open();
    QVERIFY(screen.contains(again->frameGeometry()));
}

void TestPracticeWindow::escapeClosesAndKeepsTheAnswers()
{
    Practising p;
    p.f.window->show();
    PracticeWindow* w = p.open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const CardId first = w->currentCard();
    QCOMPARE(first.kind, CardKind::Significance); // lesson order: the Life Path's significance
    QCOMPARE(first.subject, 0);
    QTest::keyClick(w, Qt::Key_Escape);
    QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());
    QVERIFY(!QFile::exists(p.file)); // nothing answered, nothing written

    w = p.open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::keyClick(w->focusWidget(), Qt::Key_1);
    QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());
    const practice::ProgressRead read = practice::loadProgress(p.file);
    QCOMPARE(read.status, practice::ProgressRead::Status::Read);
    QCOMPARE(read.progress.cards.size(), 1);
    const practice::CardState state = read.progress.cards.value(practice::cardKey(first));
    QCOMPARE(state.right + state.wrong, 1);
    QCOMPARE(read.progress.days.value(p.f.fakes.clock.date).newShown, 1);

    // The recall to aim at is the learner's, and kept with the answers.
    w = p.open();
    auto* retention = child<QSpinBox>(w, "spnRetention");
    QCOMPARE(retention->value(), 90);
    retention->setValue(80);
    w->close();
    QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());
    QCOMPARE(practice::loadProgress(p.file).progress.settings.desiredRetention, 0.80);
    QCOMPARE(child<QSpinBox>(p.open(), "spnRetention")->value(), 80);
}

// Each of the five keys answers; the key of the correct box is right, any other wrong. Enter
// then shows the next card.
void TestPracticeWindow::meaningCardsByKeys_data()
{
    QTest::addColumn<int>("fromCorrect"); // the key pressed, counted from the correct box
    QTest::newRow("correct key") << 0;
    QTest::newRow("the next key") << 1;
    QTest::newRow("four keys on") << 4;
}

void TestPracticeWindow::meaningCardsByKeys()
{
    QFETCH(int, fromCorrect);
    Practising p;
    p.f.window->show();
    PracticeWindow* w = p.open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* answers = child<RichTextPane>(w, "RTBOptions");
    ContentTables content;
    loadContent(content);
    // Two cards in a row: a significance card, then the Life Path's first meaning card.
    for (int round = 0; round < 2; ++round) {
        const CardId card = w->currentCard();
        QCOMPARE(card.kind, round == 0 ? CardKind::Significance : CardKind::Meaning);
        QCOMPARE(child<QLabel>(w, "lblQuestion")->text(), practice::cardQuestion(card, content));
        QCOMPARE(answers->document()->blockCount(), 5);
        const AnswerOptions options = w->currentOptions();
        const QString correct = practice::cardAnswer(card, content);
        QCOMPARE(options.texts[size_t(options.correctBox)], correct);
        QCOMPARE(answers->document()->findBlockByNumber(options.correctBox).text(),
                 QStringLiteral("%1.  ").arg(options.correctBox + 1) + correct);

        const int box = (options.correctBox + fromCorrect) % 5;
        QTest::keyClick(answers, Qt::Key(Qt::Key_1 + box));
        QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);
        const bool right = fromCorrect == 0;
        QVERIFY2(verdict(w).startsWith(right ? QStringLiteral("\u2713  Right")
                                             : QStringLiteral("\u2717  Wrong")),
                 qPrintable(verdict(w)));
        const QString shown = child<RichTextPane>(w, "RTBFeedback")->toPlainText();
        QVERIFY(shown.contains(correct));
        QCOMPARE(shown.contains(options.texts[size_t(box)]), true);
        const practice::CardState state = w->progress().cards.value(practice::cardKey(card));
        QCOMPARE(state.relearning, !right); // a wrong card comes back in this sitting
        QCOMPARE(state.right, right ? 1 : 0);
        QCOMPARE(state.wrong, right ? 0 : 1);
        // More keys do nothing until Enter moves on.
        QTest::keyClick(w, Qt::Key_2);
        QCOMPARE(w->progress().cards.value(practice::cardKey(card)), state);
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        QCOMPARE(w->position(), round + 1);
        QCOMPARE(w->phase(), PracticeWindow::Phase::Asking);
    }

    // A click on an answer's paragraph answers too; a click below the last answer does not.
    const AnswerOptions options = w->currentOptions();
    const QRect last = answers->cursorRect(
        QTextCursor(answers->document()->findBlockByNumber(AnswerBoxCount - 1)));
    QTest::mouseClick(answers->viewport(), Qt::LeftButton, {},
                      QPoint(last.x() + 5, answers->viewport()->height() - 2));
    QCOMPARE(w->phase(), PracticeWindow::Phase::Asking);
    const QRect line = answers->cursorRect(
        QTextCursor(answers->document()->findBlockByNumber(options.correctBox)));
    QTest::mouseClick(answers->viewport(), Qt::LeftButton, {}, line.center() + QPoint(20, 0));
    QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);
    QVERIFY(verdict(w).startsWith(QStringLiteral("\u2713")));
}

// Bad input costs nothing; a right sum is confirmed with the working, a wrong one shows the
// working and, for a common slip, names it.
void TestPracticeWindow::sumCards_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("outcome"); // "refused", "right" or "wrong"
    QTest::newRow("words") << QStringLiteral("seven") << QStringLiteral("refused");
    QTest::newRow("empty") << QString() << QStringLiteral("refused");
    QTest::newRow("two values for one") << QStringLiteral("3, 7") << QStringLiteral("refused");
    QTest::newRow("the answer") << QStringLiteral("*") << QStringLiteral("right");
    QTest::newRow("another value") << QStringLiteral("+") << QStringLiteral("wrong");
}

void TestPracticeWindow::sumCards()
{
    QFETCH(QString, typed);
    QFETCH(QString, outcome);
    Practising p;
    // The Life Path's sum card, due today, comes first.
    const CardId card{CardKind::Sum, 0, 0};
    QVERIFY(p.oneCardDue(card, 1));
    p.f.window->show();
    PracticeWindow* w = p.open();
    QCOMPARE(w->currentCard(), card);
    QCOMPARE(child<QStackedWidget>(w, "stkCard")->currentWidget()->objectName(),
             QStringLiteral("pageSum"));
    const practice::Person person = w->currentPerson();
    QVERIFY(!person.name.isEmpty());
    QVERIFY(child<QLabel>(w, "lblQuestion")->text().contains(person.name));
    const practice::SumVerdict truth = practice::checkSum(person, numerology::LifePath, {0});
    if (typed == QLatin1String("*"))
        typed = QString::number(truth.expected[0]);
    else if (typed == QLatin1String("+"))
        typed = QString::number(truth.expected[0] % 9 + 1);
    const practice::Progress before = w->progress();

    auto* answer = child<QLineEdit>(w, "txtSumAnswer");
    QTest::keyClicks(answer, typed);
    QTest::keyClick(answer, Qt::Key_Return);
    if (outcome == QLatin1String("refused")) {
        QCOMPARE(w->phase(), PracticeWindow::Phase::Asking);
        QVERIFY(!child<QLabel>(w, "lblSumProblem")->text().isEmpty());
        QCOMPARE(w->progress(), before);
        QCOMPARE(w->currentCard(), card);
        return;
    }
    QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);
    const bool right = outcome == QLatin1String("right");
    QVERIFY(verdict(w).startsWith(right ? QStringLiteral("\u2713") : QStringLiteral("\u2717")));
    const QString shown = child<RichTextPane>(w, "RTBFeedback")->toPlainText();
    for (const QString& line : truth.working)
        QVERIFY2(shown.contains(line), qPrintable(line));
    const practice::SumVerdict given =
        practice::checkSum(person, numerology::LifePath, {typed.toInt()});
    if (!given.slip.isEmpty())
        QVERIFY(shown.contains(given.slip));
    const practice::CardState state = w->progress().cards.value(practice::cardKey(card));
    QCOMPARE(state.right, right ? 2 : 1);
    QCOMPARE(state.wrong, right ? 0 : 1);
    QCOMPARE(state.relearning, !right);
    QCOMPARE(state.due > p.f.fakes.clock.date, right);
}

// The learner may take the sums about the person last charted in Your Numbers instead.
void TestPracticeWindow::sumsAboutTheRememberedPerson()
{
    Practising p;
    const CardId card{CardKind::Sum, 9, 0}; // the Pinnacles: four values
    QVERIFY(p.oneCardDue(card, 2));
    QVERIFY(forgetRememberedPerson());
    PracticeWindow* w = p.open();
    auto* choice = child<QCheckBox>(w, "chkRememberedPerson");
    QVERIFY(choice->isHidden()); // nobody charted yet
    w->close();
    QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());

    QVERIFY(saveRememberedPerson({QStringLiteral("Holly Norris"), QStringLiteral("1980-10-24"),
                                  QStringLiteral("2025-03-17")}));
    w = p.open();
    choice = child<QCheckBox>(w, "chkRememberedPerson");
    QVERIFY(!choice->isHidden());
    QVERIFY(w->currentPerson().name != QStringLiteral("Holly Norris"));
    choice->setChecked(true);
    QCOMPARE(w->currentCard(), card);
    QCOMPARE(w->currentPerson().name, QStringLiteral("Holly Norris"));
    QCOMPARE(w->currentPerson().birth, QDate(1980, 10, 24));
    QVERIFY(child<QLabel>(w, "lblQuestion")->text().contains(QStringLiteral("Holly Norris")));
    QVERIFY(forgetRememberedPerson());
}

// July 7, 1977 gives a Life Path of 11 by the lessons (every digit added: 38, then 11) and 2 by
// the other common method (7 + 7 + 6 = 20): 2 is right by that method, with the lessons' 11
// beside it.
void TestPracticeWindow::sumRightByAnotherMethod()
{
    Practising p;
    const CardId card{CardKind::Sum, 0, 0};
    QVERIFY(p.oneCardDue(card, 1));
    QVERIFY(saveRememberedPerson(
        {QStringLiteral("Holly Norris"), QStringLiteral("1977-07-07"), QString()}));
    PracticeWindow* w = p.open();
    child<QCheckBox>(w, "chkRememberedPerson")->setChecked(true);
    QCOMPARE(w->currentCard(), card);
    auto* answer = child<QLineEdit>(w, "txtSumAnswer");
    QTest::keyClicks(answer, QStringLiteral("2"));
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);
    QVERIFY2(verdict(w).contains(QStringLiteral("Right by another method: 2")),
             qPrintable(verdict(w)));
    const QString shown = child<RichTextPane>(w, "RTBFeedback")->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("The lessons' value is 11.")), qPrintable(shown));
    QCOMPARE(w->progress().cards.value(practice::cardKey(card)).right, 2);
    QVERIFY(forgetRememberedPerson());
}

// The main window's finished test reaches the practice: marked question by question, the
// missed ones offered first and by "Practise these".
void TestPracticeWindow::lastTestMarkedAndMissedFirst()
{
    Practising p;
    const QList<int> wrongAt = {1, 4, 8};
    const QList<int> subjects = p.finishSignificanceTest(wrongAt);
    QCOMPARE(p.f.window->currentScreen(), frmMain::ResultScreen);
    const QString report = p.f.find<RichTextPane>(QStringLiteral("RTBTestResult"))->wholeText();
    QVERIFY(report.endsWith(QStringLiteral("7 Correct out of 10 Questions")));
    // A learner who has never practised is left no file; the test is kept for this run.
    QVERIFY(!QFile::exists(p.file));

    PracticeWindow* w = p.open();
    QList<CardId> missed;
    for (int q : wrongAt)
        missed << practice::cardOfSignificanceQuestion(subjects[q]);
    std::sort(missed.begin(), missed.end(),
              [](const CardId& a, const CardId& b) { return a.subject < b.subject; });
    QCOMPARE(w->offered().mid(0, 3), missed);
    QVERIFY(child<QLabel>(w, "lblCardCount")->text().contains(QStringLiteral("missed")));

    QVERIFY(child<QLabel>(w, "lblScore")
                ->text()
                .contains(QStringLiteral("7 Correct out of 10 Questions")));
    const QTextDocument* doc = child<RichTextPane>(w, "RTBMissed")->document();
    int rights = 0;
    int wrongs = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.isEmpty())
            continue;
        const QColor colour = block.begin().fragment().charFormat().foreground().color();
        if (text.startsWith(QStringLiteral("\u2713 Right"))) {
            ++rights;
            QVERIFY(colour.green() > colour.red());
        } else if (text.startsWith(QStringLiteral("\u2717 Wrong"))) {
            ++wrongs;
            QVERIFY(colour.red() > colour.green());
            const int q = text.section(QLatin1Char(' '), 3, 3).chopped(1).toInt() - 1;
            QVERIFY2(wrongAt.contains(q), qPrintable(text));
        }
    }
    QCOMPARE(rights, 7);
    QCOMPARE(wrongs, 3);
    QCOMPARE(doc->toPlainText().count(QStringLiteral("Correct choice: ")), 3);

    // Practise these: the missed ones at once, in the order of the test.
    QList<CardId> inTestOrder;
    for (int q : wrongAt)
        inTestOrder << practice::cardOfSignificanceQuestion(subjects[q]);
    auto* tabs = child<QTabWidget>(w, "tabPractice");
    tabs->setCurrentWidget(child<QWidget>(w, "pageMissed"));
    child<QPushButton>(w, "cmdPractiseMissed")->click();
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("pageCards"));
    QCOMPARE(w->offered(), inTestOrder);
    QCOMPARE(w->currentCard(), inTestOrder[0]);

    // A second test while the window is open goes into the window's progress, not around it.
    w->chooseAnswer(w->currentOptions().correctBox);
    const QList<int> second = p.finishSignificanceTest({});
    QCOMPARE(w->progress().tests.size(), 2);
    QVERIFY(!child<QPushButton>(w, "cmdPractiseMissed")->isEnabled());
    w->close();
    QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());
    const practice::ProgressRead read = practice::loadProgress(p.file);
    QCOMPARE(read.progress.tests.size(), 2);
    // Right once in practice, and once more if the second test asked it: a test counts too.
    QCOMPARE(read.progress.cards.value(practice::cardKey(inTestOrder[0])).right,
             1 + int(second.contains(inTestOrder[0].subject)));
}

// A garbled file is set aside and the learner told, once: whether the window finds it, or a
// finished test does while no window is open.
void TestPracticeWindow::garbledFileToldOnce()
{
    for (const bool atTestEnd : {false, true}) {
        Practising p;
        QDir().mkpath(QFileInfo(p.file).absolutePath());
        QFile garbled(p.file);
        QVERIFY(garbled.open(QIODevice::WriteOnly));
        garbled.write("\x01\x02 not a progress file\n");
        garbled.close();
        if (atTestEnd)
            p.finishSignificanceTest({0});
        PracticeWindow* w = p.open();
        auto* notice = child<QLabel>(w, "lblNotice");
        QVERIFY2(!notice->isHidden() && !notice->text().isEmpty(), qPrintable(notice->text()));
        QCOMPARE(w->progress().tests.size(), atTestEnd ? 1 : 0);
        w->close();
        QTRY_VERIFY(!p.f.window->findChild<PracticeWindow*>());
        w = p.open();
        QVERIFY(child<QLabel>(w, "lblNotice")->isHidden());
    }
}

// A progress file that cannot be reached (its folder is a file): a test finished meanwhile and
// the window tell the learner in one sentence, not twice; the answers go on, unsaved.
void TestPracticeWindow::unreachableFileTold()
{
    Practising p;
    QFile blocker(p.folder.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    p.f.window->setProgressFile(blocker.fileName() + QStringLiteral("/progress.txt"));
    p.finishSignificanceTest({2});
    PracticeWindow* w = p.open();
    auto* notice = child<QLabel>(w, "lblNotice");
    QVERIFY(!notice->isHidden());
    const QString told = notice->text();
    QCOMPARE(told.count(QStringLiteral("will not be saved")), 1);
    w->chooseAnswer(0);
    QVERIFY(!w->saveNow());
    QCOMPARE(notice->text(), told);
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
    QCOMPARE(w->phase(), PracticeWindow::Phase::Answered);
    w->cmdNextCard_Click();
    QCOMPARE(w->phase(), PracticeWindow::Phase::Asking);
}

void TestPracticeWindow::pictureOfProgressInWords()
{
    ContentTables content;
    loadContent(content);
    const QList<CardId> cards = practice::allCards(content);
    practice::Progress progress;
    progress.cards[practice::cardKey(cards[0])] =
        practice::stateFromBox(3, QDate(2026, 1, 2), 1, 0, false);
    progress.cards[practice::cardKey(cards[1])] =
        practice::stateFromBox(5, QDate(2026, 1, 2), 1, 0, false);
    progress.tests << practice::FinishedTest{QDate(2026, 1, 2), true, 4, 10}
                   << practice::FinishedTest{QDate(2026, 2, 3), false, 9, 10};
    const ProgressPicture picture = makeProgressPicture(progress, cards, content);
    QCOMPARE(picture.bars.size(), SubjectCount);
    int total = 0;
    for (const ProgressPicture::Bar& bar : picture.bars)
        total += bar.total();
    QCOMPARE(total, cards.size());
    QCOMPARE(picture.bars[0].byLevel[3], 1);
    QCOMPARE(picture.bars[0].byLevel[5], 1);
    QCOMPARE(picture.scores.size(), 2);
    QCOMPARE(picture.scores[1].percent, 90.0);

    ProgressChart chart;
    chart.setPicture(picture);
    const QString words = chart.accessibleDescription();
    QVERIFY2(words.contains(content.SubjectName[0] + QStringLiteral(": ")), qPrintable(words));
    QVERIFY(words.contains(QStringLiteral("Level 3 1, Level 5 1")));
    QVERIFY(words.contains(QStringLiteral("the first scored 40%, the last 90%")));
    // Every size follows the font: a larger font asks for more room.
    const QSize small = chart.minimumSizeHint();
    QFont larger = chart.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    chart.setFont(larger);
    QVERIFY(chart.minimumSizeHint().height() > small.height() * 3 / 2);
}

// What a screen reader is given: every label's own text, and on the control that has the
// keyboard the question, the verdict with the correct answer, or the refused input. Ctrl+Z takes
// an answer back.
void TestPracticeWindow::screenReaderHearsTheCard_data()
{
    QTest::addColumn<QString>("typed"); // empty: a meaning card answered by key 1
    QTest::addColumn<QString>("heard");
    QTest::newRow("meaning card") << QString() << QStringLiteral("The correct answer (");
    QTest::newRow("refused sum") << QStringLiteral("seven") << QStringLiteral("seven");
    QTest::newRow("wrong sum") << QStringLiteral("99") << QStringLiteral("the answer is");
}

void TestPracticeWindow::screenReaderHearsTheCard()
{
    QFETCH(QString, typed);
    QFETCH(QString, heard);
    Practising p;
    p.f.window->show();
    PracticeWindow* w = p.open();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    if (!typed.isEmpty())
        w->practise({CardId{CardKind::Sum, 0, 0}});
    const QString question = child<QLabel>(w, "lblQuestion")->text();
    QVERIFY(QApplication::focusWidget()->accessibleDescription().contains(question));
    if (!typed.isEmpty())
        QVERIFY(question.contains(w->currentPerson().name));
    const practice::Progress before = w->progress();
    if (typed.isEmpty()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    } else {
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    const QString spoken = QApplication::focusWidget()->accessibleDescription();
    QVERIFY2(spoken.contains(heard), qPrintable(spoken));
    for (QLabel* label : w->findChildren<QLabel*>())
        QVERIFY2(label->accessibleName().isEmpty(), qPrintable(label->objectName()));
    if (w->phase() != PracticeWindow::Phase::Answered)
        return;
    QVERIFY(spoken.contains(verdict(w)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->phase(), PracticeWindow::Phase::Asking);
    QCOMPARE(w->progress(), before);
}

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
