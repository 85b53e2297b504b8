#include "learn/learnviews.h"

#include "platform/richtextpane.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

namespace corvella::learn {

namespace {
const QString CrLf = QStringLiteral("\r\n");
constexpr int LastSubject = SubjectCount - 1;
// A letter chart is its digits row and the three rows of letters under it.
constexpr int ChartRows = 4;

// The characters that fill the space between a chart's columns: blanks, or the dashes of the
// vowel chart.
bool isChartFiller(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-');
}

// The character positions at which the runs of a chart row start ("A", "W*", "--").
QList<int> runStarts(const QString& row)
{
    QList<int> starts;
    for (int i = 0; i < row.size(); ++i) {
        if (!isChartFiller(row.at(i)) && (i == 0 || isChartFiller(row.at(i - 1))))
            starts << i;
    }
    return starts;
}

// "1   2   3 ...   9" or "1---2---...9": the digits 1 to 9 in order with fillers between.
bool isDigitsRow(const QString& line)
{
    QString digits;
    for (QChar c : line) {
        if (!isChartFiller(c))
            digits += c;
    }
    return digits == QLatin1String("123456789") && !line.startsWith(QLatin1Char(' '));
}

// Whether, in the given font, every run of the letter rows starts over a digit of the digits
// row: its first character's centre no further from that digit's centre than half a digit's
// width. The rows are written so that each run starts in the character column of its digit.
bool readsAsColumns(const QStringList& rows, const QFont& font)
{
    const QFontMetricsF metrics(font);
    const auto centreOf = [&metrics](const QString& row, int at) {
        return metrics.horizontalAdvance(row.left(at)) +
               metrics.horizontalAdvance(row.at(at)) / 2.0;
    };
    const QString& digits = rows.first();
    const qreal tolerance = metrics.horizontalAdvance(QLatin1Char('0')) / 2.0;
    for (int r = 1; r < rows.size(); ++r) {
        for (int at : runStarts(rows.at(r))) {
            if (at >= digits.size() || isChartFiller(digits.at(at)))
                return false;
            if (std::abs(centreOf(rows.at(r), at) - centreOf(digits, at)) > tolerance)
                return false;
        }
    }
    return true;
}

// Gives the rows of every letter chart in the pane a fixed-pitch face where they would not
// read as columns in the pane's own font; the prose keeps the pane's font. Only the format
// changes, never a character.
void setChartsInFixedPitch(RichTextPane& pane)
{
    QTextCharFormat fixedPitch;
    fixedPitch.setFontFamilies({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    fixedPitch.setFontFixedPitch(true);
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        if (!isDigitsRow(block.text()))
            continue;
        QStringList rows;
        QTextBlock last = block;
        for (QTextBlock b = block; b.isValid() && rows.size() < ChartRows; b = b.next()) {
            rows << b.text();
            last = b;
        }
        if (rows.size() < ChartRows || readsAsColumns(rows, pane.font()))
            continue;
        QTextCursor cursor(block);
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(fixedPitch);
        block = last;
    }
}

} // namespace

QString showSignificanceRecord(ContentTables& content, const StudySession& session,
                               RichTextPane& pane)
{
    loadContent(content);
    const int s = session.CurrentRecord;
    pane.setWholeText(QString());
    pane.beginEditBlock();
    pane.insertAtCaret(QCoreApplication::translate("LearnViews", "Significance") + CrLf);
    pane.insertAtCaret(content.SubjectSignificance[s] + CrLf + CrLf);
    pane.insertAtCaret(QCoreApplication::translate("LearnViews", "Calculation") + CrLf);
    pane.insertAtCaret(content.SubjectCalculation[s]);
    setChartsInFixedPitch(pane);
    pane.endEditBlock();
    return content.SubjectName[s];
}

QString showInterpretationRecord(ContentTables& content, const StudySession& session,
                                 RichTextPane& pane)
{
    loadContent(content);
    const int s = session.CurrentRecord;
    pane.setWholeText(QString());
    pane.beginEditBlock();
    for (int i = content.FirstInterpretation[s]; i <= content.LastInterpretation[s]; ++i) {
        pane.insertAtCaret(content.SubjectName[s] + QLatin1Char(' ') +
                           QString::number(content.InterpretationValue[i]) + CrLf);
        pane.insertAtCaret(content.InterpretationText[i] + CrLf + CrLf);
    }
    pane.endEditBlock();
    return content.SubjectName[s];
}

bool moveToNextRecord(StudySession& session)
{
    if (session.activityBySignificance()) {
        if (session.CurrentRecord >= LastSubject)
            return false;
        ++session.CurrentRecord;
        return true;
    }
    for (int i = session.CurrentRecord + 1; i <= LastSubject; ++i) {
        if (session.SubjectTicked[i]) {
            session.CurrentRecord = static_cast<qint16>(i);
            return true;
        }
    }
    return false;
}

bool moveToPreviousRecord(StudySession& session)
{
    if (session.activityBySignificance()) {
        if (session.CurrentRecord <= 0)
            return false;
        --session.CurrentRecord;
        return true;
    }
    for (int i = session.CurrentRecord - 1; i >= 0; --i) {
        if (session.SubjectTicked[i]) {
            session.CurrentRecord = static_cast<qint16>(i);
            return true;
        }
    }
    return false;
}

} // namespace corvella::learn
