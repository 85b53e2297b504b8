#include "quiz/resultreport.h"

#include "platform/richtextpane.h"
#include "session/quizsizes.h"

#include <QCoreApplication>

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
    return bySignificance
               ? QCoreApplication::translate("TestReport", "Test Result: Significance")
               : QCoreApplication::translate("TestReport", "Test Result: Interpretation");
}

QString TestReport::summary() const
{
    // The number of questions chooses the plural form; in English it is always "Questions".
    return QCoreApplication::translate("TestReport", "%1 Correct out of %n Questions", nullptr,
                                       questionCount())
        .arg(score);
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
    const QString yourChoice = QCoreApplication::translate("TestReport", "Your Choice: ");
    const QString correctChoice = QCoreApplication::translate("TestReport", "Correct Choice: ");
    pane.setWholeText(QString());
    pane.beginEditBlock();
    for (const ReportBlock& block : report.blocks) {
        pane.setEmphasis(true);
        pane.insertAtCaret(block.heading + crLf());
        pane.setEmphasis(false);
        pane.insertAtCaret(yourChoice + crLf());
        pane.insertAtCaret(block.choice + crLf());
        pane.insertAtCaret(correctChoice + crLf());
        pane.insertAtCaret(block.correct + crLf() + crLf());
    }
    pane.insertAtCaret(report.summary());
    pane.endEditBlock();
}

} // namespace corvella
