// A long seeded random walk through the real main window. Every step is one user action on
// the screen in front (a click on one of its buttons, option buttons or check boxes, or a
// mouse press on an answer box), a menu command, or a visit to the About window. After every
// step the window is checked against a model of what that action must have done, and against
// the invariants that hold whatever the history: one screen in front, CurrentRecord within
// the bounds of the screen's activity, the question counter in step with it, every finished
// report complete and correctly scored, and no box or window left open.
//
// Usage: corvella_soak [--actions N] [--seed S] [--leak-per-action BYTES]. The seed is printed
// first, so that a failing walk can be replayed exactly: the program's own random draws are
// seeded from it too.
//
// The walk also samples its resident memory after a warm-up, half way and at the end, and fails
// when it grows by more than 1 MiB per 10,000 actions: a program that keeps something of every
// action shows. --leak-per-action loses that many bytes at every step, to see the check fail.

#include "session/quizsizes.h"
#include "support/mainwindowfixture.h"
#include "version.h"

#include "content/modLearnNumerology.h"
#include "platform/richtextpane.h"
#include "quiz/printcopy.h"
#include "shell/frmAbout.h"
#include "shell/windowlook.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <numeric>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace corvella::testing {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kSelectAnOption = QStringLiteral("Please select an option");
const QString kSelectAtLeastOne = QStringLiteral("Please select at least one option");
const QString kLastRecord = QStringLiteral("You are at the last record");
const QString kFirstRecord = QStringLiteral("You are at the first record");

constexpr int kLastSubject = SubjectCount - 1;
constexpr int kSignificanceQuestions = SignificanceQuestionCount;
constexpr int kAnswerBoxes = AnswerBoxCount;

struct SoakFailure
{
    QString what;
};

[[noreturn]] void fail(const QString& what)
{
    throw SoakFailure{what};
}

void check(bool condition, const QString& what)
{
    if (!condition)
        fail(what);
}

template <typename T> void checkEqual(const T& actual, const T& expected, const QString& what)
{
    if (!(actual == expected))
        fail(QStringLiteral("%1: got %2, expected %3")
                 .arg(what, QVariant::fromValue(actual).toString(),
                      QVariant::fromValue(expected).toString()));
}

QString shortened(QString text)
{
    text.replace(kCrLf, QStringLiteral("\\r\\n"));
    return text.size() > 120 ? text.left(117) + QStringLiteral("...") : text;
}

void checkText(const QString& actual, const QString& expected, const QString& what)
{
    if (actual == expected)
        return;
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
        ++at;
    fail(QStringLiteral("%1: differs at character %2: got \"%3\", expected \"%4\"")
             .arg(what)
             .arg(at)
             .arg(shortened(actual.mid(std::max<qsizetype>(0, at - 20))),
                  shortened(expected.mid(std::max<qsizetype>(0, at - 20)))));
}

// How the About window is closed in one visit.
enum class AboutClose { OkButton, EnterKey, EscapeKey, Reject, CloseBox };

QString aboutCloseName(AboutClose how)
{
    switch (how) {
    case AboutClose::OkButton:
        return QStringLiteral("OK");
    case AboutClose::EnterKey:
        return QStringLiteral("Enter");
    case AboutClose::EscapeKey:
        return QStringLiteral("Escape");
    case AboutClose::Reject:
        return QStringLiteral("reject()");
    case AboutClose::CloseBox:
        return QStringLiteral("close box");
    }
    return {};
}

// What the soak believes the window's state to be, kept from the actions alone.
struct Model
{
    int screen = frmMain::StartScreen;
    bool learnSelected = false;
    bool bySignificance = false;
    int currentRecord = 0;
    int currentQuestion = 0;
    std::array<bool, SubjectSlots> subjectTicked{};

    // The running test, or the last finished one.
    bool testRunning = false;
    int questionCount = 0;
    QList<int> asked;     // subject (significance) or entry (interpretation) per question
    QStringList headings; // lblSubjectName of each question
    QStringList choices;  // the text chosen for each answered question
    QString reportText;   // the last report, as the result pane held it
};

// What one step is expected to do beyond the screen and navigation state in the model.
struct Expectation
{
    QStringList messages;
    QStringList pages; // the page key of each web page opened, in order
    bool prints = false;
    bool finishesTest = false;
};

// Where the deliberate leak of --leak-per-action puts each block it loses.
char* volatile g_leaked = nullptr;

// The process's resident memory, once deleted objects are gone and the allocator has handed
// back what it holds free: what is left is what the program keeps.
qint64 residentBytes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ::malloc_trim(0);
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return -1;
    long long size = 0;
    long long resident = 0;
    const int read = std::fscanf(statm, "%lld %lld", &size, &resident);
    std::fclose(statm);
    return read == 2 ? resident * ::sysconf(_SC_PAGESIZE) : -1;
}

class Soak
{
public:
    Soak(quint64 seed, std::atomic<qint64>& progress) : m_rng(seed), m_progress(progress)
    {
        // The program's own draws follow the seed too, so a walk replays exactly.
        m_f.fakes.random = ScriptedRandom(static_cast<quint32>(seed ^ (seed >> 32)));
        loadContent(m_content);
        for (int entry = 0; entry < InterpretationEntryCount; ++entry)
            m_entryByHeading.insert(headingOf(entry), entry);
        QObject::connect(m_f.window.get(), &frmMain::testFinished, [this] {
            ++m_finishedSignals;
            m_reportAtSignal = pane("RTBTestResult")->wholeText();
        });
    }

    void run(qint64 actions)
    {
        m_f.window->show();
        QCoreApplication::processEvents();
        checkInvariants();
        const qint64 warmUp = warmUpActions(actions);
        const qint64 middle = warmUp + (actions - warmUp) / 2;
        for (m_step = 1; m_step <= actions; ++m_step) {
            m_progress.store(m_step);
            m_f.fakes.clock.ms = (m_step * 7919) % (24 * 3600 * 1000);
            oneStep();
            if (m_leakPerAction > 0) {
                // Checks the check: memory that is never given back, as a leak would hold it.
                char* lost = new char[m_leakPerAction];
                std::memset(lost, int(m_step), m_leakPerAction);
                g_leaked = lost;
            }
            if (m_step == warmUp || m_step == middle || m_step == actions)
                m_memory.push_back({m_step, residentBytes()});
        }
    }

