#include "quiz/resultreport.h"

#include "platform/richtextpane.h"
#include "session/quizsizes.h"

namespace corvella {

namespace {

const QString& crLf()
{
    static const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak;
}

} // namespace

QString resultFrameCaption(bool bySignificance)
{
    return bySignificance ? QStringLiteral("Test Result: Significance")
                          : QStringLiteral("Test Result: Interpretation");
}

QString TestReport::summary() const
{
    return QStringLiteral("%1 Correct out of %2 Questions").arg(score).arg(questionCount());
}

TestReport makeTestReport(bool bySignificance, const TestState& test, const ContentTables& content)
{
    const int count = bySignificance ? SignificanceQuestionCount
                                     : static_cast<int>(test.InterpretationQuestions.size());
    TestReport report;
    report.blocks.reserve(count);
    for (int q = 0; q < count; ++q) {
        ReportBlock block;
        if (bySignificance) {
            const int subject = test.SignificanceOrder[q];
            block.heading = content.SubjectName[subject];
            block.choice = test.SignificanceAnswers[q];
            block.correct = content.SubjectSignificance[subject];
        } else {
            const int entry = test.InterpretationQuestions.at(q);
            block.heading = entryHeading(content, entry);
            block.choice = test.InterpretationAnswers.at(q);
            block.correct = content.InterpretationText[entry];
        }
        if (block.isCorrect())
            ++report.score;
        report.blocks.append(block);
    }
    return report;
}

void drawTestReport(const TestReport& report, RichTextPane& pane)
{
    pane.setWholeText(QString());
    pane.beginEditBlock();
    for (const ReportBlock& block : report.blocks) {
        pane.setEmphasis(true);
        pane.insertAtCaret(block.heading + crLf());
        pane.setEmphasis(false);
        pane.insertAtCaret(QStringLiteral("Your Choice: ") + crLf());
        pane.insertAtCaret(block.choice + crLf());
        pane.insertAtCaret(QStringLiteral("Correct Choice: ") + crLf());
        pane.insertAtCaret(block.correct + crLf() + crLf());
    }
    pane.insertAtCaret(report.summary());
    pane.endEditBlock();
}

} // namespace corvella
