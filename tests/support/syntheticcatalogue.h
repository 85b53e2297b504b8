#pragma once

#include "content/modLearnNumerology.h"

namespace corvella::testing {

// The program's own catalogue with every text replaced by one that names its index: subject
// names "S3", significance "G3", calculation "C3", interpretation "T57". The runs of entries
// and their values stay the real ones, so a text on screen or in a report tells exactly which
// subject or entry put it there, whatever the wording of the teaching texts.
void fillSyntheticContent(ContentTables& tables);

// The subject that owns an entry of the real catalogue, -1 for none.
int subjectOwningEntry(int entry);
// The first and last entry of a subject in the real catalogue.
int firstEntryOf(int subject);
int lastEntryOf(int subject);

} // namespace corvella::testing
