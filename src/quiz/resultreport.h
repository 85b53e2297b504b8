#pragma once

#include "content/modLearnNumerology.h"
#include "platform/richtextpane.h"
#include "shell/navigationstate.h"
#include "quiz/teststate.h"

#include <QString>

namespace corvella {

// Frame caption of the result screen: "Test Result: Significance" / "Test Result: Interpretation".
QString ResultFrameCaption(bool bySignificance);

// Writes the report of the finished test into the pane and ends the test. The pane is
// cleared, then per question: the heading (the only emphasised line), "Your Choice: ", the
// stored choice, "Correct Choice: ", the correct text and an empty line; last the summary
// "N Correct out of M Questions" with no line break after it. A choice scores when its text
// equals the correct text exactly. Afterwards the test state is empty and no subject is
// ticked. Returns the score.
//
// The content tables are read as the generators left them; the report does not load them.
int WriteTestReport(NavigationState& nav, TestState& test, const ContentTables& content,
                    RichTextPane& pane);

} // namespace corvella
