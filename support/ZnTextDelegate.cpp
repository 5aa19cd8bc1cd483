#include "ZnTextDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include <QApplication>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

#include "ZnRowPanelStyle.h"

namespace {

// Whether the cell is one line of text and nothing else.
bool IsOneLineOfText(const QStyleOptionViewItem& option) {
    constexpr auto others = QStyleOptionViewItem::WrapText |
                            QStyleOptionViewItem::HasCheckIndicator |
                            QStyleOptionViewItem::HasDecoration;
    return (option.features & others) == 0 &&
           (option.decorationPosition == QStyleOptionViewItem::Left ||
            option.decorationPosition == QStyleOptionViewItem::Right) &&
           !option.text.contains(QChar::LineSeparator) &&
           !option.text.contains(QChar(0x9c)); // a variant separator: the metrics drop it
}

// Whether the text is all the style would draw over the item's background. The focus mark is
// drawn over the text, so its cell is left to the style; the text's rectangle is the whole cell
// only when the decoration counts as selected.
bool PaintsAsText(const QStyleOptionViewItem& option) {
    return IsOneLineOfText(option) &&
           !(option.state & (QStyle::State_HasFocus | QStyle::State_Editing)) &&
           option.showDecorationSelected;
}

// Lays the text out as one line `width` wide; the line's height.
qreal LayOut(QTextLayout& layout, int width) {
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

void TZnTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    if (!DrawsItemsAsCommon(*style) || !PaintsAsText(item)) {
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        return;
    }
    // What the style does for the item, the text drawn from the kept layout.
    TKey key{std::exchange(item.text, QString()),
             item.font,
             {},
             nullptr,
             item.displayAlignment,
             item.direction,
             item.textElideMode};
    QRect room;
    if (!key.Text.isEmpty()) {
        room = TextRoom(item, *style);
        key.Room = room.size();
    }
    if (!PaintFromPicture(painter, item, *style, key, room.topLeft()))
        PaintCell(painter, item, *style, key, room.topLeft());
}

// Where the style puts the text of a plain cell, less the margins it keeps inside: the same for
// every cell of a size, so it is asked once for each.
QRect TZnTextDelegate::TextRoom(QStyleOptionViewItem& item, const QStyle& style) const {
    const TRoomKey roomKey{&style, item.rect.size(), static_cast<int>(item.features),
                           item.direction};
    if (const auto kept = Rooms.constFind(roomKey); kept != Rooms.cend())
        return kept->translated(item.rect.topLeft());
    // The text's rectangle does not depend on the text when there is no decoration.
    const auto features = item.features;
    item.features &= ~QStyleOptionViewItem::HasDisplay;
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const QRect room = style.subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                           .adjusted(margin, 0, -margin, 0);
    item.features = features;
    if (Rooms.size() >= MaxKeptLayouts)
        Rooms.clear();
    Rooms.insert(roomKey, room.translated(-item.rect.topLeft()));
    return room;
}

void TZnTextDelegate::PaintCell(QPainter* painter, const QStyleOptionViewItem& item,
                                const QStyle& style, const TKey& key, QPoint room) const {
    painter->save();
    painter->setClipRect(item.rect);
    style.drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
    if (!key.Text.isEmpty()) {
        QPalette::ColorGroup group =
            item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(item.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(item.palette.color(group, item.state & QStyle::State_Selected
                                                      ? QPalette::HighlightedText
                                                      : QPalette::Text));
        const TLayout& layout = LayoutOf(key);
        layout.Text.draw(painter, room + layout.Offset);
    }
    painter->restore();
}

bool TZnTextDelegate::PaintFromPicture(QPainter* painter, const QStyleOptionViewItem& item,
                                       const QStyle& style, const TKey& key, QPoint room) const {
    // Only onto an image (a window's back buffer) at whole pixels, where what the cell stands on
    // can be read and a picture lands on the same pixels as the paint it stands for.
    const QPaintEngine* engine = painter->paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster ||
        engine->paintDevice() == nullptr || engine->paintDevice()->devType() != QInternal::Image)
        return false;
    const QImage& image = *static_cast<const QImage*>(engine->paintDevice());
    const QTransform& transform = painter->deviceTransform();
    if (image.depth() != 32 || image.devicePixelRatio() != 1.0 || painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::floor(transform.dx()) ||
        transform.dy() != std::floor(transform.dy()))
        return false;
    const QRect target =
        item.rect.translated(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    // Only the part of the cell that this paint reaches counts: a cell cut by the edge of the view
    // or of the part being painted is painted there alone.
    ReachedParts(*engine, target & image.rect());
    if (Parts.empty())
        return false;
    // That part must stand on one colour, as a row's background gives it.
    const QRgb under =
        reinterpret_cast<const QRgb*>(image.constScanLine(Parts[0].top()))[Parts[0].left()];
    PlainLine.assign(static_cast<size_t>(target.width()), under);
    for (const QRect& part : Parts) {
        const size_t bytes = static_cast<size_t>(part.width()) * sizeof(QRgb);
        for (int y = part.top(); y <= part.bottom(); ++y)
            if (std::memcmp(image.constScanLine(y) + part.left() * sizeof(QRgb), PlainLine.data(),
                            bytes) != 0)
                return false;
    }
    const TPictureKey pictureKey{key,
                                 item.rect.size(),
                                 static_cast<int>(item.state),
                                 static_cast<int>(item.features),
                                 static_cast<int>(item.viewItemPosition),
                                 item.palette.cacheKey(),
                                 static_cast<int>(item.palette.currentColorGroup()),
                                 item.backgroundBrush.color().rgba(),
                                 static_cast<int>(item.backgroundBrush.style()),
                                 item.widget == nullptr || item.widget->isEnabled(),
                                 &style,
                                 static_cast<int>(image.format()),
                                 under};
    const QImage* picture = Pictures.object(pictureKey);
    if (picture == nullptr) {
        // Kept on the second paint alike: a cell shown once, as most are at start, costs no more
        // (unless the view, painted once whole, asks for pictures at once).
        if (!KeepAtFirstPaint && PaintedOnce.object(pictureKey) == nullptr) {
            PaintedOnce.insert(pictureKey, new bool(true));
            return false;
        }
        // A brush with a pattern or gradient depends on where it is painted.
        const auto solid = [](const QBrush& brush) {
            return brush.style() == Qt::NoBrush || brush.style() == Qt::SolidPattern;
        };
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            if (!solid(item.palette.brush(group, QPalette::Highlight)) ||
                !solid(item.palette.brush(group, QPalette::AlternateBase)))
                return false;
        if (!solid(item.backgroundBrush))
            return false;
        auto made = std::make_unique<QImage>(item.rect.size(), image.format());
        made->fill(under);
        {
            QPainter cell(made.get());
            cell.setRenderHints(painter->renderHints());
            cell.translate(-item.rect.topLeft());
            PaintCell(&cell, item, style, key, room);
        }
        picture = made.get();
        const auto bytes = static_cast<qsizetype>(made->sizeInBytes());
        if (!Pictures.insert(pictureKey, made.release(), bytes))
            return false; // larger than all the room kept: painted as usual
    }
    CopyPicture(*engine, *picture, target);
    return true;
}

// The parts of `cell` (device pixels) that the engine's paint reaches: the part of the widget
// being painted, when it is not the whole image.
void TZnTextDelegate::ReachedParts(const QPaintEngine& engine, const QRect& cell) const {
    Parts.clear();
    if (cell.isEmpty())
        return;
    const QRegion system = engine.systemClip();
    if (system.isEmpty()) {
        Parts.push_back(cell);
        return;
    }
    // The region's rectangles do not overlap and come top to bottom.
    for (const QRect& part : system) {
        if (part.top() > cell.bottom())
            break;
        const QRect common(
            QPoint(std::max(part.left(), cell.left()), std::max(part.top(), cell.top())),
            QPoint(std::min(part.right(), cell.right()), std::min(part.bottom(), cell.bottom())));
        if (common.isValid())
            Parts.push_back(common);
    }
}

// Copies the picture of the cell at `target` (device pixels) onto the painter's image, over the
// parts the paint reaches. The painter's own clip does not count: the paint a picture stands for
// replaces it with the cell. The raster engine writes straight into the image's pixels as well,
// so nothing of the painter's is left pending; this spares the general image drawing its set-up
// for every cell.
void TZnTextDelegate::CopyPicture(const QPaintEngine& engine, const QImage& picture,
                                  const QRect& target) const {
    auto& image = *static_cast<QImage*>(engine.paintDevice());
    // Not bits(): the image is the one being painted, never shared, and must not be copied.
    auto* const pixels = const_cast<uchar*>(image.constBits());
    const qsizetype line = image.bytesPerLine();
    const qsizetype fromLine = picture.bytesPerLine();
    for (const QRect& part : Parts) {
        const auto bytes = static_cast<size_t>(part.width()) * sizeof(QRgb);
        const uchar* from = picture.constBits() + (part.top() - target.top()) * fromLine +
                            (part.left() - target.left()) * sizeof(QRgb);
        uchar* to = pixels + part.top() * line + part.left() * sizeof(QRgb);
        for (int y = part.top(); y <= part.bottom(); ++y, from += fromLine, to += line)
            std::memcpy(to, from, bytes);
    }
}

QSize TZnTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QVariant given = index.data(Qt::SizeHintRole);
    if (given.isValid())
        return qvariant_cast<QSize>(given);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    if (!DrawsItemsAsCommon(*style) || !IsOneLineOfText(item))
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), widget);
    // Without word wrap the size does not depend on the cell's rectangle.
    const TKey key{item.text,      item.font,         {}, style, item.displayAlignment,
                   item.direction, item.textElideMode};
    if (const QSize* kept = Sizes.object(key))
        return *kept;
    const QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), widget);
    Sizes.insert(key, new QSize(size));
    return size;
}

