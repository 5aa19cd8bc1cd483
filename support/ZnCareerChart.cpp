#include "ZnCareerChart.h"

#include "ZnChartColors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>

#include "ZnToolTip.h"

namespace {

constexpr int Ranks = 16;
constexpr qreal Gap = 6;

// The smallest of 1, 2, 5, 10, 20, 50, ... that is at least `value`.
qint64 NiceCeil(qint64 value) {
    for (qint64 decade = 1;; decade *= 10)
        for (const qint64 factor : {1, 2, 5})
            if (factor * decade >= value)
                return factor * decade;
}

// Draws texts along one axis, dropping every text that would touch the one drawn before it, so
// labels never overlap however small the chart is.
class TZnLabelRow {
public:
    explicit TZnLabelRow(QPainter& painter) : Painter(painter) {}
    void Draw(const QRectF& box, int flags, const QString& text) {
        if (!Last.isNull() && Last.adjusted(-2, -1, 2, 1).intersects(box))
            return;
        Painter.drawText(box, flags, text);
        Last = box;
    }

private:
    QPainter& Painter;
    QRectF Last; // null until a text is drawn
};

// A line through one value per season with at most one column of it per pixel. Where seasons
// stand two pixels apart or more, segments from season to season. Otherwise one bar per
// column from the lowest to the highest value of its seasons, stretched to where the column before
// ended: this keeps every extreme, and plain bars cost the painter almost nothing where a line
// folding back on itself thousands of times would cost it seconds.
struct TZnTrace {
    TZnTrace(bool dense, qreal width) : Dense(dense), Width(width) {}

    void Add(qreal y) {
        if (!InColumn) {
            First = Low = High = y;
            InColumn = true;
        }
        Low = std::min(Low, y);
        High = std::max(High, y);
        Last = y;
    }
    void EndColumn(qreal x) {
        if (Dense) {
            const qreal low = Previous ? std::min(Low, Previous->y()) : Low;
            const qreal high = Previous ? std::max(High, Previous->y()) : High;
            Bars.append(QRectF(x - Width / 2, low - Width / 2, Width, high - low + Width));
        } else if (Previous) {
            Lines.append(QLineF(*Previous, QPointF(x, First)));
        }
        Previous = QPointF(x, Last);
        InColumn = false;
    }
    void Paint(QPainter& painter, const QColor& colour) const {
        if (Dense) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            for (const QRectF& bar : Bars)
                painter.fillRect(bar, colour);
            painter.restore();
            return;
        }
        // Flat caps: round ones cost the painter ten times as much, and the dots cover the joints
        // where seasons stand far enough apart for a joint to show.
        painter.setPen(QPen(colour, Width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLines(Lines);
    }

    bool Dense;
    qreal Width;
    QList<QLineF> Lines;
    QList<QRectF> Bars;
    qreal First = 0;
    qreal Last = 0;
    qreal Low = 0;
    qreal High = 0;
    bool InColumn = false;
    std::optional<QPointF> Previous; // where the column before ended
};

QPolygonF Star(QPointF centre, qreal radius) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return star;
}

} // namespace

QString TZnCareerChart::EmptyText() {
    return tr("まだ終えたシーズンはありません。");
}

const QColor TZnCareerChart::RankColor(214, 40, 40);
const QColor TZnCareerChart::MoneyColor(30, 110, 200);
const QColor TZnCareerChart::TitleColor(235, 175, 0);

