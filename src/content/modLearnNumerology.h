#pragma once

#include "numerology/subject.h"

#include <QString>

#include <array>

namespace corvella {

constexpr int SubjectCount = 15;
// A subject's index in the catalogue is its number's in the numerology core.
static_assert(SubjectCount == numerology::NumberCount,
              "the catalogue and the numerology core list the same fifteen numbers");
constexpr int SubjectSlots = 16; // slot 15 is never filled
constexpr int InterpretationEntryCount = 171;

// The whole body of teaching material: fifteen subjects, each with a name, a significance
// paragraph, a calculation text (lines joined by CR LF) and a run of interpretation entries,
// one per value the number can take. Readers index the tables directly.
struct ContentTables
{
    std::array<QString, SubjectSlots> SubjectName;
    std::array<QString, SubjectSlots> SubjectSignificance;
    std::array<QString, SubjectSlots> SubjectCalculation;
    std::array<qint16, SubjectSlots> FirstInterpretation{};
    std::array<qint16, SubjectSlots> LastInterpretation{};
    std::array<qint16, InterpretationEntryCount> InterpretationValue{};
    std::array<QString, InterpretationEntryCount> InterpretationText;
};

// Fills every table from the program's built-in constants, overwriting what they held. With
// setTranslateContent(true) each text is looked up in the installed translation (context
// "Content"); otherwise the tables hold the English texts.
void loadContent(ContentTables& tables);

// Whether loadContent and entryHeading look their texts up in the installed translation;
// installTranslations turns it on when it installs one. Off (the default), the English texts
// are taken straight from the constants, several times faster than looking each one up.
void setTranslateContent(bool on);

// A calculation text as translators see it and loadContent looks it up: its lines joined by
// "\n" instead of CR LF.
QString calculationSourceText(const QString& calculation);

// The first subject (in subject order) whose run of entries contains the entry; -1 when no
// run does.
int subjectOfEntry(const ContentTables& tables, int entry);

// "Birthday Number 14": the subject's name, one blank and the entry's value (in English; a
// translation may order them otherwise). Empty for an
// entry that no subject owns.
QString entryHeading(const ContentTables& tables, int entry);

} // namespace corvella
