#pragma once

#include <optional>
#include <vector>

#include <QWidget>

#include "GameRankHistory.h"

// A line chart of every club's rank after each played matchday: rank 1 at the top, 16 at the
// bottom, 第1節 to 第30節 from left to right. The player's club is drawn bold in a strong colour
// and labelled; the others thin and muted. A pointer resting on a point shows its club, matchday,
// rank and points.
class TZnRankChart : public QWidget {
    Q_OBJECT

public:
    explicit TZnRankChart(QWidget* parent = nullptr);

    void SetHistory(std::vector<TZnRankSeries> history);
    [[nodiscard]] const std::vector<TZnRankSeries>& History() const { return FHistory; }

    // Where the point of matchday index `day` (0 is 第1節) and 0-based `rank` is drawn.
    [[nodiscard]] QPointF PointPosition(int day, int rank) const;

    struct THit {
        int Series; // index into History()
        int Day;    // matchday index
    };
    // The drawn point nearest to `position` within a few pixels, the player's club first.
    [[nodiscard]] std::optional<THit> PointAt(QPointF position) const;
    // The tool tip for `position`, or an empty text when no point is there.
    [[nodiscard]] QString ToolTipAt(QPointF position) const;
    // ToolTipAt as the tip shows it: escaped rich text, so a club name that looks like markup
    // shows its own characters, and the line break stays.
    [[nodiscard]] QString ToolTipMarkupAt(QPointF position) const;

    QSize sizeHint() const override { return {480, 320}; }
    QSize minimumSizeHint() const override { return {240, 180}; }

    static const QColor MyClubColor;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    [[nodiscard]] QRectF PlotArea() const;
    void PaintAxes(QPainter& painter, const QRectF& plot) const;
    void PaintSeries(QPainter& painter, const TZnRankSeries& series) const;

    std::vector<TZnRankSeries> FHistory;
};
