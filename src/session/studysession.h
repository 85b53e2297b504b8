#pragma once

#include "session/teststate.h"

#include <QtGlobal>

#include <array>

namespace corvella {

// What the learner is doing at the moment. The wizard's screens only choose (Choosing); once an
// activity starts, the learn views, the quiz engine and the report ask the phase, not the
// choices that led to it.
enum class Phase {
    Choosing,
    LearningBySignificance,
    LearningByInterpretation,
    TestingBySignificance,
    TestingByInterpretation,
    ShowingResult,
};

// The one state of a study session: the wizard's answers, the activity under way and the test
// in progress. The main window owns it; the learn views and the quiz engine are handed it.
// Starts empty with every run of the main window.
struct StudySession
{
    Phase phase = Phase::Choosing;
    // The answers of the start and method screens: Learn rather than Test, by Significance
    // rather than by Interpretation. They decide which activity starts.
    bool LearnSelected = false;
    bool BySignificance = false;
    // The subject whose record the learn screen shows.
    qint16 CurrentRecord = 0;
    // Which subjects were ticked at the last successful Next of the subject screen. Slot 15
    // has no check box and is never set.
    std::array<bool, 16> SubjectTicked{};
    TestState test;

    bool activityBySignificance() const
    {
        return phase == Phase::LearningBySignificance || phase == Phase::TestingBySignificance;
    }

    // Starts the activity that the wizard's answers name, with an empty test.
    void startActivity()
    {
        test.clear();
        if (LearnSelected)
            phase =
                BySignificance ? Phase::LearningBySignificance : Phase::LearningByInterpretation;
        else
            phase = BySignificance ? Phase::TestingBySignificance : Phase::TestingByInterpretation;
    }

    // Back on the start screen: nothing is under way any more.
    void returnToChoosing() { phase = Phase::Choosing; }

    // The report is on screen: the test's questions and answers are gone and no subject is
    // ticked, so that the next test starts from nothing.
    void finishTest()
    {
        test.clear();
        SubjectTicked.fill(false);
        phase = Phase::ShowingResult;
    }
};

} // namespace corvella