    // Resident memory is first sampled once caches have filled and every window the walk
    // opens has been built at least once.
    static qint64 warmUpActions(qint64 actions) { return std::min<qint64>(2000, actions / 3); }

    struct MemorySample
    {
        qint64 step;
        qint64 resident;
    };
    const std::vector<MemorySample>& memory() const { return m_memory; }
    void leakPerAction(size_t bytes) { m_leakPerAction = bytes; }

    qint64 step() const { return m_step; }
    int testsFinished() const { return m_finishedSignals; }
    int reportsChecked() const { return m_reportsChecked; }
    int aboutVisits() const { return m_aboutVisits; }
    qint64 printJobs() const { return m_f.fakes.printer.jobCount; }
    // How much of the program the walk reached: tests of each kind, the longest test, and
    // how often each message box came up.
    QString coverage() const
    {
        QStringList counts;
        for (const QString& text : {kSelectAnOption, kSelectAtLeastOne, kLastRecord, kFirstRecord})
            counts << QStringLiteral("\"%1\" %2").arg(text).arg(m_boxes.value(text));
        return QStringLiteral(
                   "%1 significance tests, %2 interpretation tests (longest %3 questions), "
                   "%4 web pages, %5 Next on the last significance record; message boxes: %6")
            .arg(m_significanceTests)
            .arg(m_interpretationTests)
            .arg(m_longestTest)
            .arg(m_f.fakes.web.openedCount)
            .arg(m_significanceEnds)
            .arg(counts.join(QStringLiteral(", ")));
    }
    QString recentActions() const
    {
        QString text;
        for (const QString& line : m_log)
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
        return text;
    }

private:
    // ---- choosing and doing one action -------------------------------------------------

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    void note(const QString& action)
    {
        m_log.push_back(QStringLiteral("step %1: %2").arg(m_step).arg(action));
        if (m_log.size() > 15)
            m_log.pop_front();
    }

    void oneStep()
    {
        const qint64 messagesBefore = m_f.fakes.messages.shownCount;
        const qint64 pagesBefore = m_f.fakes.web.openedCount;
        const qint64 jobsBefore = m_f.fakes.printer.jobCount;
        const int finishedBefore = m_finishedSignals;
        m_expect = Expectation();

        const int roll = below(100);
        if (roll < 2)
            aboutWindow();
        else if (roll < 10)
            menuCommand();
        else
            screenControl();
        // Let anything the action posted run, as it would between two real user actions.
        QCoreApplication::processEvents();

        // The fakes keep only their latest entries: this step's are the last ones.
        const QList<FakeMessageBoxes::Shown> boxes =
            latest(m_f.fakes.messages.shown, m_f.fakes.messages.shownCount - messagesBefore);
        QStringList shown;
        for (const FakeMessageBoxes::Shown& box : boxes) {
            ++m_boxes[box.text];
            check(box.kind == QLatin1String("error"),
                  QStringLiteral("message box \"%1\" shown as %2, expected the error box")
                      .arg(box.text, box.kind));
            shown << box.text;
        }
        if (shown != m_expect.messages)
            fail(QStringLiteral("message boxes shown: [%1], expected: [%2]")
                     .arg(shown.join(QStringLiteral(" | ")),
                          m_expect.messages.join(QStringLiteral(" | "))));
        const QList<QUrl> opened =
            latest(m_f.fakes.web.opened, m_f.fakes.web.openedCount - pagesBefore);
        checkEqual<qsizetype>(opened.size(), m_expect.pages.size(),
                              QStringLiteral("web pages opened"));
        for (qsizetype i = 0; i < opened.size(); ++i) {
            const QString address = opened.at(i).toString();
            check(address.endsWith(QStringLiteral("/corvella-free-learn-numerology/ssd.php?page=") +
                                   m_expect.pages.at(i)),
                  QStringLiteral("opened %1, expected the page %2")
                      .arg(address, m_expect.pages.at(i)));
        }
        checkEqual<qint64>(m_f.fakes.printer.jobCount - jobsBefore, m_expect.prints ? 1 : 0,
                           QStringLiteral("print jobs sent"));
        checkEqual(m_finishedSignals - finishedBefore, m_expect.finishesTest ? 1 : 0,
                   QStringLiteral("testFinished signals"));
        if (m_expect.finishesTest)
            checkReport();
        checkInvariants();
    }

    template <typename T> QList<T> latest(const QList<T>& history, qint64 count)
    {
        check(count <= history.size(),
              QStringLiteral("%1 entries in one step, more than a fake keeps").arg(count));
        return history.mid(history.size() - count);
    }

