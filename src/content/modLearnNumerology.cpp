#include "content/modLearnNumerology.h"

#include "content/texts.h"

#include <QCoreApplication>

namespace corvella {

namespace {

// Display names in subject order, spacing around the slashes exactly as the program has
// always shown them.
const char* const SubjectNames[SubjectCount] = {
    QT_TRANSLATE_NOOP("Content", "Life Path Number"),
    QT_TRANSLATE_NOOP("Content", "Destiny / Expression Number"),
    QT_TRANSLATE_NOOP("Content", "Soul's Urge/ Heart's Desire Number"),
    QT_TRANSLATE_NOOP("Content", "Inner Dreams / Personality Number"),
    QT_TRANSLATE_NOOP("Content", "Birthday Number"),
    QT_TRANSLATE_NOOP("Content", "Life Path / Expression Bridge Number"),
    QT_TRANSLATE_NOOP("Content", "Heart Desire / Personality Bridge Number"),
    QT_TRANSLATE_NOOP("Content", "Balance Number"),
    QT_TRANSLATE_NOOP("Content", "Maturity / Realization Number"),
    QT_TRANSLATE_NOOP("Content", "Pinnacle Number"),
    QT_TRANSLATE_NOOP("Content", "Challenge Number"),
    QT_TRANSLATE_NOOP("Content", "Life Path Period Number"),
    QT_TRANSLATE_NOOP("Content", "Personal Day Number"),
    QT_TRANSLATE_NOOP("Content", "Personal Month Number"),
    QT_TRANSLATE_NOOP("Content", "Personal Year Number"),
};

// The values a subject's number can take, in the order its entries list them.
enum class ValuePattern {
    WithMasters, // 1..9, 11, 22
    DaysOfMonth, // 1..31
    Differences, // 0..8
    Digits,      // 1..9
};

const ValuePattern SubjectValues[SubjectCount] = {
    ValuePattern::WithMasters, ValuePattern::WithMasters, ValuePattern::WithMasters,
    ValuePattern::WithMasters, ValuePattern::DaysOfMonth, ValuePattern::Differences,
    ValuePattern::Differences, ValuePattern::Digits,      ValuePattern::WithMasters,
    ValuePattern::WithMasters, ValuePattern::Differences, ValuePattern::WithMasters,
    ValuePattern::Digits,      ValuePattern::Digits,      ValuePattern::Digits,
};

const qint16 FirstEntries[SubjectCount] = {0,   11,  22,  33,  44,  75,  84, 93,
                                           102, 113, 124, 133, 144, 153, 162};
const qint16 LastEntries[SubjectCount] = {10,  21,  32,  43,  74,  83,  92, 101,
                                          112, 123, 132, 143, 152, 161, 170};

// Entries 44..101 come from InterpretationsBirthdayBridges; the two bridge numbers share the
// texts of their values 6, 7 and 8, which belong to entries 81..83.
constexpr int BirthdayBridgesFirstEntry = 44;
constexpr int CyclesFirstEntry = 102;
constexpr int SharedBridgeTextsFirstEntry = 81;
constexpr int SharingBridgeEntriesFirst = 90;
constexpr int SharedBridgeTextCount = 3;

const char* interpretationConstant(int entry)
{
    if (entry < BirthdayBridgesFirstEntry)
        return texts::InterpretationsCore[entry];
    if (entry < CyclesFirstEntry) {
        if (entry >= SharingBridgeEntriesFirst &&
            entry < SharingBridgeEntriesFirst + SharedBridgeTextCount)
            entry += SharedBridgeTextsFirstEntry - SharingBridgeEntriesFirst;
        return texts::InterpretationsBirthdayBridges[entry - BirthdayBridgesFirstEntry];
    }
    return texts::InterpretationsCycles[entry - CyclesFirstEntry];
}

bool s_translateContent = false;

// The catalogue's texts are translated in the context "Content".
QString translated(const char* text)
{
    return s_translateContent ? QCoreApplication::translate("Content", text)
                              : QString::fromLatin1(text);
}

// A calculation is translated whole, as its lines joined by "\n" (the form lupdate is given),
// and shown with CR LF between the lines.
QString joinedLines(const texts::CalculationLines& text)
{
    if (!s_translateContent) {
        QString joined;
        for (int i = 0; i < text.count; ++i) {
            if (i > 0)
                joined += QLatin1String("\r\n");
            joined += QLatin1String(text.lines[i]);
        }
        return joined;
    }
    QByteArray joined;
    for (int i = 0; i < text.count; ++i) {
        if (i > 0)
            joined += '\n';
        joined += text.lines[i];
    }
    return translated(joined.constData()).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void fillValues(ContentTables& tables, int subject)
{
    int entry = FirstEntries[subject];
    auto append = [&](int first, int last) {
        for (int value = first; value <= last; ++value)
            tables.InterpretationValue[entry++] = qint16(value);
    };
    switch (SubjectValues[subject]) {
    case ValuePattern::WithMasters:
        append(1, 9);
        append(11, 11);
        append(22, 22);
        break;
    case ValuePattern::DaysOfMonth:
        append(1, 31);
        break;
    case ValuePattern::Differences:
        append(0, 8);
        break;
    case ValuePattern::Digits:
        append(1, 9);
        break;
    }
}

} // namespace

void setTranslateContent(bool on)
{
    s_translateContent = on;
}

void loadContent(ContentTables& tables)
{
    for (int s = 0; s < SubjectCount; ++s)
        tables.SubjectName[s] = translated(SubjectNames[s]);
    for (int s = 0; s < SubjectCount; ++s)
        tables.SubjectSignificance[s] = translated(texts::Significance[s]);
    for (int s = 0; s < SubjectCount; ++s)
        tables.SubjectCalculation[s] = joinedLines(texts::Calculations[s]);
    for (int s = 0; s < SubjectCount; ++s)
        fillValues(tables, s);
    for (int i = 0; i < InterpretationEntryCount; ++i)
        tables.InterpretationText[i] = translated(interpretationConstant(i));
    for (int s = 0; s < SubjectCount; ++s)
        tables.FirstInterpretation[s] = FirstEntries[s];
    for (int s = 0; s < SubjectCount; ++s)
        tables.LastInterpretation[s] = LastEntries[s];
}

int subjectOfEntry(const ContentTables& tables, int entry)
{
    for (int s = 0; s < SubjectCount; ++s) {
        if (tables.FirstInterpretation[s] <= entry && entry <= tables.LastInterpretation[s])
            return s;
    }
    return -1;
}

QString entryHeading(const ContentTables& tables, int entry)
{
    const int subject = subjectOfEntry(tables, entry);
    if (subject < 0 || entry >= InterpretationEntryCount)
        return QString();
    if (!s_translateContent)
        return tables.SubjectName[subject] + QLatin1Char(' ') +
               QString::number(tables.InterpretationValue[entry]);
    return QCoreApplication::translate("Content", "%1 %2",
                                       "a heading: the number's name, then one of its values")
        .arg(tables.SubjectName[subject], QString::number(tables.InterpretationValue[entry]));
}

QString calculationSourceText(const QString& calculation)
{
    QString text = calculation;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace corvella
