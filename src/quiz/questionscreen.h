#pragma once

#include <QString>

namespace corvella {

// What the quiz engine needs of the question screen. The main window implements it over its
// widgets; tests implement it with plain values.
class QuestionScreen
{
public:
    virtual ~QuestionScreen() = default;
    virtual void setAnswerText(int box, const QString& text) = 0; // txtOption(box), box 0..4
    virtual QString answerText(int box) const = 0;
    virtual void setSubjectName(const QString& caption) = 0; // lblSubjectName
    virtual void setQuestionNo(const QString& caption) = 0;  // lblQuestionNo
    // Index of the first optChoice that is set, -1 for none.
    virtual int selectedChoice() const = 0;
    virtual void clearChoices() = 0; // clears optChoice(0..4)
};

} // namespace corvella
