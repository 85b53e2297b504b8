#pragma once

#include "content/modLearnNumerology.h"
#include "platform/randomdraw.h"
#include "platform/services.h"
#include "practice/progress.h"
#include "practice/sitting.h"
#include "practice/sums.h"
#include "quiz/optiondraw.h"
#include "quiz/resultreport.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <optional>

class QShortcut;

namespace Ui {
class frmPractice;
}

namespace corvella {

class ClipboardGuard;

// A finished test of the main window from its report (the blocks and score the learner saw) and
// the questions asked, before the test state is emptied.
practice::PractisedTest practisedTest(bool bySignificance, const TestReport& report,
                                      const TestState& test, const ContentTables& content,
                                      const QDate& day);

// The practice window: flash cards on what the numbers mean and on working them out, the last
// test of the main window marked question by question, and a picture of progress. One at a
// time beside the main window, not modal. What happens at each card is the sitting's
// (practice::PracticeSitting); the window shows it, passes the keys on, and writes the progress
// shortly after each answer and when it closes.
class PracticeWindow : public QDialog
{
    Q_OBJECT

public:
    using Phase = practice::PracticeSitting::State;

    // progressFile: where the progress is kept. notice: a sentence for the learner about the
    // progress file that came up while no practice window was open, shown once.
    PracticeWindow(const Services& services, const QString& progressFile,
                   const QString& notice = QString(), QWidget* parent = nullptr);
    ~PracticeWindow() override;

    // The last test of this run, finished when no progress file was there to keep it: its
    // missed questions come first, as if the file had held it.
    void takeUnkeptTest(const practice::PractisedTest& finished);

    // A test the main window has just finished: its missed questions offered first. True when
    // it is in the progress file (only a file that is there already is written).
    bool takeFinishedTest(const practice::PractisedTest& finished);

    // Offers these cards, in this order, from the first.
    void practise(QList<practice::CardId> cards);

    // Answers the card on show with the text in this box (0 to 4): keys 1 to 5, or a click.
    void chooseAnswer(int box);
    // The handlers, after their controls.
    void RTBOptions_MouseDown(Qt::MouseButtons buttons, const QPoint& position);
    void cmdCheck_Click();
    void cmdNextCard_Click();
    void cmdPractiseMissed_Click();
    void cmdMoreNewCards_Click();
    void cmdUndo_Click();
    void spnNewCards_ValueChanged(int count);
    void spnRetention_ValueChanged(int percent);
    void chkRememberedPerson_Toggled(bool on);

    // Writes the progress now if anything is unsaved; false when it stays unsaved.
    bool saveNow();

    Phase phase() const { return m_sitting.state(); }
    const QList<practice::CardId>& offered() const { return m_sitting.offered(); }
    int position() const { return m_sitting.position(); }
    practice::CardId currentCard() const { return m_sitting.currentCard(); }
    const AnswerOptions& currentOptions() const { return m_sitting.currentOptions(); }
    const practice::Person& currentPerson() const { return m_sitting.currentPerson(); }
    const practice::Progress& progress() const { return m_sitting.progress(); }
    const practice::PracticeSitting& sitting() const { return m_sitting; }

    void done(int result) override;

Q_SIGNALS:
    // The progress file has been written: it holds every test this window took in.
    void progressSaved();

private:
    void buildLook();
    void showCard();
    void showVerdict();
    void drawOptions();
    void drawDue();
    void cardAnswered();
    void drawMissed();
    void drawPicture();
    void tell(const QString& notice);
    std::optional<practice::Person> rememberedPerson() const;

    std::unique_ptr<Ui::frmPractice> ui;
    Services m_services;
    ContentTables m_content;
    RandomDraw m_draw;
    practice::PracticeSitting m_sitting;
    bool m_pictureStale = true;
    QList<practice::CardId> m_lessonOrder;
    QList<QShortcut*> m_choiceKeys;
    QTimer m_saveTimer;
    std::unique_ptr<ClipboardGuard> m_clipboardGuard;
};

} // namespace corvella
