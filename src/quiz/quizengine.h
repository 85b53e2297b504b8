#pragma once

#include "content/modLearnNumerology.h"
#include "platform/randomdraw.h"
#include "quiz/questionscreen.h"
#include "session/studysession.h"

#include <functional>

namespace corvella {

// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4). Written out rather than left to the floating-point rounding mode.
int roundHalfToEven(double value);

// Draws the questions of a test, puts them on the question screen and takes the answers.
// All state lives in the study session it is given, so the report can score it afterwards;
// the engine itself keeps nothing between calls.
class QuizEngine
{
public:
    // Fills the content tables; called once for every question prepared. Tests pass their
    // own tables here so that they can tell the texts apart.
    using ContentLoader = std::function<void(ContentTables&)>;

    QuizEngine(StudySession& session, ContentTables& content, RandomDraw& draw,
               ContentLoader loader = loadContent);

    // Shows question CurrentQuestion + 1 of a significance test; the first call of a test
    // also draws the ten subjects asked.
    void showSignificanceQuestion(QuestionScreen& screen);
    // Shows question CurrentQuestion + 1 of an interpretation test; the first call of a test
    // also draws five entries per ticked subject.
    void showInterpretationQuestion(QuestionScreen& screen);

    enum class AnswerResult { NothingSelected, NextQuestionShown, TestFinished };
    // Takes the answer chosen on screen. NothingSelected: nothing changed, the caller tells
    // the user to pick an option. NextQuestionShown: the next question is on screen.
    // TestFinished: the last answer is stored and the caller shows the result.
    AnswerResult takeAnswer(QuestionScreen& screen);

    // 10 for a significance test, else the length of the drawn question list.
    int questionCount() const;

private:
    void drawSignificanceOrder();
    void drawInterpretationQuestions();
    int drawEntryOf(int subject);

    StudySession& m_session;
    TestState& m_test;
    ContentTables& m_content;
    RandomDraw& m_draw;
    ContentLoader m_loadContent;
};

} // namespace corvella
