#pragma once

#include <vector>

#include <QCache>
#include <QFont>
#include <QHash>
#include <QHashFunctions>
#include <QImage>
#include <QPaintEngine>
#include <QPoint>
#include <QRect>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>
#include <QTextLayout>

// An item delegate that paints a plain text cell (one line of text with an alignment, no icon,
// check box, editor or word wrap) as the stock delegate does, pixel for pixel, and keeps the
// text's layout (elided to its room, shaped and placed) for the next paint: a list painted again
// with mostly the same texts shapes only the new ones. The size such a cell asks for is kept
// likewise. A cell painted a second time alike (same text, size, state and colours, over the same
// plain background) onto an image is kept as a picture, which later paints copy: a league table
// whose rows change places shows mostly cells it has shown before. Every other cell, the cell
// with the focus mark and every cell under a style that may draw items its own way are left to
// the stock delegate.
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
    // The most bytes of cell pictures kept; the least recently used goes first.
    static constexpr int MaxPictureBytes = 1 << 20;
    // Keeps a cell's picture from its first paint alike on, not its second: for a view whose
    // cells are mostly painted again, once it has been painted whole.
    void KeepPicturesAtFirstPaint(bool keep) { KeepAtFirstPaint = keep; }
    // The cell pictures kept now, and their bytes.
    int KeptPictures() const { return static_cast<int>(Pictures.size()); }
    qsizetype KeptPictureBytes() const { return Pictures.totalCost(); }

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
            // Not the font: the cells of a view share one, and it costs more to hash than the rest.
            return qHashMulti(seed, key.Text, key.Room.width(), key.Room.height(), key.Style,
                              key.Alignment.toInt(), int(key.Direction), int(key.Elide));
        }
    };
    struct TLayout {
        TLayout(const QString& text, const QFont& font) : Text(text, font) {}
        QTextLayout Text;
        QPointF Offset; // where it is drawn from, from the room's top left
    };

    // Everything a cell's picture depends on besides its text's layout, with the one colour the
    // cell stood on before it was painted.
    struct TPictureKey {
        TKey Text;
        QSize Cell;
        int State = 0;
        int Features = 0;
        int Position = 0;
        qint64 Palette = 0;
        int Group = 0;
        QRgb Background = 0;
        int BackgroundStyle = 0;
        bool WidgetEnabled = true;
        const QStyle* Style = nullptr;
        int Format = 0;
        QRgb Under = 0;
        bool operator==(const TPictureKey& other) const {
            return Cell == other.Cell && State == other.State && Features == other.Features &&
                   Position == other.Position && Palette == other.Palette && Group == other.Group &&
                   Background == other.Background && BackgroundStyle == other.BackgroundStyle &&
                   WidgetEnabled == other.WidgetEnabled && Style == other.Style &&
                   Format == other.Format && Under == other.Under && Text == other.Text;
        }
        friend size_t qHash(const TPictureKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.Text, key.Cell.width(), key.Cell.height(), key.State,
                              key.Palette, key.Background, key.Under, key.Style);
        }
    };

    // What the room of a plain cell's text depends on besides the cell's place.
    struct TRoomKey {
        const QStyle* Style = nullptr;
        QSize Cell;
        int Features = 0;
        Qt::LayoutDirection Direction = Qt::LeftToRight;
        bool operator==(const TRoomKey& other) const {
            return Style == other.Style && Cell == other.Cell && Features == other.Features &&
                   Direction == other.Direction;
        }
        friend size_t qHash(const TRoomKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.Style, key.Cell.width(), key.Cell.height(), key.Features,
                              int(key.Direction));
        }
    };

    // The rectangle the style gives a plain cell's text, less its inner margins.
    QRect TextRoom(QStyleOptionViewItem& item, const QStyle& style) const;
    const TLayout& LayoutOf(const TKey& key) const;
    // Sets `Parts` to the parts of `cell` that the engine's paint reaches.
    void ReachedParts(const QPaintEngine& engine, const QRect& cell) const;
    void CopyPicture(const QPaintEngine& engine, const QImage& picture, const QRect& target) const;
    // Paints the cell as the style does, its text (placed in a room at `room`) from the kept
    // layout.
    void PaintCell(QPainter* painter, const QStyleOptionViewItem& item, const QStyle& style,
                   const TKey& key, QPoint room) const;
    // Paints the cell from its kept picture, or keeps one on its second paint alike; false when
    // the cell must be painted as usual.
    bool PaintFromPicture(QPainter* painter, const QStyleOptionViewItem& item, const QStyle& style,
                          const TKey& key, QPoint room) const;

    mutable QCache<TKey, TLayout> Layouts{MaxKeptLayouts};
    mutable QCache<TKey, QSize> Sizes{MaxKeptLayouts};
    mutable QCache<TPictureKey, QImage> Pictures{MaxPictureBytes};
    mutable QCache<TPictureKey, bool> PaintedOnce{MaxKeptLayouts};
    bool KeepAtFirstPaint = false;
    mutable QHash<TRoomKey, QRect> Rooms; // relative to the cell
    mutable std::vector<QRgb> PlainLine;  // one line of the colour a cell stands on
    mutable std::vector<QRect> Parts;     // the parts of a cell that a paint reaches
};
