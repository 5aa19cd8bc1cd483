#pragma once

#include <QProxyStyle>

class QScrollBar;

// The application's style, but for a tall vertical scroll bar, which it paints in bands of fewer
// rows than the raster engine hands to its painting threads. A fill of 96 rows or more (the
// groove's gradient of a scroll bar that tall) is split among those threads while the painting
// thread waits for each of them: for a scroll bar that moves with every new line, the wait came
// to several times the paint itself. Each band is the style's own paint of the whole scroll bar
// into a picture a band high, drawn in its place: the pixels are the style's, and the scroll bar
// keeps its own state (the control under the pointer, the one pressed).
class TZnBandedStyle : public QProxyStyle {
public:
    // The rows from which a fill is shared among the threads, and the bands' height under them:
    // as few bands as can be, for each is a whole paint of the scroll bar.
    static constexpr int ThreadedRows = 96;
    static constexpr int BandRows = ThreadedRows - 1;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // Gives `bar` a banded copy of the application's style, which lives as long as the bar.
    static void PaintInBands(QScrollBar& bar);

private:
    explicit TZnBandedStyle(const QString& key) : QProxyStyle(key) {}
};
