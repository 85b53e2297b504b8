#pragma once

#include "content/modLearnNumerology.h"
#include "practice/progress.h"

#include <QBrush>
#include <QDate>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <array>

namespace corvella {

// What the picture of progress shows, worked out once from the progress.
struct ProgressPicture
{
    // For each of the fifteen numbers, its cards by level: slot 0 the cards never seen, slots 1
    // to 5 the cards at levels 1 to 5 (how long each is remembered).
    struct Bar
    {
        QString name;
        std::array<int, practice::LevelCount + 1> byLevel{};
        int total() const;
    };
    QList<Bar> bars;
    // Each finished test of the main window, oldest first: its day and its score in percent.
    struct Score
    {
        QDate date;
        double percent = 0;
    };
    QList<Score> scores;
};

ProgressPicture makeProgressPicture(const practice::Progress& progress,
                                    const QList<practice::CardId>& lessonOrder,
                                    const ContentTables& content);

// The picture in words, for screen readers: one line per number, then the tests.
QString describeProgressPicture(const ProgressPicture& picture);

// Paints the picture: a bar per number, stacked by level, then the scores of past tests as a
// line. Every size follows the font, so that it reads at any scale factor.
class ProgressChart : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void setPicture(ProgressPicture picture);
    const ProgressPicture& picture() const { return m_picture; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The fill of a level's part of a bar (0 = never seen).
    static QColor levelColour(int level);
    // Drawn over that fill, so that neighbouring parts differ by more than their colour: every
    // other level is hatched, in black or white, whichever stands out from the fill.
    static QBrush levelPattern(int level);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int barsHeight() const;
    int lineChartHeight() const;
    // The column the numbers' names take: the longest name whole.
    int nameColumnWidth() const;
    void paintHeading(QPainter& painter, const QRect& area, const QString& heading) const;
    void paintBars(QPainter& painter, const QRect& area) const;
    void paintScores(QPainter& painter, const QRect& area) const;

    ProgressPicture m_picture;
};

} // namespace corvella
