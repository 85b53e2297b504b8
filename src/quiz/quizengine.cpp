#include "quiz/quizengine.h"

#include "session/quizsizes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace corvella {

namespace {

constexpr int SignificanceQuestions = SignificanceQuestionCount;
constexpr int AnswerBoxes = AnswerBoxCount;
// The correct text goes into one of the first four boxes only; the fifth always shows its
// own distractor.
constexpr int CorrectPositions = 4;
constexpr int EntriesPerSubject = EntriesPerTickedSubject;
// Distractors come from entries 0 to 169: the last entry is never offered as a wrong answer.
constexpr int DistractorEntries = InterpretationEntryCount - 1;

// One draw below n per answer box, drawing again for a box whose value an earlier box of the
// same question already holds.
std::array<int, AnswerBoxes> drawDistractors(RandomDraw& draw, int n)
{
    std::array<int, AnswerBoxes> distractors{};
    for (int box = 0; box < AnswerBoxes; ++box) {
        int value;
        do {
            value = draw.below(n);
        } while (std::find(distractors.begin(), distractors.begin() + box, value) !=
                 distractors.begin() + box);
        distractors[box] = value;
    }
    return distractors;
}

QString questionCounter(int number, int count)
{
    return QStringLiteral("Question %1 of %2").arg(number).arg(count);
}

} // namespace

int RoundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return static_cast<int>(lower);
    if (fraction > 0.5)
        return static_cast<int>(lower) + 1;
    return std::fmod(lower, 2.0) == 0.0 ? static_cast<int>(lower) : static_cast<int>(lower) + 1;
}

QuizEngine::QuizEngine(StudySession& session, ContentTables& content, RandomDraw& draw,
                       ContentLoader loadContent)
    : m_session(session), m_test(session.test), m_content(content), m_draw(draw),
      m_loadContent(std::move(loadContent))
{}

void QuizEngine::drawSignificanceOrder()
{
    for (int slot = 0; slot < SignificanceQuestions; ++slot) {
        const auto begin = m_test.SignificanceOrder.begin();
        qint16 subject;
        do {
            subject = static_cast<qint16>(m_draw.below(SubjectCount));
        } while (std::find(begin, begin + slot, subject) != begin + slot);
        m_test.SignificanceOrder[slot] = subject;
    }
}

void QuizEngine::ShowSignificanceQuestion(QuestionScreen& screen)
{
    if (!m_test.QuestionsDrawn) {
        m_test.QuestionsDrawn = true;
        drawSignificanceOrder();
    }
    // Distractors are only kept apart from each other, not from the subject asked: when one
    // of them is that subject, the correct text stands in two boxes and either scores.
    const auto distractors = drawDistractors(m_draw, SubjectCount);
    m_loadContent(m_content);
    const int correctBox = m_draw.below(CorrectPositions);

    const int asked = m_test.SignificanceOrder[m_test.CurrentQuestion];
    for (int box = 0; box < AnswerBoxes; ++box) {
        const int subject = box == correctBox ? asked : distractors[box];
        screen.setAnswerText(box, m_content.SubjectSignificance[subject]);
    }
    screen.setSubjectName(m_content.SubjectName[asked]);
    screen.setQuestionNo(questionCounter(m_test.CurrentQuestion + 1, SignificanceQuestions));
}

int QuizEngine::drawEntryOf(int subject)
{
    // Rounding a uniform position over the range gives the first and last entry half the
    // chance of an inner one; that bias is part of how the test behaves.
    const int first = m_content.FirstInterpretation[subject];
    const int last = m_content.LastInterpretation[subject];
    return RoundHalfToEven(first + (last - first) * m_draw.reseededUniform());
}

void QuizEngine::drawInterpretationQuestions()
{
    QList<qint16>& questions = m_test.InterpretationQuestions;
    questions.clear();
    for (int subject = 0; subject < SubjectCount; ++subject) {
        if (!m_session.SubjectTicked[subject])
            continue;
        const qsizetype blockStart = questions.size();
        for (int place = 0; place < EntriesPerSubject; ++place) {
            qint16 entry;
            do {
                entry = static_cast<qint16>(drawEntryOf(subject));
            } while (std::find(questions.begin() + blockStart, questions.end(), entry) !=
                     questions.end());
            questions.append(entry);
        }
    }
    m_test.InterpretationAnswers = QList<QString>(questions.size());
}

void QuizEngine::ShowInterpretationQuestion(QuestionScreen& screen)
{
    m_loadContent(m_content);
    if (!m_test.QuestionsDrawn) {
        m_test.QuestionsDrawn = true;
        drawInterpretationQuestions();
    }
    const auto distractors = drawDistractors(m_draw, DistractorEntries);
    const int correctBox = m_draw.below(CorrectPositions);

    const int asked = m_test.InterpretationQuestions.at(m_test.CurrentQuestion);
    for (int box = 0; box < AnswerBoxes; ++box) {
        const int entry = box == correctBox ? asked : distractors[box];
        screen.setAnswerText(box, m_content.InterpretationText[entry]);
    }
    screen.setSubjectName(EntryHeading(m_content, asked));
    screen.setQuestionNo(questionCounter(m_test.CurrentQuestion + 1, questionCount()));
}

QuizEngine::AnswerResult QuizEngine::takeAnswer(QuestionScreen& screen)
{
    const int choice = screen.selectedChoice();
    if (choice < 0)
        return AnswerResult::NothingSelected;

    // The text is stored, not the box: the report shows it and scores it by text.
    const QString text = screen.answerText(choice);
    if (m_session.activityBySignificance())
        m_test.SignificanceAnswers[m_test.CurrentQuestion] = text;
    else
        m_test.InterpretationAnswers[m_test.CurrentQuestion] = text;
    ++m_test.CurrentQuestion;
    screen.clearChoices();

    if (m_test.CurrentQuestion >= questionCount())
        return AnswerResult::TestFinished;
    if (m_session.activityBySignificance())
        ShowSignificanceQuestion(screen);
    else
        ShowInterpretationQuestion(screen);
    return AnswerResult::NextQuestionShown;
}

int QuizEngine::questionCount() const
{
    return m_session.activityBySignificance() ? SignificanceQuestions
                                : static_cast<int>(m_test.InterpretationQuestions.size());
}

} // namespace corvella
