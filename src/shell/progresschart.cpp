#include "shell/progresschart.h"

#include "platform/datetext.h"
#include "shell/windowlook.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace corvella {

namespace {

QString levelName(int level)
{
    return level == 0 ? ProgressChart::tr("New") : ProgressChart::tr("Level %1").arg(level);
}

} // namespace

int ProgressPicture::Bar::total() const
{
    int sum = 0;
    for (int n : byLevel)
        sum += n;
    return sum;
}

ProgressPicture makeProgressPicture(const practice::Progress& progress,
                                    const QList<practice::CardId>& lessonOrder,
                                    const ContentTables& content)
{
    ProgressPicture picture;
    for (int s = 0; s < SubjectCount; ++s)
        picture.bars.append({content.SubjectName[s], {}});
    for (const practice::CardId& card : lessonOrder) {
        if (card.subject < 0 || card.subject >= SubjectCount)
            continue;
        const auto found = progress.cards.constFind(practice::cardKey(card));
        const int level = found == progress.cards.constEnd() ? 0 : practice::levelOf(*found);
        ++picture.bars[card.subject].byLevel[static_cast<size_t>(level)];
    }
    picture.scores.reserve(progress.tests.size());
    for (const practice::FinishedTest& test : progress.tests) {
        if (test.outOf > 0)
            picture.scores.append({test.date, 100.0 * test.score / test.outOf});
    }
    return picture;
}

QString describeProgressPicture(const ProgressPicture& picture)
{
    QStringList lines;
    lines << ProgressChart::tr("Cards by level, number by number:");
    for (const ProgressPicture::Bar& bar : picture.bars) {
        QStringList parts;
        for (int level = 0; level <= practice::LevelCount; ++level) {
            const int n = bar.byLevel[static_cast<size_t>(level)];
            if (n > 0)
                parts << ProgressChart::tr("%1 %2", "a level and how many cards are at it")
                             .arg(levelName(level))
                             .arg(n);
        }
        lines
            << (parts.isEmpty()
                    ? ProgressChart::tr("%1: %n card(s), none.", nullptr, bar.total()).arg(bar.name)
                    : ProgressChart::tr("%1: %n card(s), %2.", "%2 lists the cards by level",
                                        bar.total())
                          .arg(bar.name, parts.join(ProgressChart::tr(
                                             ", ", "between the levels of a number"))));
    }
    if (picture.scores.isEmpty()) {
        lines << ProgressChart::tr("No finished test yet.");
    } else {
        const ProgressPicture::Score& first = picture.scores.constFirst();
        const ProgressPicture::Score& last = picture.scores.constLast();
        double best = 0;
        for (const ProgressPicture::Score& score : picture.scores)
            best = std::max(best, score.percent);
        lines << ProgressChart::tr("%n finished test(s), from %1 to %2: the first scored %3%, the "
                                   "last %4%, the best %5%.",
                                   nullptr, static_cast<int>(picture.scores.size()))
                     .arg(dateToText(first.date), dateToText(last.date))
                     .arg(std::lround(first.percent))
                     .arg(std::lround(last.percent))
                     .arg(std::lround(best));
    }
    return lines.join(QLatin1Char('\n'));
}

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chtProgress"));
    setAccessibleName(tr("Picture of your progress"));
    setFocusPolicy(Qt::TabFocus);
}

void ProgressChart::setPicture(ProgressPicture picture)
{
    m_picture = std::move(picture);
    setAccessibleDescription(describeProgressPicture(m_picture));
    setToolTip(QString());
    updateGeometry();
    update();
}

QColor ProgressChart::levelColour(int level)
{
    // From a pale grey for the unseen cards through the window's pink to a deep purple for the
    // cards that are learnt: lighter is newer.
    static const QRgb fills[] = {qRgb(205, 205, 205), qRgb(255, 192, 255), qRgb(232, 140, 232),
                                 qRgb(192, 88, 200),  qRgb(140, 40, 160),  qRgb(88, 0, 110)};
    return QColor(fills[std::clamp(level, 0, practice::LevelCount)]);
}

