#pragma once

#include "quiz/questionscreen.h"

#include <QStringList>

#include <array>

namespace corvella::testing {

// The question screen as plain values; records the order of the engine's calls.
class FakeQuestionScreen : public QuestionScreen
{
public:
    void setAnswerText(int box, const QString& text) override
    {
        answers.at(box) = text;
        events << QStringLiteral("answer%1").arg(box);
    }
    QString answerText(int box) const override { return answers.at(box); }
    void setSubjectName(const QString& caption) override
    {
        subjectName = caption;
        events << QStringLiteral("subject");
    }
    void setQuestionNo(const QString& caption) override
    {
        questionNo = caption;
        events << QStringLiteral("counter");
    }
    int selectedChoice() const override { return selected; }
    void clearChoices() override
    {
        selected = -1;
        events << QStringLiteral("clear");
    }

    std::array<QString, 5> answers;
    QString subjectName;
    QString questionNo;
    int selected = -1;
    QStringList events;
};

} // namespace corvella::testing
