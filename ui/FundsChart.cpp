#include "FundsChart.h"

#include "ZnChartColors.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include "ZnRankChart.h"

namespace {

// The lowest and highest known amounts, or nothing when none is known.
std::optional<std::pair<int64_t, int64_t>> Range(const std::vector<std::optional<int64_t>>& f) {
    std::optional<std::pair<int64_t, int64_t>> range;
    for (const auto& value : f)
        if (value)
            range = range
                        ? std::pair{std::min(range->first, *value), std::max(range->second, *value)}
                        : std::pair{*value, *value};
    return range;
}

} // namespace

TFundsChart::TFundsChart(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setFocusPolicy(Qt::TabFocus); // a screen reader reaches its summary by Tab
}

void TFundsChart::SetFunds(std::vector<std::optional<int64_t>> funds, int32_t matchdays) {
    FMatchdays = std::max(matchdays, 1);
    FFunds = std::move(funds);
    if (FFunds.size() > static_cast<size_t>(FMatchdays) + 1)
        FFunds.resize(static_cast<size_t>(FMatchdays) + 1);
    setAccessibleDescription(Summary());
    update();
}

QString TFundsChart::Summary() const {
    const auto range = Range(FFunds);
    if (!range)
        return tr("資金: まだ記録がありません。");
    QStringList parts;
    if (FFunds.front())
        parts << tr("開幕 %1").arg(FFormat(*FFunds.front()));
    const size_t last = FFunds.size() - 1;
    if (last > 0 && FFunds[last])
        parts << tr("第%1節後 %2").arg(last).arg(FFormat(*FFunds[last]));
    return tr("資金: %1 (最高 %2、最低 %3)")
        .arg(parts.join(QCoreApplication::translate("GameMessages", "、")), FFormat(range->second),
             FFormat(range->first));
}

void TFundsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const auto range = Range(FFunds);
    const QString high = range ? FFormat(range->second) : QString();
    const QString low = range ? FFormat(range->first) : QString();
    const qreal left =
        std::max(metrics.horizontalAdvance(high), metrics.horizontalAdvance(low)) + 8;
    const QRectF plot(left, metrics.height() / 2 + 2, width() - left - 8,
                      height() - 1.5 * metrics.height() - 6);
    painter.setPen(Muted(palette(), backgroundRole(), 0.3));
    painter.drawRect(plot);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(
        QRectF(0, 0, width(), height() - plot.bottom() - 2).translated(0, plot.bottom() + 2),
        Qt::AlignHCenter | Qt::AlignTop, tr("資金の推移"));
    if (!range || plot.width() < 4 || plot.height() < 4)
        return;
    // A flat line lies on the bottom edge and takes the one label there.
    if (range->first != range->second)
        painter.drawText(QRectF(0, plot.top() - metrics.height() / 2, left - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, high);
    painter.drawText(QRectF(0, plot.bottom() - metrics.height() / 2, left - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, low);
    const double span = std::max<double>(1.0, static_cast<double>(range->second - range->first));
    const auto at = [&](size_t day, int64_t value) {
        return QPointF(plot.left() + plot.width() * static_cast<double>(day) / FMatchdays,
                       plot.bottom() -
                           plot.height() * static_cast<double>(value - range->first) / span);
    };
    QPainterPath path;
    bool drawing = false;
    for (size_t day = 0; day < FFunds.size(); ++day) {
        if (!FFunds[day]) {
            drawing = false;
            continue;
        }
        const QPointF point = at(day, *FFunds[day]);
        drawing ? path.lineTo(point) : path.moveTo(point);
        drawing = true;
    }
    painter.setPen(
        QPen(Legible(TZnRankChart::MyClubColor, palette().color(backgroundRole()), 3.0), 2));
    painter.drawPath(path);
    for (size_t day = 0; day < FFunds.size(); ++day)
        if (FFunds[day])
            painter.drawEllipse(at(day, *FFunds[day]), 2, 2);
}
