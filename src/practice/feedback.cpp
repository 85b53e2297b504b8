#include "practice/feedback.h"

#include <QCoreApplication>

namespace corvella::practice {

namespace {

struct Feedback
{
    Q_DECLARE_TR_FUNCTIONS(AnswerFeedback)
};

// The places of a list of values that differ from the lessons', counted from 1; empty where a
// learner could not tell one value from another (a single value, or every value wrong).
QStringList wrongPlaces(const QList<int>& typed, const QList<int>& expected)
{
    QStringList places;
    for (int k = 0; k < typed.size() && k < expected.size(); ++k) {
        if (typed[k] != expected[k])
            places << QString::number(k + 1);
    }
    return typed.size() > 1 && places.size() < typed.size() ? places : QStringList();
}

void describeSum(const PracticeSitting::Answer& answer, AnswerFeedback& feedback)
{
    const SumVerdict& sum = answer.sum;
    if (sum.mark == SumMark::RightByAnotherMethod) {
        feedback.verdict =
            Feedback::tr("Right by another method: %1").arg(valuesText(answer.typed));
        feedback.lines << Feedback::tr("Another common method:") << sum.method << sum.methodWorking
                       << QString()
                       << Feedback::tr("The lessons' value is %1. Their working:")
                              .arg(valuesText(sum.expected))
                       << sum.working;
        feedback.lastLine = Feedback::tr("Press Enter for the next card.");
        return;
    }
    feedback.lines << Feedback::tr("The working:") << sum.working;
    if (answer.right) {
        feedback.verdict = Feedback::tr("Right: %1").arg(valuesText(sum.expected));
    } else {
        feedback.verdict = Feedback::tr("Not this time: you wrote %1, the answer is %2")
                               .arg(valuesText(answer.typed), valuesText(sum.expected));
        const QStringList places = wrongPlaces(answer.typed, sum.expected);
        if (!places.isEmpty())
            feedback.lines << QString()
                           << Feedback::tr("Check the value(s) in place(s) %1.", nullptr,
                                           int(places.size()))
                                  .arg(places.join(QLatin1String(", ")));
    }
    feedback.lastLine = sum.slip;
}

void describeChoice(const PracticeSitting& sitting, AnswerFeedback& feedback)
{
    const PracticeSitting::Answer& answer = sitting.lastAnswer();
    const AnswerOptions& options = sitting.currentOptions();
    const QString& correct = options.texts[static_cast<size_t>(options.correctBox)];
    if (!answer.right)
        feedback.lines << Feedback::tr("Your choice (%1):").arg(answer.chosenBox + 1)
                       << options.texts[static_cast<size_t>(answer.chosenBox)] << QString();
    feedback.lines << Feedback::tr("The correct answer (%1):").arg(options.correctBox + 1)
                   << correct;
    feedback.verdict = answer.right
                           ? Feedback::tr("Right")
                           : Feedback::tr("Wrong: the answer was %1").arg(options.correctBox + 1);
    feedback.lastLine = Feedback::tr("Press Enter for the next card.");
}

} // namespace

QString valuesText(const QList<int>& values)
{
    QStringList parts;
    for (int v : values)
        parts << QString::number(v);
    return parts.join(QLatin1String(", "));
}

AnswerFeedback describeLastAnswer(const PracticeSitting& sitting)
{
    const PracticeSitting::Answer& answer = sitting.lastAnswer();
    AnswerFeedback feedback;
    feedback.right = answer.right;
    if (sitting.currentCard().kind == CardKind::Sum)
        describeSum(answer, feedback);
    else
        describeChoice(sitting, feedback);
    if (!answer.right)
        feedback.lines << QString()
                       << Feedback::tr(
                              "This card comes back after a few others, until you have it right.");
    else if (answer.kind == AnswerKind::Cramming)
        feedback.lines << QString()
                       << Feedback::tr(
                              "Practised before it was due: it still comes back on its date.");
    return feedback;
}

} // namespace corvella::practice
