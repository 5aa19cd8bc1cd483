#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QWidget>

// Where a club stood after one matchday.
struct TZnChartPoint {
    // A source that keeps no points per matchday gives this; the tip then leaves them out.
    static constexpr int32_t UnknownPoints = -1;
    int32_t Rank; // 0-based
    int32_t Points;
};

// One club's line: a point per played matchday, the first matchday first.
struct TZnChartSeries {
    QString Name;
    bool IsMine = false; // drawn bold, in front, and labelled
    std::vector<TZnChartPoint> Points;
};

// What the chart draws: the axes' extent (at least 2 each) and the lines. Plain data, so any
// source can feed it.
struct TZnRankChartData {
    int32_t Matchdays = 2; // 第1節 .. 第Matchdays節 from left to right
    int32_t Ranks = 2;     // 1 at the top, Ranks at the bottom
    std::vector<TZnChartSeries> Series;
};

// A line chart of every club's rank after each played matchday. The player's club is drawn bold
// in a strong colour and labelled; the others thin and muted. A pointer resting on a point shows
// its club, matchday, rank and points.
class TZnRankChart : public QWidget {
    Q_OBJECT

public:
    explicit TZnRankChart(QWidget* parent = nullptr);

    void SetHistory(TZnRankChartData history);
    [[nodiscard]] const TZnRankChartData& History() const { return FHistory; }

    // Where the point of matchday index `day` (0 is 第1節) and 0-based `rank` is drawn.
    [[nodiscard]] QPointF PointPosition(int day, int rank) const;

    struct THit {
        int Series; // index into History().Series
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
    // The plot area measures the labels' texts: it is found once for a paint or a search.
    [[nodiscard]] QRectF PlotArea() const;
    [[nodiscard]] QPointF PositionIn(const QRectF& plot, int day, int rank) const;
    void PaintAxes(QPainter& painter, const QRectF& plot) const;
    void PaintSeries(QPainter& painter, const QRectF& plot, const TZnChartSeries& series) const;

    TZnRankChartData FHistory;
};
