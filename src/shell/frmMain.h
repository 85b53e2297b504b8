#pragma once

#include "content/modLearnNumerology.h"
#include "platform/randomdraw.h"
#include "platform/services.h"
#include "platform/weblauncher.h"
#include "practice/sitting.h"
#include "quiz/quizengine.h"
#include "session/studysession.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace Ui {
class frmMain;
}

namespace corvella {

class ClipboardGuard;
class PracticeWindow;
class RichTextPane;
class YourNumbers;

// The one working window: a menu bar, a link line, six screens on top of one another and a
// promotional strip. The screens are a wizard; the handlers below move between them.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    enum Screen {
        StartScreen,
        MethodScreen,
        LearnScreen,
        SubjectScreen,
        QuestionScreenIndex,
        ResultScreen
    };

    explicit frmMain(const Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Brings one screen to the front. The others are hidden, not cleared: they keep every value.
    void showScreen(Screen screen);
    // The screen in front.
    Screen currentScreen() const;

    // Chooses which promotional banner lies in front from a uniform r in [0, 1).
    void coBrandRandomize(double r);
    int coBrandRandomNumber() const { return m_coBrandRandomNumber; }

    const StudySession& session() const { return m_session; }
    const ContentTables& content() const { return m_content; }

    // Where the practice progress is kept; empty (the default) means the user's data folder.
    // Tests point it into a folder of their own.
    void setProgressFile(const QString& path) { m_progressFile = path; }
    QString progressFile() const;

protected:
    void showEvent(QShowEvent* event) override;

Q_SIGNALS:
    // Emitted when a test's report is on screen; the soak test and the benchmarks listen.
    void testFinished();

private:
    class QuestionWidgets;

    // The window's event handlers, named after their control and event.
    void cmdNext_Click();
    void cmdBack2_Click();
    void cmdNext2_Click();
    void cmdBack3_Click();
    void cmdNext3_Click();
    void cmdBackToMain_Click();
    void cmdGoToMain_Click();
    void cmdNextLearn_Click();
    void cmdBackLearn_Click();
    void cmdNextQuestion_Click();
    void cmdPrint_Click();
    void txtOption_MouseDown(int index);
    void mnuAbout_Click();
    // Opens the Your Numbers window, or brings forward the one that is open.
    void mnuYourNumbers_Click();
    // Opens the Practice window, or brings forward the one that is open.
    void mnuPractise_Click();

    void Form_Load();

    void connectHandlers();
    // Under a translation, shrinks what no longer fits the fixed layout (fittext.h).
    void fitTranslatedTexts();
    void showSignificanceRecord();
    void showInterpretationRecord();
    // Draws the record of CurrentRecord in the method in use.
    void drawLearnRecord();
    void showSignificanceQuestion();
    void showInterpretationQuestion();
    void showTestResult();
    void openPage(WebPage page);
    void centreOnScreen();

    std::unique_ptr<Ui::frmMain> ui;
    Services m_services;
    StudySession m_session;
    ContentTables m_content;
    RandomDraw m_draw;
    QuizEngine m_engine;
    std::unique_ptr<QuestionWidgets> m_questionWidgets;
    std::unique_ptr<ClipboardGuard> m_clipboardGuard;
    int m_coBrandRandomNumber = 0;
    QPointer<YourNumbers> m_yourNumbers;
    QPointer<PracticeWindow> m_practice;
    QString m_progressFile;
    // What keeping a finished test in the progress file ran into, told when Practice opens.
    QString m_progressNotice;
    // The last test of this run while no progress file holds it, for Practice opened later.
    std::optional<practice::PractisedTest> m_unkeptTest;
    bool m_placed = false;

    std::array<QGroupBox*, 6> fraOption{};
    std::array<QCheckBox*, 15> chkSubject{};
    std::array<QRadioButton*, 5> optChoice{};
    std::array<RichTextPane*, 5> txtOption{};
};

// The banner draw: 6r + 1 in single precision, rounded half to even, giving 1 to 7.
int coBrandNumber(double r);

// The top left corner that centres a window of this outer size (frame included) on the part of a
// screen that windows may use, that is, less the desktop's panels. A window larger than that
// part keeps its top left corner inside it, so that its title bar stays within reach.
QPoint centredTopLeft(const QSize& outerSize, const QRect& available);

// Unchecks a radio button even when it is the checked one of its exclusive group.
void clearOption(QRadioButton* button);

} // namespace corvella
