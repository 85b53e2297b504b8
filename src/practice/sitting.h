#pragma once

#include "content/modLearnNumerology.h"
#include "platform/randomdraw.h"
#include "practice/progress.h"
#include "practice/sums.h"
#include "quiz/optiondraw.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// One sitting at the practice window: which card is offered next, what an answer does, the last
// test of the main window taken in, when the progress is written and what a failed write means.
// The window shows what this says and passes the learner's keys on; no widgets here.

namespace corvella::practice {

// A finished test of the main window as practice keeps it: the test and its questions.
struct PractisedTest
{
    FinishedTest test;
    QList<TestQuestion> questions;
};

struct TestKept
{
    bool written = false; // the progress file holds the test now
    QString message;      // for the learner: the file was set aside, or could not be used
};

// A finished test while no practice window is open. It goes into the progress file only when
// that file is there already: a learner who never practises is left no file. When it is not
// written the caller keeps the test for the rest of the run and hands it to the next sitting.
TestKept keepTestInFile(const QString& progressFile, const PractisedTest& finished);

class PracticeSitting
{
    Q_DECLARE_TR_FUNCTIONS(PracticeSitting)

public:
    enum class State {
        Asking,   // a card on show, not yet answered
        Answered, // its verdict on show: Next goes on, Undo takes the answer back
        Finished, // no more cards for now
    };

    // A card that is answered wrongly comes back after this many other cards (or at the end of
    // the cards, when fewer are left), until it is answered right.
    static constexpr int RelearnGap = 3;

    // What the last answer was, for the verdict.
    struct Answer
    {
        bool right = false;
        int chosenBox = -1;                // a card with options: the box chosen
        QList<int> typed;                  // a sum card: the values typed
        SumVerdict sum;                    // a sum card: the core's verdict and working
        AnswerKind kind = AnswerKind::New; // how the card stood when it was answered
    };

    PracticeSitting(const ContentTables& content, RandomDraw& draw, const Clock& clock,
                    QString progressFile);

    // Reads the progress file and offers the cards due. Gives the sentence for the learner that
    // reading brought up (a file set aside, of a newer format, or unusable), or empty.
    QString open();
    // A finished test that is not in the progress file yet (see keepTestInFile): taken in before
    // the cards are offered. It alone never makes the sitting write a file that is not there.
    void takeUnkeptTest(const PractisedTest& finished);
    // A test finished while the sitting is open: taken in, its missed questions offered first
    // (a card whose verdict is on show stays until Next). True when the progress file holds it.
    bool takeFinishedTest(const PractisedTest& finished);

    // Offers what the scheduler says is due now: missed in the last test, relearning, due
    // reviews, then new cards.
    void offerDue();
    // Offers these cards, in this order, from the first ("Practise these": answered before they
    // are due, they are practice and do not move on as if they had waited).
    void practise(QList<CardId> cards);
    // "More new cards": another day's worth of new cards today, offered at once.
    void moreNewCards();
    // New cards a day, kept in the progress; the cards not yet shown are offered anew.
    // The recall a card is brought back at (0.70 to 0.97), kept with the progress.
    void setDesiredRetention(double retention);
    void setNewCardsPerDay(int count);
    // Sums are worked for this person, or for a made-up one when there is none; a sum card not
    // yet answered is asked again about the person now chosen.
    void setRememberedPerson(const std::optional<Person>& person);

    // Answers the card on show with the text in box 0..4; ignored unless Asking a card with
    // options.
    bool chooseAnswer(int box);
    // Answers a sum card with what the learner typed. Input that cannot be read costs nothing:
    // the card stays unanswered and the problem is given back.
    QString answerSum(const QString& typed);
    // Takes the last answer back while its verdict is on show and before it is saved: the card,
    // the day's counts and the sitting's counts are as they were, and the same card is asked
    // again.
    bool undo();
    bool canUndo() const { return m_state == State::Answered && m_undo.has_value(); }
    // Goes on to the next card after a verdict.
    void next();

    // Writes the progress when something is unsaved and there is a reason to: the file is there
    // already, or the learner has practised. An answer whose verdict is on show is written with
    // it, and can then no longer be undone: the window saves when the learner goes on. False when
    // it stays unsaved; notice is then set, the first time only, to the sentence for the learner
    // (the progress is kept in memory and saving is tried again after each answer).
    bool save(QString* notice = nullptr);
    bool hasUnsaved() const { return m_unsaved; }

    State state() const { return m_state; }
    const QList<CardId>& offered() const { return m_queue; }
    int position() const { return m_position; }
    CardId currentCard() const;
    // How the card on show stands: new, missed in the test, relearning, due or early.
    AnswerKind currentKind() const;
    bool currentMissedInTest() const;
    const AnswerOptions& currentOptions() const { return m_options; }
    const Person& currentPerson() const { return m_person; }
    const Answer& lastAnswer() const { return m_answer; }
    const Progress& progress() const { return m_progress; }
    const QList<CardId>& order() const { return m_order; }
    int answered() const { return m_answered; }
    int answeredRight() const { return m_answeredRight; }
    DueSummary due() const;
    bool moreNewCardsLeft() const;

private:
    // The settings the learner asked for, within their bounds; false when nothing changed.
    bool changeSettings(const SchedulerSettings& wanted);
    struct Before
    {
        Progress progress;
        QList<CardId> queue;
        int answered = 0;
        int answeredRight = 0;
        bool practised = false;
        bool unsaved = false;
    };

    QList<CardId> eligibleOrder() const;
    bool meaningsLearnt(int subject) const;
    void showCard();
    void recordAnswer(bool right);
    QDate today() const;

    const ContentTables& m_content;
    RandomDraw& m_draw;
    const Clock& m_clock;
    QString m_file;
    Progress m_progress;
    QList<CardId> m_order;
    QList<CardId> m_queue;
    int m_position = 0;
    State m_state = State::Finished;
    AnswerOptions m_options;
    Person m_person;
    std::optional<Person> m_remembered;
    Answer m_answer;
    std::optional<Before> m_undo;
    int m_answered = 0;
    int m_answeredRight = 0;
    bool m_canSave = true;    // false for a file of a newer format or one that cannot be read
    bool m_fileThere = false; // the progress file was there when read, or has been written
    bool m_practised = false; // the learner answered a card or changed a setting
    bool m_unsaved = false;
    bool m_saveFailureTold = false;
};

} // namespace corvella::practice