// As the common style lays out a one-line text: the line is placed by the vertical alignment of
// its whole width, and cut with the elide mode when wider than the room.
const TZnTextDelegate::TLayout& TZnTextDelegate::LayoutOf(const TKey& key) const {
    if (const TLayout* kept = Layouts.object(key))
        return *kept;
    const Qt::LayoutDirection direction = key.Direction;
    const Qt::Alignment alignment = key.Alignment;
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(direction);
    textOption.setAlignment(QStyle::visualAlignment(direction, alignment));

    // The whole text is laid out first; a text cut to its room, or hidden, is laid out again.
    auto made = std::make_unique<TLayout>(key.Text, key.Font);
    QTextLayout& whole = made->Text;
    whole.setTextOption(textOption);
    whole.setCacheEnabled(true); // the shaped glyphs stay for the next paint
    const qreal lineHeight = LayOut(whole, key.Room.width());
    const QRect placed =
        QStyle::alignedRect(Qt::LayoutDirectionAuto, alignment,
                            whole.boundingRect().size().toSize(), QRect(QPoint(0, 0), key.Room));
    QPointF offset(0, placed.top());
    std::optional<QString> shown;
    if (lineHeight + placed.top() <= 0) { // above the room: nothing shows
        offset.ry() += lineHeight;
        shown = QString();
    } else if (whole.lineAt(0).naturalTextWidth() > key.Room.width()) {
        shown = QFontMetrics(key.Font).elidedText(key.Text, key.Elide, key.Room.width());
    }
    if (shown) {
        made = std::make_unique<TLayout>(*shown, key.Font);
        made->Text.setTextOption(textOption);
        made->Text.setCacheEnabled(true);
        LayOut(made->Text, key.Room.width());
    }
    made->Offset = offset;
    const TLayout& result = *made;
    Layouts.insert(key, made.release());
    return result;
}