QBrush ProgressChart::levelPattern(int level)
{
    // Levels 1, 3 and 5, so that each part of a bar has a plain neighbour and a hatched one;
    // the new cards stay plain. Lines of black on the lighter fills, of white on the darker ones.
    if (std::clamp(level, 0, practice::LevelCount) % 2 == 0)
        return Qt::NoBrush;
    const QColor fill = levelColour(level);
    return {fill.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white), Qt::BDiagPattern};
}

int ProgressChart::nameColumnWidth() const
{
    const QFontMetrics fm(font());
    int width = 0;
    for (const ProgressPicture::Bar& bar : m_picture.bars)
        width = std::max(width, fm.horizontalAdvance(bar.name));
    return width;
}

int ProgressChart::barsHeight() const
{
    const QFontMetrics fm(font());
    const int row = fm.height() + fm.height() / 3;
    // Heading, legend, fifteen rows.
    return fm.height() * 2 + fm.height() + row * SubjectCount;
}

int ProgressChart::lineChartHeight() const
{
    const QFontMetrics fm(font());
    return fm.height() * 8;
}

QSize ProgressChart::sizeHint() const
{
    const QFontMetrics fm(font());
    return {std::max(fm.averageCharWidth() * 70, minimumSizeHint().width()),
            barsHeight() + lineChartHeight() + fm.height() * 2};
}

QSize ProgressChart::minimumSizeHint() const
{
    // Every name whole beside a bar of at least twenty characters and its count; the chart
    // scrolls sideways in a narrow window rather than cut a name short.
    const QFontMetrics fm(font());
    const int bars = fm.height() + nameColumnWidth() + fm.averageCharWidth() * 22 +
                     fm.horizontalAdvance(QStringLiteral("000/000"));
    return {std::max(fm.averageCharWidth() * 50, bars),
            barsHeight() + lineChartHeight() + fm.height() * 2};
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int margin = fm.height() / 2;
    const QRect inner = rect().adjusted(margin, margin, -margin, -margin);
    paintBars(painter, QRect(inner.left(), inner.top(), inner.width(), barsHeight()));
    const int top = inner.top() + barsHeight() + fm.height();
    paintScores(painter, QRect(inner.left(), top, inner.width(), inner.bottom() - top));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// A part's heading in bold on its first line; the painter is left with the plain font and the
// text colour.
void ProgressChart::paintHeading(QPainter& painter, const QRect& area, const QString& heading) const
{
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(area.left(), area.top(), area.width(), QFontMetrics(font()).height()),
                     Qt::AlignLeft, heading);
    painter.setFont(font());
}

