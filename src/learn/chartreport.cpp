#include "learn/chartreport.h"

#include "content/cyclemeanings.h"
#include "numerology/ordinals.h"
#include "platform/richtextpane.h"

#include <QCoreApplication>
#include <QTextCursor>

namespace corvella {

namespace {

QStringList yearAhead(const numerology::Number& number)
{
    QStringList lines;
    if (number.ahead.isEmpty())
        return lines;
    lines << QCoreApplication::translate("ChartReport", "The year ahead:");
    bool monthsBegun = false;
    for (const numerology::CycleAhead& cycle : number.ahead) {
        const QString meaning = shortMeaningOfCycle(cycle.value);
        if (cycle.subject == numerology::PersonalYear) {
            lines << QCoreApplication::translate("ChartReport", "%1, Personal Year %2 (%3): %4")
                         .arg(cycle.year)
                         .arg(cycle.value)
                         .arg(cycle.working, meaning);
            continue;
        }
        if (!monthsBegun)
            lines << QCoreApplication::translate("ChartReport",
                                                 "The Personal Months of %1 (the birth day, the "
                                                 "birth month, the month and the year added, as "
                                                 "above):")
                         .arg(cycle.year);
        monthsBegun = true;
        const QString month = numerology::monthName(cycle.month);
        lines << (cycle.current ? QCoreApplication::translate("ChartReport", "%1, %2 (now): %3")
                                : QCoreApplication::translate("ChartReport", "%1, %2: %3"))
                     .arg(month)
                     .arg(cycle.value)
                     .arg(meaning);
    }
    return lines;
}

} // namespace

QString meaningOf(const ContentTables& content, int subject, int value)
{
    for (int i = content.FirstInterpretation[subject]; i <= content.LastInterpretation[subject];
         ++i) {
        if (content.InterpretationValue[i] == value)
            return content.InterpretationText[i];
    }
    return {};
}

ChartReport makeChartReport(const numerology::Chart& chart, const numerology::NameReading& name,
                            const QDate& birth, const QDate& lookAt, const ContentTables& content)
{
    ChartReport report;
    report.title = QCoreApplication::translate("ChartReport", "%1, born %2, looking at %3")
                       .arg(name.parts.join(QLatin1Char(' ')), numerology::spelledDate(birth),
                            numerology::spelledDate(lookAt));
    if (!name.readAs.isEmpty())
        report.notes << QCoreApplication::translate("ChartReport",
                                                    "Letters read as plain ones: %1.")
                            .arg(name.readAs.join(QLatin1String(", ")));
    for (const QString& joined : name.hyphenated)
        report.notes << QCoreApplication::translate("ChartReport",
                                                    "%1 counts as one part of the name: a hyphen "
                                                    "joins, it does not split.")
                            .arg(joined);
    for (const numerology::Number& number : chart.numbers) {
        QStringList values;
        for (int v : number.values)
            values << QString::number(v);
        ChartBlock block;
        block.heading =
            QCoreApplication::translate("ChartReport", "%1: %2")
                .arg(content.SubjectName[number.subject], values.join(QLatin1String(", ")));
        block.lines = number.working + number.timing + number.otherMethods;
        if (number.values.size() == 1) {
            block.lines << QCoreApplication::translate("ChartReport", "Meaning: %1")
                               .arg(meaningOf(content, number.subject, number.values[0]));
        } else {
            for (int k = 0; k < number.values.size(); ++k)
                block.lines << QCoreApplication::translate("ChartReport", "%1 (%2): %3")
                                   .arg(numerology::ordinalWord(k))
                                   .arg(number.values[k])
                                   .arg(meaningOf(content, number.subject, number.values[k]));
        }
        block.lines << yearAhead(number);
        report.blocks << block;
    }
    return report;
}

void drawChartReport(const ChartReport& report, RichTextPane& pane)
{
    const QString lineBreak = QStringLiteral("\r\n");
    pane.setWholeText(QString());
    pane.beginEditBlock();
    pane.insertAtCaret(report.title + lineBreak);
    for (const QString& note : report.notes)
        pane.insertAtCaret(note + lineBreak);
    for (const ChartBlock& block : report.blocks) {
        pane.insertAtCaret(lineBreak);
        pane.setEmphasis(true);
        pane.insertAtCaret(block.heading);
        pane.setEmphasis(false);
        pane.insertAtCaret(lineBreak);
        for (const QString& line : block.lines)
            pane.insertAtCaret(line + lineBreak);
    }
    pane.endEditBlock();
    // The reader starts at the top, and so does the keyboard.
    QTextCursor start = pane.textCursor();
    start.movePosition(QTextCursor::Start);
    pane.setTextCursor(start);
    pane.scrollToTop();
}

} // namespace corvella
