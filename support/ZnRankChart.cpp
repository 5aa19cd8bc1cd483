#include "ZnRankChart.h"

#include "ZnChartColors.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>

#include "ZnToolTip.h"

namespace {

constexpr qreal HitRadius = 6.0;

QString MatchdayText(int day) {
    return QCoreApplication::translate("GameWords", "第%1節").arg(day + 1);
}

// The axis labels drawn so far, as spans along the axis; a label that would come closer than a
// small gap to one of them is skipped, so labels never overlap however small the chart.
class TLabelSpans {
public:
    bool Take(qreal from, qreal to) {
        constexpr qreal gap = 3;
        for (const auto& [a, b] : Spans)
            if (from < b + gap && a < to + gap)
                return false;
        Spans.emplace_back(from, to);
        return true;
    }

private:
    std::vector<std::pair<qreal, qreal>> Spans;
};

} // namespace

const QColor TZnRankChart::MyClubColor(214, 40, 40);

TZnRankChart::TZnRankChart(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // A chart draws at any size: it asks the window for no size of its own.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void TZnRankChart::SetHistory(TZnRankChartData history) {
    history.Matchdays = std::max(history.Matchdays, 2);
    history.Ranks = std::max(history.Ranks, 2);
    FHistory = std::move(history);
    update();
}

QRectF TZnRankChart::PlotArea() const {
    const QFontMetricsF metrics(font());
    // Room for the rank numbers on the left, the player's club name on the right and the
    // matchday captions below.
    const qreal left = metrics.horizontalAdvance(QString::number(FHistory.Ranks)) + 12;
    qreal right = 12;
    for (const auto& series : FHistory.Series)
        if (series.IsMine)
            right += metrics.horizontalAdvance(series.Name) + 8;
    const qreal top = metrics.height() / 2 + 6;
    const qreal bottom = metrics.height() + 10;
    return QRectF(left, top, std::max<qreal>(width() - left - right, 10),
                  std::max<qreal>(height() - top - bottom, 10));
}

QPointF TZnRankChart::PointPosition(int day, int rank) const {
    return PositionIn(PlotArea(), day, rank);
}

QPointF TZnRankChart::PositionIn(const QRectF& plot, int day, int rank) const {
    return {plot.left() + plot.width() * day / (FHistory.Matchdays - 1),
            plot.top() + plot.height() * rank / (FHistory.Ranks - 1)};
}