    void screenControl()
    {
        QGroupBox* front = m_f.frame(m_model.screen);
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : front->findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled())
                buttons << button;
        }
        // The buttons that go back towards the start screen come up a third as often as the
        // rest, and the learn screen's Next more often than its Back, so that a walk stays on
        // a screen long enough to reach the last learn record and the end of a long test.
        static const QHash<QString, int> weightOf = {
            {QStringLiteral("cmdBack2"), 1},      {QStringLiteral("cmdBack3"), 1},
            {QStringLiteral("cmdBackToMain"), 1}, {QStringLiteral("cmdGoToMain"), 1},
            {QStringLiteral("cmdNextLearn"), 12}, {QStringLiteral("cmdBackLearn"), 6},
        };
        QList<int> weights;
        for (QAbstractButton* button : buttons)
            weights << weightOf.value(button->objectName(), 3);
        if (m_model.screen == frmMain::QuestionScreenIndex) {
            for (int box = 0; box < kAnswerBoxes; ++box)
                weights << 3;
        }
        int pick = below(std::accumulate(weights.begin(), weights.end(), 0));
        int index = 0;
        while (pick >= weights.at(index))
            pick -= weights.at(index++);
        if (index < buttons.size())
            clickButton(buttons.at(index));
        else
            pressAnswerBox(index - static_cast<int>(buttons.size()));
    }

    void menuCommand()
    {
        static const char* const names[] = {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuMakeMoney"};
        static const char* const keys[] = {"help-web-page", "home-page", "download-web-page",
                                           nullptr};
        const int pick = below(4);
        auto* action = m_f.window->findChild<QAction*>(QLatin1String(names[pick]));
        check(action != nullptr,
              QStringLiteral("menu item %1 not found").arg(QLatin1String(names[pick])));
        note(QStringLiteral("menu %1").arg(action->objectName()));
        if (keys[pick])
            m_expect.pages << QLatin1String(keys[pick]);
        else
            check(!action->isEnabled(), QStringLiteral("Make Money Online can be chosen"));
        action->trigger();
    }

    void pressAnswerBox(int box)
    {
        static const Qt::MouseButton mouseButtons[] = {Qt::LeftButton, Qt::RightButton,
                                                       Qt::MiddleButton};
        const Qt::MouseButton mouseButton = mouseButtons[below(3)];
        QWidget* viewport = pane(QStringLiteral("txtOption%1").arg(box))->viewport();
        const QPoint at(below(viewport->width()), below(viewport->height()));
        note(QStringLiteral("press txtOption%1 with button %2 at (%3, %4)")
                 .arg(box)
                 .arg(int(mouseButton))
                 .arg(at.x())
                 .arg(at.y()));
        QTest::mousePress(viewport, mouseButton, {}, at);
        QTest::mouseRelease(viewport, mouseButton, {}, at);
        for (int i = 0; i < kAnswerBoxes; ++i)
            checkEqual(
                choice(i)->isChecked(), i == box,
                QStringLiteral("optChoice%1 checked after pressing answer box %2").arg(i).arg(box));
    }

    void clickButton(QAbstractButton* button)
    {
        const QString name = button->objectName();
        note(QStringLiteral("click %1").arg(name));
        if (auto* radio = qobject_cast<QRadioButton*>(button)) {
            radio->click();
            check(radio->isChecked(), QStringLiteral("%1 not selected after a click").arg(name));
            for (QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>()) {
                if (other != radio)
                    check(!other->isChecked(),
                          QStringLiteral("%1 still selected after a click on %2")
                              .arg(other->objectName(), name));
            }
            return;
        }
        if (auto* box = qobject_cast<QCheckBox*>(button)) {
            const bool before = box->isChecked();
            box->click();
            checkEqual(box->isChecked(), !before,
                       QStringLiteral("%1 ticked after a click").arg(name));
            return;
        }

        using Handler = void (Soak::*)(QAbstractButton*);
        static const QHash<QString, Handler> handlers = {
            {QStringLiteral("cmdNext"), &Soak::cmdNext},
            {QStringLiteral("cmdBack2"), &Soak::cmdBack2},
            {QStringLiteral("cmdNext2"), &Soak::cmdNext2},
            {QStringLiteral("cmdBack3"), &Soak::cmdBack3},
            {QStringLiteral("cmdNext3"), &Soak::cmdNext3},
            {QStringLiteral("cmdBackToMain"), &Soak::backToStart},
            {QStringLiteral("cmdGoToMain"), &Soak::backToStart},
            {QStringLiteral("cmdNextLearn"), &Soak::cmdNextLearn},
            {QStringLiteral("cmdBackLearn"), &Soak::cmdBackLearn},
            {QStringLiteral("cmdNextQuestion"), &Soak::cmdNextQuestion},
            {QStringLiteral("cmdPrint"), &Soak::cmdPrint},
        };
        const auto handler = handlers.constFind(name);
        check(handler != handlers.constEnd(),
              QStringLiteral("unexpected control %1 on screen %2").arg(name).arg(m_model.screen));
        (this->*handler.value())(button);
    }

    // ---- the buttons, each with what it must do ------------------------------------------

    void cmdNext(QAbstractButton* button)
    {
        const bool learn = m_f.radio("optMain0")->isChecked();
        const bool test = m_f.radio("optMain1")->isChecked();
        const bool firstMethod = m_f.radio("optOption0")->isChecked();
        const bool secondMethod = m_f.radio("optOption1")->isChecked();
        m_model.learnSelected = learn;
        if (learn || test)
            m_model.screen = frmMain::MethodScreen;
        else
            m_expect.messages << kSelectAnOption;
        button->click();
        if (!learn && !test)
            return;
        const QString activity = learn ? QStringLiteral("Learn") : QStringLiteral("Test");
        checkText(m_f.radio("optOption0")->text(),
                  activity + QStringLiteral(" By Significance of Numbers"),
                  QStringLiteral("optOption0 caption"));
        checkText(m_f.radio("optOption1")->text(),
                  activity + QStringLiteral(" By Interpretation of Numbers"),
                  QStringLiteral("optOption1 caption"));
        checkText(m_f.frame(1)->title(), activity + QStringLiteral(" Options"),
                  QStringLiteral("method screen caption"));
        check(
            m_f.radio("optOption0")->isChecked() == firstMethod &&
                m_f.radio("optOption1")->isChecked() == secondMethod,
            QStringLiteral("the method chosen last time changed on the way to the method screen"));
    }

    void cmdBack2(QAbstractButton* button)
    {
        m_model.screen = frmMain::StartScreen;
        button->click();
        for (const char* name : {"optMain0", "optMain1", "optOption0", "optOption1"})
            check(!m_f.radio(name)->isChecked(),
                  QStringLiteral("%1 still selected after Back on the method screen")
                      .arg(QLatin1String(name)));
    }

    void cmdNext2(QAbstractButton* button)
    {
        const bool first = m_f.radio("optOption0")->isChecked();
        const bool second = m_f.radio("optOption1")->isChecked();
        const bool learn = m_model.learnSelected;
        m_model.bySignificance = first;
        if (learn && (first || second))
            m_model.currentRecord = 0;
        if (learn && first)
            m_model.screen = frmMain::LearnScreen;
        else if (second)
            m_model.screen = frmMain::SubjectScreen;
        else if (first)
            startTest(kSignificanceQuestions);
        else
            m_expect.messages << kSelectAnOption;
        button->click();

        if (learn && first) {
            checkText(m_f.frame(2)->title(), QStringLiteral("Learn By Significance"),
                      QStringLiteral("learn screen caption"));
        } else if (second) {
            checkText(m_f.frame(3)->title(),
                      learn ? QStringLiteral("Learn By Interpretation")
                            : QStringLiteral("Test By Interpretation"),
                      QStringLiteral("subject screen caption"));
            checkText(m_f.label("lblCaption5")->text(),
                      learn ? QStringLiteral("Select the options which you would like to memorize.")
                            : QStringLiteral(
                                  "Select the options which you would like to take the test in."),
                      QStringLiteral("subject screen instruction"));
            if (!learn)
                checkText(m_f.label("lblCaption6")->text(),
                          QStringLiteral("Select the correct interpretation for the number "
                                         "displayed at the bottom."),
                          QStringLiteral("question screen instruction"));
        } else if (first) {
            checkText(m_f.frame(4)->title(), QStringLiteral("Test By Significance"),
                      QStringLiteral("question screen caption"));
            checkText(m_f.label("lblCaption6")->text(),
                      QStringLiteral("Select one option from the given choices below."),
                      QStringLiteral("question screen instruction"));
            questionShown();
        }
    }

    void cmdBack3(QAbstractButton* button)
    {
        m_model.screen = frmMain::MethodScreen;
        button->click();
    }

    void cmdNext3(QAbstractButton* button)
    {
        std::array<bool, SubjectSlots> ticks{};
        int count = 0;
        for (int i = 0; i < SubjectCount; ++i) {
            ticks[i] = m_f.subject(i)->isChecked();
            count += ticks[i] ? 1 : 0;
        }
        if (count == 0) {
            m_expect.messages << kSelectAtLeastOne;
            button->click();
            return;
        }
        m_model.subjectTicked = ticks;
        m_model.currentRecord = 0;
        if (m_model.learnSelected) {
            m_model.currentRecord =
                static_cast<int>(std::find(ticks.begin(), ticks.end(), true) - ticks.begin());
            m_model.screen = frmMain::LearnScreen;
        } else {
            startTest(interpretationQuestionCount(count));
        }
        button->click();
        for (int i = 0; i < SubjectCount; ++i)
            check(!m_f.subject(i)->isChecked(),
                  QStringLiteral("chkSubject%1 still ticked after Next").arg(i));
        if (m_model.learnSelected) {
            checkText(m_f.frame(2)->title(), QStringLiteral("Learn By Interpretation"),
                      QStringLiteral("learn screen caption"));
        } else {
            checkText(m_f.frame(4)->title(), QStringLiteral("Test By Interpretation"),
                      QStringLiteral("question screen caption"));
            questionShown();
        }
    }

    void backToStart(QAbstractButton* button)
    {
        m_model.screen = frmMain::StartScreen;
        button->click();
    }

    void cmdNextLearn(QAbstractButton* button)
    {
        int next = m_model.currentRecord + 1;
        if (!m_model.bySignificance) {
            while (next <= kLastSubject && !m_model.subjectTicked[next])
                ++next;
        }
        if (next <= kLastSubject) {
            m_model.currentRecord = next;
        } else {
            m_expect.messages << kLastRecord;
            m_significanceEnds += m_model.bySignificance ? 1 : 0;
        }
        button->click();
    }

    void cmdBackLearn(QAbstractButton* button)
    {
        int previous = m_model.currentRecord - 1;
        if (!m_model.bySignificance) {
            while (previous >= 0 && !m_model.subjectTicked[previous])
                --previous;
        }
        if (previous >= 0)
            m_model.currentRecord = previous;
        else
            m_expect.messages << kFirstRecord;
        button->click();
    }

    void cmdNextQuestion(QAbstractButton* button)
    {
        int chosen = -1;
        for (int i = 0; i < kAnswerBoxes && chosen < 0; ++i) {
            if (choice(i)->isChecked())
                chosen = i;
        }
        if (chosen < 0) {
            QStringList before;
            for (int i = 0; i < kAnswerBoxes; ++i)
                before << answerBox(i)->wholeText();
            const QString counter = m_f.label("lblQuestionNo")->text();
            m_expect.messages << kSelectAnOption;
            button->click();
            for (int i = 0; i < kAnswerBoxes; ++i)
                checkText(answerBox(i)->wholeText(), before.at(i),
                          QStringLiteral("answer box %1 after a refused Next Question").arg(i));
            checkText(m_f.label("lblQuestionNo")->text(), counter,
                      QStringLiteral("question counter after a refused Next Question"));
            return;
        }
        m_model.choices << answerBox(chosen)->wholeText();
        ++m_model.currentQuestion;
        const bool last = m_model.currentQuestion == m_model.questionCount;
        if (last) {
            m_model.screen = frmMain::ResultScreen;
            m_model.testRunning = false;
            m_expect.finishesTest = true;
        }
        button->click();
        for (int i = 0; i < kAnswerBoxes; ++i)
            check(!choice(i)->isChecked(),
                  QStringLiteral("optChoice%1 still selected after an answer").arg(i));
        if (!last)
            questionShown();
    }

    void cmdPrint(QAbstractButton* button)
    {
        m_expect.prints = true;
        button->click();
        check(!m_f.fakes.printer.jobs.isEmpty(), QStringLiteral("Print sent no job"));
        // The copy is the report as the pane holds it, framed by the attribution line; the
        // pane still holds the report written at the end of the last test.
        const QString report = RichTextPane::fromCrLf(m_model.reportText);
        checkText(m_f.fakes.printer.jobs.last(),
                  attributionLine() + QStringLiteral("\n\n") + report + QStringLiteral("\n\n") +
                      attributionLine(),
                  QStringLiteral("printed copy"));
    }

    void aboutWindow()
    {
        const auto how = static_cast<AboutClose>(below(5));
        note(QStringLiteral("About Software, closed by %1").arg(aboutCloseName(how)));
        m_aboutSeen = false;
        m_aboutModal = false;
        m_aboutLeftOpen = false;
        m_aboutTitle.clear();
        m_closerDone = false;
        m_closerAttempts = 0;
        // The window is modal: it is closed from inside its own event loop, and everything
        // is checked only once it has gone (a check that failed while it was open would
        // leave it open).
        QTimer::singleShot(0, [this, how] { closeAbout(how); });
        m_f.window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        ++m_aboutVisits;
        // If no window opened, no event loop ran the closer; give it its chance now.
        for (int i = 0; i < 400 && !m_closerDone; ++i)
            QTest::qWait(5);
        check(m_closerDone, QStringLiteral("the About window's closer never ran"));
        check(m_aboutSeen, QStringLiteral("About Software did not open the About window"));
        check(m_aboutModal, QStringLiteral("the About window was not modal"));
        checkText(m_aboutTitle, QStringLiteral("Corvella Learn Numerology v" CORVELLA_VERSION),
                  QStringLiteral("About window caption"));
        check(!m_aboutLeftOpen,
              QStringLiteral("the About window stayed open after %1").arg(aboutCloseName(how)));
        check(m_f.window->findChildren<frmAbout*>().isEmpty(),
              QStringLiteral("the About window still exists after closing"));
    }

    void closeAbout(AboutClose how)
    {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!about || !about->isVisible()) {
            if (++m_closerAttempts < 100) {
                QTimer::singleShot(10, [this, how] { closeAbout(how); });
                return;
            }
            // Whatever did open must not hold the walk up.
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            m_closerDone = true;
            return;
        }
        m_aboutSeen = true;
        m_aboutModal = about->isModal();
        m_aboutTitle = about->windowTitle();
        switch (how) {
        case AboutClose::OkButton:
            about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            break;
        case AboutClose::EnterKey:
        case AboutClose::EscapeKey: {
            QWidget* target = about->focusWidget() ? about->focusWidget() : about;
            QTest::keyClick(target, how == AboutClose::EnterKey ? Qt::Key_Return : Qt::Key_Escape);
            break;
        }
        case AboutClose::Reject:
            about->reject();
            break;
        case AboutClose::CloseBox:
            about->close();
            break;
        }
        if (about->isVisible()) {
            // Closed the hard way, so that the walk can go on and report it.
            m_aboutLeftOpen = true;
            about->hide();
        }
        m_closerDone = true;
    }

    // ---- the model of a test -------------------------------------------------------------

    void startTest(int questions)
    {
        m_model.screen = frmMain::QuestionScreenIndex;
        m_model.testRunning = true;
        m_model.currentQuestion = 0;
        m_model.questionCount = questions;
        m_model.asked.clear();
        m_model.headings.clear();
        m_model.choices.clear();
    }

    // A new question is on screen: it asks about a known subject or value, every box holds a
    // text that can be an answer, no two boxes the same, and the correct one is among them.
    void questionShown()
    {
        const QString heading = m_f.label("lblSubjectName")->text();
        int asked = -1;
        QString correct;
        if (m_model.bySignificance) {
            asked =
                static_cast<int>(std::find(m_content.SubjectName.begin(),
                                           m_content.SubjectName.begin() + SubjectCount, heading) -
                                 m_content.SubjectName.begin());
            check(asked < SubjectCount,
                  QStringLiteral("question asks about an unknown subject \"%1\"").arg(heading));
            correct = m_content.SubjectSignificance[asked];
        } else {
            asked = m_entryByHeading.value(heading, -1);
            check(asked >= 0,
                  QStringLiteral("question asks about an unknown value \"%1\"").arg(heading));
            correct = m_content.InterpretationText[asked];
        }
        QStringList texts;
        for (int i = 0; i < kAnswerBoxes; ++i) {
            const QString text = answerBox(i)->wholeText();
            texts << text;
            check(isAnswerText(text),
                  QStringLiteral("answer box %1 holds a text that is no answer: \"%2\"")
                      .arg(i)
                      .arg(shortened(text)));
        }
        check(texts.count(correct) == 1,
              QStringLiteral("the correct answer to \"%1\" stands in %2 boxes, expected one")
                  .arg(heading)
                  .arg(texts.count(correct)));
        QStringList distinct = texts;
        distinct.removeDuplicates();
        check(distinct.size() == kAnswerBoxes,
              QStringLiteral("two answer boxes of \"%1\" hold the same text").arg(heading));
        m_model.asked << asked;
        m_model.headings << heading;
    }

    bool isAnswerText(const QString& text) const
    {
        if (m_model.bySignificance)
            return std::find(m_content.SubjectSignificance.begin(),
                             m_content.SubjectSignificance.begin() + SubjectCount,
                             text) != m_content.SubjectSignificance.begin() + SubjectCount;
        return std::find(m_content.InterpretationText.begin(), m_content.InterpretationText.end(),
                         text) != m_content.InterpretationText.end();
    }

    QString correctText(int q) const
    {
        const int asked = m_model.asked.at(q);
        return m_model.bySignificance ? m_content.SubjectSignificance[asked]
                                      : m_content.InterpretationText[asked];
    }

    // The report of the test that just ended, first against the invariants every report
    // keeps, then line by line against the questions asked and the answers given.
    void checkReport()
    {
        const int count = m_model.questionCount;
        const QString report = pane("RTBTestResult")->wholeText();
        checkText(m_reportAtSignal, report, QStringLiteral("report when testFinished was emitted"));
        const QStringList lines = report.split(kCrLf);
        const auto blocks = static_cast<int>(lines.count(QStringLiteral("Your Choice: ")));
        checkEqual(blocks, count, QStringLiteral("report blocks (\"Your Choice: \" lines)"));
        checkEqual(static_cast<int>(lines.count(QStringLiteral("Correct Choice: "))), count,
                   QStringLiteral("report blocks (\"Correct Choice: \" lines)"));
        static const QRegularExpression summary(
            QStringLiteral("^(\\d+) Correct out of (\\d+) Questions$"));
        const QRegularExpressionMatch match = summary.match(lines.last());
        check(match.hasMatch(),
              QStringLiteral("report does not end with its summary: \"%1\"").arg(lines.last()));
        const int score = match.captured(1).toInt();
        checkEqual(match.captured(2).toInt(), count,
                   QStringLiteral("question count in the summary"));
        check(score <= count,
              QStringLiteral("score %1 higher than the question count %2").arg(score).arg(count));

        checkEqual(static_cast<int>(m_model.asked.size()), count,
                   QStringLiteral("questions shown during the test"));
        checkEqual(static_cast<int>(m_model.choices.size()), count,
                   QStringLiteral("answers given during the test"));
        if (m_model.bySignificance) {
            QList<int> subjects = m_model.asked;
            std::sort(subjects.begin(), subjects.end());
            check(std::adjacent_find(subjects.begin(), subjects.end()) == subjects.end(),
                  QStringLiteral("a subject was asked twice in one significance test"));
        } else {
            int q = 0;
            for (int subject = 0; subject < SubjectCount; ++subject) {
                if (!m_model.subjectTicked[subject])
                    continue;
                QList<int> entries = m_model.asked.mid(q, EntriesPerTickedSubject);
                for (int entry : entries)
                    check(entry >= m_content.FirstInterpretation[subject] &&
                              entry <= m_content.LastInterpretation[subject],
                          QStringLiteral("question %1 is not about the ticked subject %2")
                              .arg(q + 1)
                              .arg(subject));
                std::sort(entries.begin(), entries.end());
                check(std::adjacent_find(entries.begin(), entries.end()) == entries.end(),
                      QStringLiteral("a value of subject %1 was asked twice").arg(subject));
                q += EntriesPerTickedSubject;
            }
        }

        QString expected;
        int expectedScore = 0;
        QList<bool> emphasised; // per line of the report
        auto addLines = [&](const QString& text, bool emphasis) {
            expected += text + kCrLf;
            for (qsizetype i = 0, n = text.split(kCrLf).size(); i < n; ++i)
                emphasised << emphasis;
        };
        for (int q = 0; q < count; ++q) {
            const QString correct = correctText(q);
            addLines(m_model.headings.at(q), true);
            addLines(QStringLiteral("Your Choice: "), false);
            addLines(m_model.choices.at(q), false);
            addLines(QStringLiteral("Correct Choice: "), false);
            addLines(correct, false);
            addLines(QString(), false);
            expectedScore += m_model.choices.at(q) == correct ? 1 : 0;
        }
        expected += QStringLiteral("%1 Correct out of %2 Questions").arg(expectedScore).arg(count);
        emphasised << false;
        checkEqual(score, expectedScore, QStringLiteral("score"));
        checkText(report, expected, QStringLiteral("report text"));
        checkText(m_f.frame(5)->title(),
                  m_model.bySignificance ? QStringLiteral("Test Result: Significance")
                                         : QStringLiteral("Test Result: Interpretation"),
                  QStringLiteral("result screen caption"));

        // Only the heading lines are emphasised.
        int line = 0;
        for (QTextBlock block = pane("RTBTestResult")->document()->begin(); block.isValid();
             block = block.next(), ++line) {
            check(line < emphasised.size(), QStringLiteral("report has more lines than expected"));
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const bool bold = it.fragment().charFormat().fontWeight() > QFont::Normal;
                check(bold == emphasised.at(line),
                      QStringLiteral("report line %1 (\"%2\") %3 emphasised")
                          .arg(line + 1)
                          .arg(shortened(block.text()),
                               bold ? QStringLiteral("is") : QStringLiteral("is not")));
            }
        }

        // The report ends the test: nothing of it carries over into the next one.
        const TestState& test = m_f.window->session().test;
        check(!test.QuestionsDrawn && test.InterpretationQuestions.isEmpty() &&
                  test.InterpretationAnswers.isEmpty(),
              QStringLiteral("the test state was not emptied by the report"));
        check(std::all_of(test.SignificanceOrder.begin(), test.SignificanceOrder.end(),
                          [](qint16 s) { return s == 0; }) &&
                  std::all_of(test.SignificanceAnswers.begin(), test.SignificanceAnswers.end(),
                              [](const QString& s) { return s.isEmpty(); }),
              QStringLiteral("the significance answers were not emptied by the report"));
        m_model.subjectTicked.fill(false);
        m_model.reportText = report;
        ++m_reportsChecked;
        ++(m_model.bySignificance ? m_significanceTests : m_interpretationTests);
        m_longestTest = std::max(m_longestTest, count);
    }

    // ---- invariants after every step -----------------------------------------------------

    void checkPhase(Phase phase)
    {
        const bool sig = m_model.bySignificance;
        switch (m_model.screen) {
        case frmMain::LearnScreen:
            checkEqual(int(phase),
                       int(sig ? Phase::LearningBySignificance : Phase::LearningByInterpretation),
                       QStringLiteral("phase on the learn screen"));
            break;
        case frmMain::QuestionScreenIndex:
            checkEqual(int(phase),
                       int(sig ? Phase::TestingBySignificance : Phase::TestingByInterpretation),
                       QStringLiteral("phase on the question screen"));
            break;
        case frmMain::ResultScreen:
            checkEqual(int(phase), int(Phase::ShowingResult),
                       QStringLiteral("phase on the result screen"));
            break;
        default:
            checkEqual(int(phase), int(Phase::Choosing), QStringLiteral("phase while choosing"));
            break;
        }
    }

    void checkInvariants()
    {
        // Exactly one screen in front, the one the actions lead to, on top of the others.
        int visible = 0;
        for (int i = 0; i < 6; ++i)
            visible += m_f.frame(i)->isVisible() ? 1 : 0;
        checkEqual(visible, 1, QStringLiteral("screens visible"));
        checkEqual(int(m_f.window->currentScreen()), m_model.screen,
                   QStringLiteral("screen in front"));
        QGroupBox* front = m_f.frame(m_model.screen);
        check(front->isVisible(), QStringLiteral("screen %1 is not visible").arg(m_model.screen));
        QWidget* hit = front->parentWidget()->childAt(front->geometry().center());
        check(hit == front || front->isAncestorOf(hit),
              QStringLiteral("screen %1 is not on top of the others").arg(m_model.screen));
        checkControlsInFront(front);

        // The navigation state follows the model.
        const StudySession& nav = m_f.window->session();
        checkEqual(nav.LearnSelected, m_model.learnSelected, QStringLiteral("LearnSelected"));
        checkEqual(nav.BySignificance, m_model.bySignificance, QStringLiteral("BySignificance"));
        checkEqual(int(nav.CurrentRecord), m_model.currentRecord, QStringLiteral("CurrentRecord"));
        for (int i = 0; i < SubjectSlots; ++i)
            checkEqual(nav.SubjectTicked[i], m_model.subjectTicked[i],
                       QStringLiteral("SubjectTicked(%1)").arg(i));
        check(!nav.SubjectTicked[SubjectSlots - 1], QStringLiteral("SubjectTicked(15) is set"));

        // The phase is the activity of the screen in front.
        checkPhase(nav.phase);

        // CurrentRecord and CurrentQuestion within the bounds of what the screen in front is
        // doing.
        const int record = nav.CurrentRecord;
        const int question = nav.test.CurrentQuestion;
        const TestState& test = nav.test;
        switch (m_model.screen) {
        case frmMain::LearnScreen:
            check(record >= 0 && record <= kLastSubject,
                  QStringLiteral("learn record %1 out of 0..14").arg(record));
            check(nav.BySignificance || nav.SubjectTicked[record],
                  QStringLiteral("learn record %1 is not a ticked subject").arg(record));
            checkLearnRecord(record);
            break;
        case frmMain::QuestionScreenIndex: {
            const int count = nav.BySignificance
                                  ? kSignificanceQuestions
                                  : static_cast<int>(test.InterpretationQuestions.size());
            check(test.QuestionsDrawn,
                  QStringLiteral("question screen in front without a drawn test"));
            checkEqual(count, m_model.questionCount, QStringLiteral("question count"));
            checkEqual(question, m_model.currentQuestion, QStringLiteral("CurrentQuestion"));
            check(question >= 0 && question < count,
                  QStringLiteral("question number %1 out of 0..%2").arg(question).arg(count - 1));
            checkText(m_f.label("lblQuestionNo")->text(),
                      QStringLiteral("Question %1 of %2").arg(question + 1).arg(count),
                      QStringLiteral("question counter"));
            if (!nav.BySignificance)
                checkEqual(static_cast<int>(test.InterpretationAnswers.size()), count,
                           QStringLiteral("interpretation answer slots"));
            break;
        }
        case frmMain::ResultScreen:
            checkEqual(question, 0, QStringLiteral("CurrentQuestion on the result screen"));
            break;
        default:
            check(record >= 0 && record <= kLastSubject,
                  QStringLiteral("CurrentRecord %1 out of 0..14").arg(record));
            break;
        }
        // A test runs only while its questions are on screen: it cannot be left half done.
        checkEqual(test.QuestionsDrawn, m_model.testRunning, QStringLiteral("QuestionsDrawn"));
        checkEqual(
            m_model.testRunning, m_model.screen == frmMain::QuestionScreenIndex,
            QStringLiteral("a test is running exactly while the question screen is in front"));

        // Nothing left open: no modal window, no top-level window but the main one.
        check(QApplication::activeModalWidget() == nullptr,
              QStringLiteral("a modal window is open: %1")
                  .arg(QApplication::activeModalWidget()
                           ? QApplication::activeModalWidget()->windowTitle()
                           : QString()));
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != m_f.window.get() && top->isVisible())
                fail(QStringLiteral("a window other than the main window is open: %1 \"%2\"")
                         .arg(QLatin1String(top->metaObject()->className()), top->windowTitle()));
        }
        check(!m_f.window->findChild<QAction*>(QStringLiteral("mnuMakeMoney"))->isEnabled(),
              QStringLiteral("Make Money Online has become available"));
        check(!pane("RTB1")->isVisible(), QStringLiteral("the print buffer RTB1 is visible"));
    }

    // The user works only with the screen in front: its controls, and no others, are there.
    void checkControlsInFront(QGroupBox* front)
    {
        static const std::array<QStringList, 6> expected = [] {
            std::array<QStringList, 6> names;
            names[0] = QStringList{QStringLiteral("optMain0"), QStringLiteral("optMain1"),
                                   QStringLiteral("cmdNext")};
            names[1] = QStringList{QStringLiteral("optOption0"), QStringLiteral("optOption1"),
                                   QStringLiteral("cmdBack2"), QStringLiteral("cmdNext2")};
            names[2] = QStringList{QStringLiteral("cmdBackToMain"), QStringLiteral("cmdBackLearn"),
                                   QStringLiteral("cmdNextLearn")};
            for (int i = 0; i < SubjectCount; ++i)
                names[3] << QStringLiteral("chkSubject%1").arg(i);
            names[3] << QStringLiteral("cmdBack3") << QStringLiteral("cmdNext3");
            for (int i = 0; i < kAnswerBoxes; ++i)
                names[4] << QStringLiteral("optChoice%1").arg(i);
            names[4] << QStringLiteral("cmdNextQuestion");
            names[5] = QStringList{QStringLiteral("cmdPrint"), QStringLiteral("cmdGoToMain")};
            for (QStringList& list : names)
                list.sort();
            return names;
        }();
        QStringList found;
        for (QAbstractButton* button : front->window()->findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled() && front->isAncestorOf(button))
                found << button->objectName();
            else if (button->isVisible() && button->isEnabled() &&
                     !button->objectName().startsWith(QLatin1String("qt_")))
                fail(QStringLiteral("control %1 of a covered screen can be used")
                         .arg(button->objectName()));
        }
        found.sort();
        if (found != expected[m_model.screen])
            fail(QStringLiteral("controls of screen %1: [%2], expected [%3]")
                     .arg(m_model.screen)
                     .arg(found.join(QStringLiteral(", ")),
                          expected[m_model.screen].join(QStringLiteral(", "))));
    }

    // The learn screen shows the record of CurrentRecord, and only that one.
    void checkLearnRecord(int subject)
    {
        checkText(m_f.label("lblLearnSubject")->text(), m_content.SubjectName[subject],
                  QStringLiteral("learn record name"));
        QString expected;
        if (m_model.bySignificance) {
            expected = QStringLiteral("Significance") + kCrLf +
                       m_content.SubjectSignificance[subject] + kCrLf + kCrLf +
                       QStringLiteral("Calculation") + kCrLf +
                       m_content.SubjectCalculation[subject];
        } else {
            for (int e = m_content.FirstInterpretation[subject];
                 e <= m_content.LastInterpretation[subject]; ++e)
                expected += headingOf(e) + kCrLf + m_content.InterpretationText[e] + kCrLf + kCrLf;
        }
        checkText(pane("RTBLearn")->wholeText(), expected,
                  QStringLiteral("learn record text of subject %1").arg(subject));
    }

    // ---- helpers -------------------------------------------------------------------------

    QString headingOf(int entry) const
    {
        for (int s = 0; s < SubjectCount; ++s) {
            if (entry >= m_content.FirstInterpretation[s] &&
                entry <= m_content.LastInterpretation[s])
                return m_content.SubjectName[s] + QLatin1Char(' ') +
                       QString::number(m_content.InterpretationValue[entry]);
        }
        return {};
    }

    RichTextPane* pane(const QString& name) const
    {
        auto* found = m_f.find<RichTextPane>(name);
        check(found != nullptr, QStringLiteral("pane %1 not found").arg(name));
        return found;
    }
    RichTextPane* pane(const char* name) const { return pane(QLatin1String(name)); }
    RichTextPane* answerBox(int i) const { return pane(QStringLiteral("txtOption%1").arg(i)); }
    QRadioButton* choice(int i) const
    {
        return m_f.radio(qPrintable(QStringLiteral("optChoice%1").arg(i)));
    }

    std::mt19937_64 m_rng;
    std::atomic<qint64>& m_progress;
    MainWindowFixture m_f;
    ContentTables m_content;
    QHash<QString, int> m_entryByHeading;
    Model m_model;
    Expectation m_expect;
    qint64 m_step = 0;
    std::deque<QString> m_log;

    int m_finishedSignals = 0;
    QString m_reportAtSignal;
    int m_reportsChecked = 0;
    int m_aboutVisits = 0;
    int m_significanceTests = 0;
    int m_interpretationTests = 0;
    int m_longestTest = 0;
    int m_significanceEnds = 0;

    QHash<QString, int> m_boxes; // how often each message box came up
    std::vector<MemorySample> m_memory;
    size_t m_leakPerAction = 0;
    bool m_aboutSeen = false;
    bool m_aboutModal = false;
    bool m_aboutLeftOpen = false;
    QString m_aboutTitle;
    bool m_closerDone = false;
    int m_closerAttempts = 0;
};

