#include "ZnBandedStyle.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>

void TZnBandedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
    const QRect whole = option->rect;
    // Bands of whole device pixels only: at a fractional scale a band's edge would fall inside
    // a pixel.
    if (control != CC_ScrollBar || painter == nullptr || painter->device() == nullptr ||
        painter->device()->devicePixelRatio() != 1.0 || whole.height() < ThreadedRows) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Each band is the whole scroll bar painted into a picture a band high, drawn in its place.
    QImage band(whole.width(), BandRows, QImage::Format_ARGB32_Premultiplied);
    for (int top = whole.top(); top <= whole.bottom(); top += BandRows) {
        band.fill(Qt::transparent);
        {
            QPainter inBand(&band);
            inBand.setRenderHints(painter->renderHints());
            inBand.translate(-whole.left(), -top);
            QProxyStyle::drawComplexControl(control, option, &inBand, widget);
        }
        painter->drawImage(
            QPoint(whole.left(), top), band,
            QRect(0, 0, whole.width(), std::min(BandRows, whole.bottom() + 1 - top)));
    }
}

void TZnBandedStyle::PaintInBands(QScrollBar& bar) {
    // A style of its own kind, made by name: a proxy given the application's style object would
    // take it over and delete it.
    auto* style = new TZnBandedStyle(QApplication::style()->name());
    style->setParent(&bar);
    bar.setStyle(style);
}
