#pragma once

#include <QProxyStyle>

class QPainter;
class QRect;
class QTreeView;

// The application's style for a list, less the row panels that paint nothing. The stock tree view
// asks for a row's panel behind every cell of every row it paints, and the style works out its
// colours each time; the common styles fill it only for a selected or alternate row, and no
// style's fill shows outside the part of the window being painted. Every other paint is the
// style's own.
class TZnRowPanelStyle : public QProxyStyle {
    Q_OBJECT

public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Gives `view` the application's style with row panels skipped where they paint nothing: one
    // copy of it for each kind of style, which lives as long as the application.
    static void SkipEmptyRowPanels(QTreeView& view);

    // Whether the style under this one draws items as the common style does.
    bool ItemsAsCommon() const { return Common; }

private:
    explicit TZnRowPanelStyle(const QString& key);

    bool Common; // the style under this one draws items as the common style does
};

// Whether `style` (or the style under a row panel style) draws an item as the common style does
// (background, text, focus mark) and places its text in the rectangle it gives for it: not a
// style sheet's or another proxy's, nor one a platform or plugin brings, which may draw items
// their own way.
bool DrawsItemsAsCommon(const QStyle& style);

// Whether no part of `rect` (the painter's coordinates) lies in the part of the device being
// painted (a widget's paint event's region): what is painted there leaves no pixel.
bool OutsideThePaint(const QPainter& painter, const QRect& rect);
