#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

// One completed season as the career chart draws it.
struct TZnCareerPoint {
    int Season = 0;   // 0-based; shown as Season + 1 followed by "季"
    int Rank = 0;     // 0-based final rank; shown as Rank + 1 followed by "位"
    qint64 Money = 0; // the funds at the season's end, in 万円
    bool Title = false;
    QString Line; // the whole text of the season's tool tip, shown as plain text
};

// A chart across seasons of the final rank (left axis, 1 at the top, 16 at the bottom) and of the
// funds at each season's end (right axis, a scale of its own); title seasons carry a gold star on
// the rank line. A pointer resting over a season's column shows that season's Line. However many
// seasons there are, at most one point per pixel column is drawn, so a long career draws as fast
// as a short one.
class TZnCareerChart : public QWidget {
    Q_OBJECT

public:
    // Turns an amount of 万円 into an axis label.
    using TZnMoneyFormat = std::function<QString(qint64)>;

    explicit TZnCareerChart(QWidget* parent = nullptr);

    // `seasons` oldest first.
    void SetSeasons(std::vector<TZnCareerPoint> seasons);
    [[nodiscard]] const std::vector<TZnCareerPoint>& Seasons() const { return FSeasons; }
    // The label of a 0-based season under the chart: its number from 1, then "季".
    [[nodiscard]] static QString SeasonLabel(int season);
    // The labels of the funds axis; plain "N万円" until set.
    void SetMoneyFormat(TZnMoneyFormat format);

    // Where the rank and the funds of Seasons()[index] are drawn.
    [[nodiscard]] QPointF RankPosition(int index) const;
    [[nodiscard]] QPointF MoneyPosition(int index) const;
    // The index of the season whose column holds `position` inside the plot area.
    [[nodiscard]] std::optional<int> PointAt(QPointF position) const;
    // That season's Line, or an empty text when no season is there.
    [[nodiscard]] QString ToolTipAt(QPointF position) const;

    QSize sizeHint() const override { return {480, 240}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

    static QString EmptyText();
    static const QColor RankColor;
    static const QColor MoneyColor;
    static const QColor TitleColor;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct TZnMoneyAxis {
        qint64 Low = 0;
        qint64 High = 1;
        qint64 Step = 1;
    };
    [[nodiscard]] TZnMoneyAxis MoneyAxis() const;
    [[nodiscard]] QRectF PlotArea() const;
    [[nodiscard]] qreal ColumnX(const QRectF& plot, int index) const;
    [[nodiscard]] qreal RankY(const QRectF& plot, int rank) const;
    [[nodiscard]] qreal MoneyY(const QRectF& plot, const TZnMoneyAxis& axis, qint64 money) const;
    [[nodiscard]] QPointF RankPoint(const QRectF& plot, int index) const;
    [[nodiscard]] QPointF MoneyPoint(const QRectF& plot, const TZnMoneyAxis& axis, int index) const;
    void PaintAxes(QPainter& painter, const QRectF& plot, const TZnMoneyAxis& axis) const;
    void PaintSeasonLabels(QPainter& painter, const QRectF& plot) const;
    void PaintLines(QPainter& painter, const QRectF& plot, const TZnMoneyAxis& axis) const;

    std::vector<TZnCareerPoint> FSeasons;
    qint64 FMoneyMin = 0;
    qint64 FMoneyMax = 0;
    TZnMoneyFormat FMoneyFormat;
};
