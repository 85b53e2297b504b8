#pragma once

namespace corvella {

// The sizes of a test, in one place for the engine, the report and the tests.
constexpr int SignificanceQuestionCount = 10;
constexpr int AnswerBoxCount = 5;
// An interpretation test asks this many entries of every ticked subject.
constexpr int EntriesPerTickedSubject = 5;

// The number of questions of an interpretation test over `tickedSubjects` subjects.
constexpr int interpretationQuestionCount(int tickedSubjects)
{
    return EntriesPerTickedSubject * tickedSubjects;
}

} // namespace corvella
