#pragma once

#include "content/modLearnNumerology.h"
#include "session/studysession.h"

namespace corvella {

class RichTextPane;

namespace learn {

// Writes the significance record of CurrentRecord into the pane, piece by piece at the caret,
// after loading the catalogue. Returns the subject's name for the learn screen's caption.
QString showSignificanceRecord(ContentTables& content, const StudySession& session,
                               RichTextPane& pane);

// Writes every interpretation entry of CurrentRecord: a heading "Name value" and the
// paragraph, then an empty line. Returns the subject's name.
QString showInterpretationRecord(ContentTables& content, const StudySession& session,
                                 RichTextPane& pane);

// Moves CurrentRecord to the next record of the method in use: the next subject by
// significance, the next ticked subject by interpretation. Returns false, with CurrentRecord
// where it was, when there is none.
bool moveToNextRecord(StudySession& session);
// The same towards the first record.
bool moveToPreviousRecord(StudySession& session);

} // namespace learn
} // namespace corvella
