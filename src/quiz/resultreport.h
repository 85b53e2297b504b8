#pragma once

#include "content/modLearnNumerology.h"
#include "session/teststate.h"

#include <QList>
#include <QString>

namespace corvella {

class RichTextPane;

// Frame caption of the result screen: "Test Result: Significance" / "Test Result: Interpretation".
QString resultFrameCaption(bool bySignificance);

// One question of a finished test as the report shows it.
struct ReportBlock
{
    QString heading; // the subject asked, or the subject and value asked
    QString choice;  // the text the user chose
    QString correct; // the correct text
    // Scored by text, exactly and case-sensitively: the same text offered in two boxes
    // scores from either.
    bool isCorrect() const { return choice == correct; }
};

// What the report of a finished test says: a block per question, in the order asked, and
// the score.
struct TestReport
{
    QList<ReportBlock> blocks;
    int score = 0;

    int questionCount() const { return static_cast<int>(blocks.size()); }
    // "N Correct out of M Questions".
    QString summary() const;
};

// The report of a finished test, from the questions asked and the answers taken. The content
// tables are read as the generators left them; nothing is loaded.
TestReport makeTestReport(bool bySignificance, const TestState& test, const ContentTables& content);

// Writes the report into the pane: cleared, then per question the heading (the only
// emphasised line), "Your Choice: ", the choice, "Correct Choice: ", the correct text and an
// empty line; last the summary, with no line break after it.
void drawTestReport(const TestReport& report, RichTextPane& pane);

} // namespace corvella