void ProgressChart::paintBars(QPainter& painter, const QRect& area) const
{
    const QFontMetrics fm(font());
    const QColor text = palette().color(QPalette::WindowText);
    paintHeading(painter, area, tr("Your cards, number by number (lighter is newer)"));
    int y = area.top() + fm.height() * 3 / 2;

    // The legend: a swatch and a name for each level.
    int x = area.left();
    const int swatch = fm.height() * 2 / 3;
    for (int level = 0; level <= practice::LevelCount; ++level) {
        painter.setPen(text);
        const QRect swatchRect(x, y + (fm.height() - swatch) / 2, swatch, swatch);
        painter.setBrush(levelColour(level));
        painter.drawRect(swatchRect);
        painter.setBrush(levelPattern(level));
        painter.drawRect(swatchRect);
        x += swatch + fm.averageCharWidth();
        const QString name = levelName(level);
        painter.drawText(QRect(x, y, fm.horizontalAdvance(name) + 1, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += fm.horizontalAdvance(name) + fm.averageCharWidth() * 2;
    }
    y += fm.height() * 3 / 2;

    const int nameWidth = nameColumnWidth();
    const int countWidth = fm.horizontalAdvance(QStringLiteral("000/000"));
    const int gap = fm.averageCharWidth();
    const int barLeft = area.left() + nameWidth + gap;
    const int barWidth = std::max(1, area.right() - countWidth - gap - barLeft);
    const int row = fm.height() + fm.height() / 3;
    for (const ProgressPicture::Bar& bar : m_picture.bars) {
        painter.setPen(text);
        painter.drawText(QRect(area.left(), y, nameWidth, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, bar.name);
        const int total = bar.total();
        int seen = 0;
        if (total > 0) {
            // Each bar spans its own cards, so that every number shows how much of it is learnt:
            // the best-known cards from the left, the new ones last.
            int done = 0;
            for (int level = practice::LevelCount; level >= 0; --level) {
                const int n = bar.byLevel[static_cast<size_t>(level)];
                const int from = barLeft + barWidth * done / total;
                done += n;
                const int to = barLeft + barWidth * done / total;
                const QRect part(from, y + 1, to - from, fm.height() - 2);
                if (to > from) {
                    painter.fillRect(part, levelColour(level));
                    painter.fillRect(part, levelPattern(level));
                }
            }
            seen = total - bar.byLevel[0];
        }
        painter.setPen(text);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(barLeft, y + 1, barWidth, fm.height() - 2));
        painter.drawText(QRect(area.right() - countWidth, y, countWidth, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         tr("%1/%2", "cards seen out of all the cards").arg(seen).arg(total));
        y += row;
    }
}

void ProgressChart::paintScores(QPainter& painter, const QRect& area) const
{
    const QFontMetrics fm(font());
    const QColor text = palette().color(QPalette::WindowText);
    paintHeading(painter, area, tr("Scores of your tests in the main window"));

    const int axisWidth = fm.horizontalAdvance(QStringLiteral("100%")) + fm.averageCharWidth();
    const QRect plot(area.left() + axisWidth, area.top() + fm.height() * 2,
                     std::max(1, area.width() - axisWidth - fm.averageCharWidth()),
                     std::max(1, area.height() - fm.height() * 4));
    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (int percent : {0, 50, 100}) {
        const int y = plot.bottom() - plot.height() * percent / 100;
        painter.drawText(
            QRect(area.left(), y - fm.height() / 2, axisWidth - fm.averageCharWidth(), fm.height()),
            Qt::AlignRight | Qt::AlignVCenter, tr("%1%", "a score in percent").arg(percent));
        if (percent == 50) {
            painter.setPen(QPen(text, 1, Qt::DotLine));
            painter.drawLine(plot.left(), y, plot.right(), y);
            painter.setPen(QPen(text, 1));
        }
    }

    const QList<ProgressPicture::Score>& scores = m_picture.scores;
    if (scores.isEmpty()) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, tr("No finished test yet"));
        return;
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + fm.height() / 4, plot.width(), fm.height()),
                     Qt::AlignLeft, dateToText(scores.constFirst().date));
    painter.drawText(QRect(plot.left(), plot.bottom() + fm.height() / 4, plot.width(), fm.height()),
                     Qt::AlignRight, dateToText(scores.constLast().date));

    // One point per test, in order; with more tests than pixels each column shows the mean of
    // the tests that fall on it.
    const auto n = scores.size();
    const int columns = std::max(1, plot.width());
    QPolygonF line;
    const auto yOf = [&plot](double percent) {
        return plot.bottom() - plot.height() * std::clamp(percent, 0.0, 100.0) / 100.0;
    };
    if (n == 1) {
        line << QPointF(plot.left(), yOf(scores[0].percent))
             << QPointF(plot.right(), yOf(scores[0].percent));
    } else if (n <= columns) {
        for (qsizetype i = 0; i < n; ++i)
            line << QPointF(plot.left() + double(plot.width()) * double(i) / double(n - 1),
                            yOf(scores[i].percent));
    } else {
        for (int c = 0; c < columns; ++c) {
            const qsizetype from = n * c / columns;
            const qsizetype to = std::max(from + 1, n * (c + 1) / columns);
            double sum = 0;
            for (qsizetype i = from; i < to; ++i)
                sum += scores[i].percent;
            line << QPointF(plot.left() + c, yOf(sum / double(to - from)));
        }
    }
    painter.setPen(QPen(QColor(colours::Orange), std::max(2.0, fm.height() / 6.0)));
    painter.drawPolyline(line);
    if (n <= columns / 4) {
        painter.setBrush(QColor(colours::Orange));
        const double r = fm.height() / 5.0;
        for (const QPointF& point : line)
            painter.drawEllipse(point, r, r);
    }
}

} // namespace corvella
