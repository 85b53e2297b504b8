#pragma once

#include "content/modLearnNumerology.h"
#include "platform/randomdraw.h"
#include "platform/services.h"
#include "practice/progress.h"
#include "practice/sums.h"
#include "quiz/optiondraw.h"
#include "quiz/resultreport.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class QShortcut;

namespace Ui {
class frmPractice;
}

namespace corvella {

class ClipboardGuard;

// A finished test of the main window as the practice keeps it: the test and its questions.
struct PractisedTest
{
    practice::FinishedTest test;
    QList<practice::TestQuestion> questions;
};

// A finished test of the main window from its report (the blocks and score the learner saw) and
// the questions asked, before the test state is emptied.
PractisedTest practisedTest(bool bySignificance, const TestReport& report, const TestState& test,
                            const ContentTables& content, const QDate& day);

// Adds a finished test to the progress file: read, recorded, written back. Returns a sentence for
// the learner when the file was set aside, could not be read or could not be written; empty
// when all went well.
QString keepPractisedTest(const QString& progressFile, const PractisedTest& finished);

// The practice window: flash cards on what the numbers mean and on working them out, the last
// test of the main window marked question by question, and a picture of progress. One at a
// time beside the main window, not modal. The progress is read from its file when the window
// opens and written back shortly after each answer and when it closes.
class PracticeWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Phase { Asking, Answered, Finished };

    // progressFile: where the progress is kept. notice: a sentence for the learner about the
    // progress file that came up while no practice window was open, shown once.
    PracticeWindow(const Services& services, const QString& progressFile,
                   const QString& notice = QString(), QWidget* parent = nullptr);
    ~PracticeWindow() override;

    // A test the main window has just finished: kept in the progress at once, and its missed
    // questions offered first.
    void takeFinishedTest(const PractisedTest& finished);

    // Offers these cards, in this order, from the first.
    void practise(QList<practice::CardId> cards);

    // Answers the card on show with the text in this box (0 to 4): keys 1 to 5, or a click.
    void chooseAnswer(int box);
    // The handlers, after their controls.
    void RTBOptions_MouseDown(Qt::MouseButtons buttons, const QPoint& position);
    void cmdCheck_Click();
    void cmdNextCard_Click();
    void cmdPractiseMissed_Click();
    void chkRememberedPerson_Toggled(bool on);

    // Writes the progress now if anything is unsaved; false when it stays unsaved.
    bool saveNow();

    Phase phase() const { return m_phase; }
    const QList<practice::CardId>& offered() const { return m_queue; }
    int position() const { return m_position; }
    practice::CardId currentCard() const;
    const AnswerOptions& currentOptions() const { return m_options; }
    const practice::Person& currentPerson() const { return m_person; }
    const practice::Progress& progress() const { return m_progress; }

    void done(int result) override;

private:
    void buildLook();
    void showCard();
    void showVerdict(bool right, const QString& verdict, const QStringList& lines,
                     const QString& lastLine);
    void cardAnswered(bool right);
    void drawMissed();
    void drawPicture();
    void tell(const QString& notice);
    practice::Person personForSums();

    std::unique_ptr<Ui::frmPractice> ui;
    Services m_services;
    ContentTables m_content;
    RandomDraw m_draw;
    QString m_progressFile;
    practice::Progress m_progress;
    bool m_canSave = true;
    bool m_unsaved = false;
    bool m_saveFailureTold = false;
    bool m_pictureStale = true;
    QList<practice::CardId> m_lessonOrder;
    QList<practice::CardId> m_queue;
    int m_position = 0;
    int m_answered = 0;
    int m_answeredRight = 0;
    Phase m_phase = Phase::Finished;
    AnswerOptions m_options;
    practice::Person m_person;
    QList<QShortcut*> m_choiceKeys;
    QTimer m_saveTimer;
    std::unique_ptr<ClipboardGuard> m_clipboardGuard;
};

} // namespace corvella