void usage()
{
    std::fprintf(stderr,
                 "usage: corvella_soak [--actions N] [--seed S] [--leak-per-action BYTES]\n");
}

std::optional<quint64> number(const char* text)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || text[0] == '-')
        return std::nullopt;
    return value;
}

// Resident memory may grow by at most this much per 10,000 actions after the warm-up: far
// below what keeping a few hundred bytes of every action would add (about 3.7 MiB).
constexpr qint64 kMostGrowthPer10000 = 1024 * 1024;
// Below this many actions after the warm-up the growth says too little to judge.
constexpr qint64 kFewestMeasuredActions = 1000;

int checkMemory(const Soak& soak, qint64 actions)
{
    const auto& samples = soak.memory();
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back for a while to catch late uses: resident memory
    // grows whatever the program does. Its own leak check speaks for leaks here.
    std::printf("soak: memory growth not judged under AddressSanitizer\n");
    return 0;
#endif
    if (samples.empty() || samples.front().resident < 0) {
        std::printf("soak: resident memory: not measured\n");
        return 0;
    }
    QStringList figures;
    for (const Soak::MemorySample& sample : samples)
        figures << QStringLiteral("%1 KiB after %2 actions")
                       .arg(sample.resident / 1024)
                       .arg(sample.step);
    std::printf("soak: resident memory: %s\n", qPrintable(figures.join(QStringLiteral(", "))));
    const qint64 measured = actions - samples.front().step;
    if (measured < kFewestMeasuredActions) {
        std::printf("soak: memory growth not judged: only %lld actions after the warm-up\n",
                    static_cast<long long>(measured));
        return 0;
    }
    const qint64 growth = samples.back().resident - samples.front().resident;
    const qint64 per10000 = growth * 10000 / measured;
    std::printf("soak: resident memory grew by %lld KiB over %lld actions after the warm-up, "
                "%lld KiB per 10,000 actions (at most %lld allowed)\n",
                static_cast<long long>(growth / 1024), static_cast<long long>(measured),
                static_cast<long long>(per10000 / 1024),
                static_cast<long long>(kMostGrowthPer10000 / 1024));
    if (per10000 > kMostGrowthPer10000) {
        std::printf("soak: FAILED: resident memory grows with the actions: a leak\n");
        return 1;
    }
    return 0;
}

} // namespace

} // namespace corvella::testing

