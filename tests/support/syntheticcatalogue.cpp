#include "support/syntheticcatalogue.h"

namespace corvella::testing {

namespace {

const ContentTables& realCatalogue()
{
    static const ContentTables tables = [] {
        ContentTables loaded;
        loadContent(loaded);
        return loaded;
    }();
    return tables;
}

} // namespace

void fillSyntheticContent(ContentTables& tables)
{
    tables = realCatalogue();
    for (int s = 0; s < SubjectCount; ++s) {
        tables.SubjectName[s] = QStringLiteral("S%1").arg(s);
        tables.SubjectSignificance[s] = QStringLiteral("G%1").arg(s);
        tables.SubjectCalculation[s] = QStringLiteral("C%1").arg(s);
    }
    for (int e = 0; e < InterpretationEntryCount; ++e)
        tables.InterpretationText[e] = QStringLiteral("T%1").arg(e);
}

int subjectOwningEntry(int entry)
{
    return subjectOfEntry(realCatalogue(), entry);
}

int firstEntryOf(int subject)
{
    return realCatalogue().FirstInterpretation[subject];
}

int lastEntryOf(int subject)
{
    return realCatalogue().LastInterpretation[subject];
}

} // namespace corvella::testing
