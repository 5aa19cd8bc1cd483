#pragma once

#include <QCache>
#include <QFont>
#include <QHashFunctions>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>
#include <QTextLayout>

// An item delegate that paints a plain text cell (one line of text with an alignment, no icon,
// check box, editor or word wrap) as the stock delegate does, pixel for pixel, and keeps the
// text's layout (elided to its room, shaped and placed) for the next paint: a list painted again
// with mostly the same texts shapes only the new ones. The size such a cell asks for is kept
// likewise. Every other cell, the cell with the focus mark and every cell under a style that may
// draw items its own way are left to the stock delegate.
class TZnTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The most layouts kept, and the most sizes; the least recently used goes first.
    static constexpr int MaxKeptLayouts = 1024;
    // The layouts kept now.
    int KeptLayouts() const { return static_cast<int>(Layouts.size()); }

private:
    // Everything the layout of a cell's text depends on: not where the cell stands.
    struct TKey {
        QString Text;
        QFont Font;
        QSize Room;                    // the text's rectangle less the margins; empty for a size
        const QStyle* Style = nullptr; // for a size: the style that measured it
        Qt::Alignment Alignment;
        Qt::LayoutDirection Direction = Qt::LeftToRight;
        Qt::TextElideMode Elide = Qt::ElideRight;
        bool operator==(const TKey& other) const {
            return Room == other.Room && Style == other.Style && Alignment == other.Alignment &&
                   Direction == other.Direction && Elide == other.Elide && Text == other.Text &&
                   Font == other.Font;
        }
        friend size_t qHash(const TKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.Text, key.Font, key.Room.width(), key.Room.height(),
                              key.Style, key.Alignment.toInt(), int(key.Direction), int(key.Elide));
        }
    };
    struct TLayout {
        TLayout(const QString& text, const QFont& font) : Text(text, font) {}
        QTextLayout Text;
        QPointF Offset; // where it is drawn from, from the room's top left
    };

    const TLayout& LayoutOf(const TKey& key) const;

    mutable QCache<TKey, TLayout> Layouts{MaxKeptLayouts};
    mutable QCache<TKey, QSize> Sizes{MaxKeptLayouts};
};