int main(int argc, char** argv)
{
    using namespace corvella::testing;

    quint64 actions = 100000;
    size_t leakPerAction = 0;
    std::optional<quint64> seed;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--actions") == 0 && hasValue) {
            const auto value = number(argv[++i]);
            if (!value) {
                usage();
                return 2;
            }
            actions = *value;
        } else if (std::strcmp(argv[i], "--leak-per-action") == 0 && hasValue) {
            const auto value = number(argv[++i]);
            if (!value || *value > (1u << 20)) {
                usage();
                return 2;
            }
            leakPerAction = static_cast<size_t>(*value);
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            seed = number(argv[++i]);
            if (!seed) {
                usage();
                return 2;
            }
        } else {
            usage();
            return 2;
        }
    }
    if (!seed)
        seed = static_cast<quint64>(std::chrono::system_clock::now().time_since_epoch().count()) %
               1000000000ULL;
    std::printf("soak: seed %llu\n", static_cast<unsigned long long>(*seed));
    std::fflush(stdout);

    QApplication app(argc, argv);
    corvella::substituteForVerdana();

    // A step that never returns (a modal window nobody closes) would hang the walk; the
    // watchdog ends it with the step and the seed instead.
    std::atomic<qint64> progress{0};
    std::atomic<bool> finished{false};
    std::thread watchdog([&progress, &finished, seed] {
        constexpr int kStuckSeconds = 60;
        qint64 last = -1;
        int still = 0;
        while (!finished.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            const qint64 now = progress.load();
            still = now == last ? still + 1 : 0;
            last = now;
            if (still >= kStuckSeconds * 4) {
                std::printf(
                    "soak: FAILED at step %lld (seed %llu): the step did not return within %d s\n",
                    static_cast<long long>(now), static_cast<unsigned long long>(*seed),
                    kStuckSeconds);
                std::fflush(stdout);
                std::_Exit(1);
            }
        }
    });

    int status = 0;
    {
        Soak soak(*seed, progress);
        soak.leakPerAction(leakPerAction);
        try {
            soak.run(static_cast<qint64>(actions));
            status = checkMemory(soak, static_cast<qint64>(actions));
            std::printf("soak: %s\n", qPrintable(soak.coverage()));
            std::printf("soak: %llu actions, seed %llu, %d tests finished, %d reports checked, %d "
                        "About windows, "
                        "%lld print jobs: %s\n",
                        static_cast<unsigned long long>(actions),
                        static_cast<unsigned long long>(*seed), soak.testsFinished(),
                        soak.reportsChecked(), soak.aboutVisits(),
                        static_cast<long long>(soak.printJobs()),
                        status == 0 ? "passed" : "FAILED (memory)");
        } catch (const SoakFailure& failure) {
            std::printf("soak: FAILED at step %lld (seed %llu): %s\nlast actions:\n%s",
                        static_cast<long long>(soak.step()), static_cast<unsigned long long>(*seed),
                        qPrintable(failure.what), qPrintable(soak.recentActions()));
            status = 1;
        }
    }
    std::fflush(stdout);
    finished.store(true);
    watchdog.join();
    return status;
}