TZnCareerChart::TZnCareerChart(QWidget* parent)
    : QWidget(parent),
      FMoneyFormat([](qint64 money) { return QString::number(money) + tr("万円"); }) {
    setMouseTracking(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // A chart draws at any size: it asks the window for no size of its own.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

QString TZnCareerChart::SeasonLabel(int season) {
    return tr("%1季").arg(qint64{season} + 1);
}

void TZnCareerChart::SetSeasons(std::vector<TZnCareerPoint> seasons) {
    FSeasons = std::move(seasons);
    const auto [low, high] = std::minmax_element(
        FSeasons.begin(), FSeasons.end(), [](auto& a, auto& b) { return a.Money < b.Money; });
    FMoneyMin = FSeasons.empty() ? 0 : std::min<qint64>(0, low->Money);
    FMoneyMax = FSeasons.empty() ? 0 : high->Money;
    update();
}

void TZnCareerChart::SetMoneyFormat(TZnMoneyFormat format) {
    FMoneyFormat = std::move(format);
    update();
}

TZnCareerChart::TZnMoneyAxis TZnCareerChart::MoneyAxis() const {
    // Rounded steps, as many as fit the plot's height with a line and a half for each label.
    const QFontMetricsF metrics(font());
    const qreal height = PlotArea().height();
    const qint64 ticks =
        std::max<qint64>(1, static_cast<qint64>(height / (metrics.height() * 1.5)));
    TZnMoneyAxis axis;
    axis.Step = NiceCeil(std::max<qint64>(1, (FMoneyMax - FMoneyMin + ticks - 1) / ticks));
    axis.Low =
        static_cast<qint64>(std::floor(static_cast<double>(FMoneyMin) / axis.Step)) * axis.Step;
    axis.High =
        static_cast<qint64>(std::ceil(static_cast<double>(FMoneyMax) / axis.Step)) * axis.Step;
    if (axis.High <= axis.Low)
        axis.High = axis.Low + axis.Step;
    return axis;
}

QRectF TZnCareerChart::PlotArea() const {
    // Room for the rank numbers on the left, the funds on the right, the axis captions above and
    // the seasons below. The widest funds label bounds the right margin whatever the steps are.
    const QFontMetricsF metrics(font());
    const qreal left =
        metrics.horizontalAdvance(QCoreApplication::translate("GameWords", "順位")) + Gap * 2;
    const qreal right = std::max(metrics.horizontalAdvance(FMoneyFormat(FMoneyMax)),
                                 metrics.horizontalAdvance(FMoneyFormat(FMoneyMin))) +
                        Gap * 2;
    const qreal top = metrics.height() * 1.5 + Gap;
    const qreal bottom = metrics.height() + Gap * 2;
    return QRectF(left, top, std::max<qreal>(width() - left - right, 10),
                  std::max<qreal>(height() - top - bottom, 10));
}

qreal TZnCareerChart::ColumnX(const QRectF& plot, int index) const {
    // Each season owns a column of equal width and is drawn in its middle.
    return plot.left() + plot.width() * (index + 0.5) / static_cast<qreal>(FSeasons.size());
}

qreal TZnCareerChart::RankY(const QRectF& plot, int rank) const {
    return plot.top() + plot.height() * std::clamp(rank, 0, Ranks - 1) / (Ranks - 1);
}

qreal TZnCareerChart::MoneyY(const QRectF& plot, const TZnMoneyAxis& axis, qint64 money) const {
    return plot.bottom() -
           plot.height() * static_cast<qreal>(money - axis.Low) / (axis.High - axis.Low);
}

QPointF TZnCareerChart::RankPoint(const QRectF& plot, int index) const {
    return {ColumnX(plot, index), RankY(plot, FSeasons.at(static_cast<size_t>(index)).Rank)};
}

QPointF TZnCareerChart::MoneyPoint(const QRectF& plot, const TZnMoneyAxis& axis, int index) const {
    return {ColumnX(plot, index),
            MoneyY(plot, axis, FSeasons.at(static_cast<size_t>(index)).Money)};
}

QPointF TZnCareerChart::RankPosition(int index) const {
    return RankPoint(PlotArea(), index);
}

QPointF TZnCareerChart::MoneyPosition(int index) const {
    return MoneyPoint(PlotArea(), MoneyAxis(), index);
}

void TZnCareerChart::PaintAxes(QPainter& painter, const QRectF& plot,
                               const TZnMoneyAxis& axis) const {
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const QColor grid = Muted(palette(), backgroundRole(), 0.3);
    painter.setPen(QPen(grid, 1.0));
    painter.drawRect(plot);
    painter.setPen(Legible(RankColor, palette().color(backgroundRole()), 3.0));
    painter.drawText(QRectF(Gap / 2, 0, plot.left() + line * 2, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("GameWords", "順位"));
    painter.setPen(Legible(MoneyColor, palette().color(backgroundRole()), 3.0));
    painter.drawText(
        QRectF(plot.right() - line * 2, 0, width() - plot.right() + line * 2 - Gap / 2, line),
        Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("GameWords", "資金"));

    // Ranks 1, 1 + k, ..., 16 with k a divisor of 15 as small as the height allows.
    const qreal need = line * 1.2 * (Ranks - 1) / plot.height();
    int every = Ranks - 1;
    for (const int k : {5, 3, 1})
        if (k >= need)
            every = k;
    painter.setPen(palette().color(QPalette::Text));
    TZnLabelRow ranks(painter);
    for (int rank = 0; rank < Ranks; rank += every)
        ranks.Draw(QRectF(0, RankY(plot, rank) - line / 2, plot.left() - Gap, line),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(rank + 1));

    TZnLabelRow funds(painter);
    for (qint64 money = axis.High; money >= axis.Low; money -= axis.Step) {
        const qreal y = MoneyY(plot, axis, money);
        painter.setPen(QPen(grid, 0.5, Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Legible(MoneyColor, palette().color(backgroundRole()), 3.0));
        funds.Draw(QRectF(plot.right() + Gap, y - line / 2, width() - plot.right() - Gap, line),
                   Qt::AlignLeft | Qt::AlignVCenter, FMoneyFormat(money));
    }
}

void TZnCareerChart::PaintSeasonLabels(QPainter& painter, const QRectF& plot) const {
    // Every k-th season, k a round number that leaves room for the widest label.
    const QFontMetricsF metrics(font());
    const int n = static_cast<int>(FSeasons.size());
    const qreal widest = metrics.horizontalAdvance(SeasonLabel(FSeasons.back().Season));
    const qint64 every =
        NiceCeil(static_cast<qint64>(std::ceil((widest + Gap * 2) * n / plot.width())));
    painter.setPen(palette().color(QPalette::Text));
    TZnLabelRow labels(painter);
    for (int i = 0; i < n; ++i) {
        const qint64 season = qint64{FSeasons[static_cast<size_t>(i)].Season} + 1;
        if (i != 0 && season % every != 0)
            continue;
        const QString text = SeasonLabel(FSeasons[static_cast<size_t>(i)].Season);
        const qreal w = metrics.horizontalAdvance(text);
        const qreal x = std::clamp(ColumnX(plot, i) - w / 2, 0.0, width() - w);
        labels.Draw(QRectF(x, plot.bottom() + Gap, w, metrics.height()), Qt::AlignCenter, text);
    }
}

void TZnCareerChart::PaintLines(QPainter& painter, const QRectF& plot,
                                const TZnMoneyAxis& axis) const {
    const int n = static_cast<int>(FSeasons.size());
    const bool dense = plot.width() < n * 2.0;
    const bool dotted = plot.width() >= n * 6.0;
    TZnTrace rankTrace(dense, 2.5);
    TZnTrace moneyTrace(dense, 2.0);
    std::vector<QPointF> stars;
    for (int i = 0; i < n;) {
        const qreal x = ColumnX(plot, i);
        const int column = static_cast<int>(x);
        std::optional<qreal> title;
        for (; i < n && static_cast<int>(ColumnX(plot, i)) == column; ++i) {
            const TZnCareerPoint& season = FSeasons[static_cast<size_t>(i)];
            const qreal rankY = RankY(plot, season.Rank);
            rankTrace.Add(rankY);
            moneyTrace.Add(MoneyY(plot, axis, season.Money));
            if (season.Title && !title)
                title = rankY;
        }
        rankTrace.EndColumn(x);
        moneyTrace.EndColumn(x);
        if (title && (stars.empty() || x - stars.back().x() >= 8))
            stars.emplace_back(x, *title);
    }
    // The funds over the rank: a restless career's rank line fills the plot, the funds stay thin.
    // The lines stand out of a dark background as of a light one.
    const QColor background = palette().color(backgroundRole());
    rankTrace.Paint(painter, Legible(RankColor, background, 3.0));
    moneyTrace.Paint(painter, Legible(MoneyColor, background, 3.0));
    if (dotted) {
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < n; ++i) {
            painter.setBrush(Legible(RankColor, background, 3.0));
            painter.drawEllipse(RankPoint(plot, i), 3.0, 3.0);
            painter.setBrush(Legible(MoneyColor, background, 3.0));
            painter.drawEllipse(MoneyPoint(plot, axis, i), 2.0, 2.0);
        }
    }
    painter.setPen(QPen(TitleColor.darker(140), 1.0));
    painter.setBrush(TitleColor);
    for (const QPointF& at : stars)
        painter.drawPolygon(Star(at, 7));
}

void TZnCareerChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (FSeasons.empty()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter, EmptyText());
        return;
    }
    const QRectF plot = PlotArea();
    const TZnMoneyAxis axis = MoneyAxis();
    PaintAxes(painter, plot, axis);
    PaintSeasonLabels(painter, plot);
    PaintLines(painter, plot, axis);
}

std::optional<int> TZnCareerChart::PointAt(QPointF position) const {
    const QRectF plot = PlotArea();
    if (FSeasons.empty() || !plot.contains(position))
        return std::nullopt;
    const int n = static_cast<int>(FSeasons.size());
    const auto index = static_cast<int>((position.x() - plot.left()) * n / plot.width());
    return std::clamp(index, 0, n - 1);
}

QString TZnCareerChart::ToolTipAt(QPointF position) const {
    const auto index = PointAt(position);
    return index ? FSeasons[static_cast<size_t>(*index)].Line : QString();
}

bool TZnCareerChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    return AnswerToolTip(help, this, ToolTipAt(help->pos()));
}