void TZnRankChart::PaintAxes(QPainter& painter, const QRectF& plot) const {
    const QFontMetricsF metrics(font());
    const QColor grid = Muted(palette(), backgroundRole(), 0.3);
    const QColor text = palette().color(QPalette::Text);
    const int ranks = FHistory.Ranks;
    for (int rank = 0; rank < ranks; ++rank) {
        const QPointF at = PositionIn(plot, 0, rank);
        painter.setPen(QPen(grid, rank == 0 || rank == ranks - 1 ? 1.0 : 0.5, Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
    }
    // 1, 4, 7, 10, 13, 16 of sixteen, the first and the last before the others.
    painter.setPen(text);
    TLabelSpans rankLabels;
    std::vector<int> labelled{0, ranks - 1};
    for (int rank = 3; rank < ranks - 1; rank += 3)
        labelled.push_back(rank);
    for (int rank : labelled) {
        const QPointF at = PositionIn(plot, 0, rank);
        const qreal baseline = at.y() + metrics.ascent() / 2 - 1;
        if (!rankLabels.Take(baseline - metrics.ascent(), baseline + metrics.descent()))
            continue;
        const QString label = QString::number(rank + 1);
        painter.drawText(QPointF(plot.left() - 6 - metrics.horizontalAdvance(label), baseline),
                         label);
    }
    painter.setPen(QPen(grid, 1.0));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    TLabelSpans dayLabels;
    for (int day = 0; day < FHistory.Matchdays; ++day) {
        const QPointF at = PositionIn(plot, day, ranks - 1);
        painter.setPen(QPen(grid, 1.0));
        painter.drawLine(at, at + QPointF(0, 3));
        if (day == 0 || (day + 1) % 5 == 0) {
            const QString label = MatchdayText(day);
            const qreal w = metrics.horizontalAdvance(label);
            const qreal x = std::clamp(at.x() - w / 2, 0.0, std::max(width() - w, 0.0));
            if (!dayLabels.Take(x, x + w))
                continue;
            painter.setPen(text);
            painter.drawText(QPointF(x, plot.bottom() + 6 + metrics.ascent()), label);
        }
    }
}

void TZnRankChart::PaintSeries(QPainter& painter, const QRectF& plot,
                               const TZnChartSeries& series) const {
    if (series.Points.empty())
        return;
    QPainterPath path(PositionIn(plot, 0, series.Points[0].Rank));
    for (size_t day = 1; day < series.Points.size(); ++day)
        path.lineTo(PositionIn(plot, static_cast<int>(day), series.Points[day].Rank));
    if (!series.IsMine) {
        painter.setPen(QPen(Muted(palette(), backgroundRole(), 0.45), 1.0));
        painter.drawPath(path);
        return;
    }
    const QColor mine = Legible(MyClubColor, palette().color(backgroundRole()), 3.0);
    painter.setPen(QPen(mine, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setBrush(mine);
    for (size_t day = 0; day < series.Points.size(); ++day)
        painter.drawEllipse(PositionIn(plot, static_cast<int>(day), series.Points[day].Rank), 2.5,
                            2.5);
    const QPointF last =
        PositionIn(plot, static_cast<int>(series.Points.size()) - 1, series.Points.back().Rank);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(last + QPointF(8, QFontMetricsF(bold).ascent() / 2 - 1), series.Name);
    painter.setFont(font());
}

void TZnRankChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = PlotArea();
    PaintAxes(painter, plot);
    const auto& all = FHistory.Series;
    const bool played = !all.empty() && !all.front().Points.empty();
    if (!played) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(plot, Qt::AlignCenter, tr("なし"));
        return;
    }
    for (const auto& series : all)
        if (!series.IsMine)
            PaintSeries(painter, plot, series);
    for (const auto& series : all)
        if (series.IsMine)
            PaintSeries(painter, plot, series);
}

std::optional<TZnRankChart::THit> TZnRankChart::PointAt(QPointF position) const {
    std::optional<THit> best;
    qreal bestDistance = HitRadius;
    const QRectF plot = PlotArea();
    for (int pass = 0; pass < 2; ++pass) { // the player's club wins a tie with a rival
        for (size_t s = 0; s < FHistory.Series.size(); ++s) {
            const auto& series = FHistory.Series[s];
            if (series.IsMine != (pass == 0))
                continue;
            for (size_t day = 0; day < series.Points.size(); ++day) {
                const QPointF at = PositionIn(plot, static_cast<int>(day), series.Points[day].Rank);
                const qreal distance = QLineF(at, position).length();
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = THit{static_cast<int>(s), static_cast<int>(day)};
                }
            }
        }
    }
    return best;
}

QString TZnRankChart::ToolTipAt(QPointF position) const {
    const auto hit = PointAt(position);
    if (!hit)
        return {};
    const auto& series = FHistory.Series[static_cast<size_t>(hit->Series)];
    const TZnChartPoint& point = series.Points[static_cast<size_t>(hit->Day)];
    const QString line =
        tr("%1\n%2 %3位").arg(series.Name, MatchdayText(hit->Day)).arg(point.Rank + 1);
    if (point.Points == TZnChartPoint::UnknownPoints)
        return line;
    return line + tr(" 勝点%1").arg(point.Points);
}

QString TZnRankChart::ToolTipMarkupAt(QPointF position) const {
    return PlainToolTipMarkup(ToolTipAt(position));
}

bool TZnRankChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    return AnswerToolTip(help, this, ToolTipAt(help->pos()));
}
