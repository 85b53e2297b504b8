#pragma once

#include "content/modLearnNumerology.h"
#include "numerology/numerology.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace corvella {

class RichTextPane;

// One number of a chart as Your Numbers shows it: its name and values (the heading, the only
// emphasised line), then its working, when each value runs, the other methods' values, what
// each value means and, under the Personal Year, the year ahead.
struct ChartBlock
{
    QString heading;
    QStringList lines;
};

// What the Your Numbers pane says of a person: who, born when, looked at on which day; what
// was read from the name; a block for each of the fifteen numbers.
struct ChartReport
{
    QString title;
    QStringList notes;
    QList<ChartBlock> blocks;
};

// The report of a chart. name as readName gave it; chart as calculateChart gave it for that name
// and these dates. The content tables must be loaded.
ChartReport makeChartReport(const numerology::Chart& chart, const numerology::NameReading& name,
                            const QDate& birth, const QDate& lookAt, const ContentTables& content);

// Writes the report into the pane, cleared first, in one edit block: the title, the notes, and
// each block after an empty line, its heading emphasised. The caret and the view end at the top.
void drawChartReport(const ChartReport& report, RichTextPane& pane);

// What the interpretation texts say of this value of this subject; empty when none does.
QString meaningOf(const ContentTables& content, int subject, int value);

} // namespace corvella
