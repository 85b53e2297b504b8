#include "quiz/quizengine.h"

#include "quiz/optiondraw.h"

#include "session/quizsizes.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace corvella {

namespace {

constexpr int SignificanceQuestions = SignificanceQuestionCount;
constexpr int AnswerBoxes = AnswerBoxCount;
constexpr int EntriesPerSubject = EntriesPerTickedSubject;

// Puts the drawn answers into the five boxes.
void fillAnswerBoxes(QuestionScreen& screen, const AnswerOptions& options)
{
    for (int box = 0; box < AnswerBoxes; ++box)
        screen.setAnswerText(box, options.texts[box]);
}

// texts[0] to texts[count - 1], in index order.
QStringList textsUpTo(const QString* texts, int count)
{
    QStringList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(texts[i]);
    return list;
}

QString questionCounter(int number, int count)
{
    return QCoreApplication::translate("QuizEngine", "Question %1 of %2").arg(number).arg(count);
}

} // namespace

int roundHalfToEven(double value)
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
                       ContentLoader loader)
    : m_session(session), m_test(session.test), m_content(content), m_draw(draw),
      m_loadContent(std::move(loader))
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

void QuizEngine::showSignificanceQuestion(QuestionScreen& screen)
{
    if (!m_test.QuestionsDrawn) {
        m_test.QuestionsDrawn = true;
        drawSignificanceOrder();
    }
    // The tables come first: the distractors are told apart by their texts.
    m_loadContent(m_content);
    const int asked = m_test.SignificanceOrder[m_test.CurrentQuestion];
    const QString* texts = m_content.SubjectSignificance.data();
    const QString& correct = texts[asked];
    fillAnswerBoxes(screen, drawAnswerOptions(m_draw, correct, textsUpTo(texts, SubjectCount)));
    screen.setSubjectName(m_content.SubjectName[asked]);
    screen.setQuestionNo(questionCounter(m_test.CurrentQuestion + 1, SignificanceQuestions));
}

int QuizEngine::drawEntryOf(int subject)
{
    // Rounding a uniform position over the range gives the first and last entry half the
    // chance of an inner one; that bias is part of how the test behaves.
    const int first = m_content.FirstInterpretation[subject];
    const int last = m_content.LastInterpretation[subject];
    return roundHalfToEven(first + (last - first) * m_draw.reseededUniform());
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

void QuizEngine::showInterpretationQuestion(QuestionScreen& screen)
{
    m_loadContent(m_content);
    if (!m_test.QuestionsDrawn) {
        m_test.QuestionsDrawn = true;
        drawInterpretationQuestions();
    }
    const int asked = m_test.InterpretationQuestions.at(m_test.CurrentQuestion);
    fillAnswerBoxes(screen, drawAnswerOptions(m_draw, m_content.InterpretationText[asked],
                                              interpretationCandidates(m_content, asked)));
    screen.setSubjectName(entryHeading(m_content, asked));
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
        showSignificanceQuestion(screen);
    else
        showInterpretationQuestion(screen);
    return AnswerResult::NextQuestionShown;
}

int QuizEngine::questionCount() const
{
    return m_session.activityBySignificance()
               ? SignificanceQuestions
               : static_cast<int>(m_test.InterpretationQuestions.size());
}

} // namespace corvella
