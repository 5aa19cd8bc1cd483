#pragma once

// Looking at a chart as the player sees it: rendered into an image, a colour sought near a point.

#include <QImage>
#include <QWidget>

inline QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// True when a pixel within two of `at` is close to `colour` (antialiasing blends the edges).
inline bool HasColourNear(const QImage& image, QPointF at, const QColor& colour) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor pixel = image.pixelColor(at.toPoint() + QPoint(dx, dy));
            if (qAbs(pixel.red() - colour.red()) < 30 &&
                qAbs(pixel.green() - colour.green()) < 30 &&
                qAbs(pixel.blue() - colour.blue()) < 30)
                return true;
        }
    return false;
}
