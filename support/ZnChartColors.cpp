#include "ZnChartColors.h"

#include <algorithm>
#include <cmath>

namespace {

double Channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    return 0.2126 * Channel(colour.redF()) + 0.7152 * Channel(colour.greenF()) +
           0.0722 * Channel(colour.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](float a, float b) { return static_cast<float>(a + (b - a) * share); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()), from.alphaF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double x = Luminance(a);
    const double y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor Legible(const QColor& colour, const QColor& background, double ratio) {
    const QColor away = Luminance(background) < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = Mix(colour, away, step / 20.0);
        if (ContrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return away;
}

QColor Muted(const QPalette& palette, QPalette::ColorRole role, double share) {
    return Mix(palette.color(role), palette.color(QPalette::Text), share);
}
