#pragma once

#include <QList>
#include <QString>

#include <array>

namespace corvella {

// The state of one running test. Finishing the test empties it in one step with clear().
struct TestState
{
    bool QuestionsDrawn = false;
    // The 0-based number of the question on screen.
    qint16 CurrentQuestion = 0;
    // Significance test: slot q holds the subject asked in question q + 1 (slots 0 to 9).
    std::array<qint16, 11> SignificanceOrder{};
    // Significance test: slot q holds the text the user chose for question q + 1.
    std::array<QString, 11> SignificanceAnswers;
    // Interpretation test: the entry asked in each question, five per ticked subject.
    QList<qint16> InterpretationQuestions;
    // Interpretation test: the text the user chose for each question.
    QList<QString> InterpretationAnswers;

    void clear() { *this = TestState(); }
};

} // namespace corvella
