#include "quiz/resultreport.h"

namespace corvella {

namespace {

constexpr int SignificanceQuestions = 10;

const QString& crLf()
{
    static const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak;
}

} // namespace

QString ResultFrameCaption(bool bySignificance)
{
    return bySignificance ? QStringLiteral("Test Result: Significance")
                          : QStringLiteral("Test Result: Interpretation");
}

int WriteTestReport(NavigationState& nav, TestState& test, const ContentTables& content,
                    RichTextPane& pane)
{
    pane.setWholeText(QString());
    pane.beginEditBlock();

    const int count = nav.BySignificance ? SignificanceQuestions
                                         : static_cast<int>(test.InterpretationQuestions.size());
    int score = 0;
    for (int q = 0; q < count; ++q) {
        QString heading;
        QString choice;
        QString correct;
        if (nav.BySignificance) {
            const int subject = test.SignificanceOrder[q];
            heading = content.SubjectName[subject];
            choice = test.SignificanceAnswers[q];
            correct = content.SubjectSignificance[subject];
        } else {
            const int entry = test.InterpretationQuestions.at(q);
            heading = EntryHeading(content, entry);
            choice = test.InterpretationAnswers.at(q);
            correct = content.InterpretationText[entry];
        }

        pane.setEmphasis(true);
        pane.insertAtCaret(heading + crLf());
        pane.setEmphasis(false);
        pane.insertAtCaret(QStringLiteral("Your Choice: ") + crLf());
        pane.insertAtCaret(choice + crLf());
        pane.insertAtCaret(QStringLiteral("Correct Choice: ") + crLf());
        pane.insertAtCaret(correct + crLf() + crLf());

        // Exact and case-sensitive: the same text offered in two boxes scores from either.
        if (choice == correct)
            ++score;
    }
    pane.insertAtCaret(QStringLiteral("%1 Correct out of %2 Questions").arg(score).arg(count));
    pane.endEditBlock();

    test.clear();
    nav.SubjectTicked.fill(false);
    return score;
}

} // namespace corvella
