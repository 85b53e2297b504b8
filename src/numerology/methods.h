#pragma once

#include "numerology/numbers.h"
#include "numerology/rules.h"

#include <QList>
#include <QString>
#include <QStringList>

// The other common methods: the ways teachers differ from the rules the lessons teach, each
// named once, with the one rule of Rules it turns and the sentence that says what its teachers
// do. The chart's notes and the sum cards' marks both read this list.

namespace corvella::numerology {

// What a method's sentence names for the person at hand (its %1 and on).
enum class MethodDetail {
    None,
    WsAfterVowels, // the parts with a W after a vowel
    YsBySound,     // the Ys whose sound and letter rule differ
    PeriodAges,    // the ages the periods end at, and the period in force
};

struct OtherMethod
{
    // The rule the method turns round.
    bool Rules::*rule = nullptr;
    // What its teachers do, in English for QCoreApplication::translate("Numerology", ...):
    // when the turned rule is true, and when it is false.
    const char* whenTrue = nullptr;
    const char* whenFalse = nullptr;
    MethodDetail detail = MethodDetail::None;
};

// Every other common method, each once.
const QList<OtherMethod>& otherMethods();

// A method as it bears on one name: the rules it works by and its sentence, translated and
// filled in for the name.
struct MethodForName
{
    Rules rules;
    QString sentence;
};

// The methods that can give this name other values than these rules: every method of the
// list but the timing of the periods, less the W method for a name without a W after a vowel
// and the Y method for a name whose every Y sounds as the letter rule counts it.
QList<MethodForName> methodsFor(const QStringList& nameParts, const Rules& rules);

// The whole chart of a person. nameParts as readName gives them; both dates valid. Each number
// carries a note for each other common method that gives it another value (otherMethods), and
// the periods one for the other common timing where it moves them.
Chart calculateChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                     const Rules& rules = taughtRules());

} // namespace corvella::numerology
