#include "ZnTextDelegate.h"

#include <cstring>
#include <memory>
#include <utility>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

namespace {

// Styles known to draw an item as the common style does (background, text, focus mark) and to
// place its text in the rectangle they give for it: not a style sheet's or a proxy's, nor one a
// platform or plugin brings, which may draw items their own way.
bool DrawsItemsAsCommon(const QStyle& style) {
    const char* name = style.metaObject()->className();
    return std::strcmp(name, "QFusionStyle") == 0 || std::strcmp(name, "QWindowsStyle") == 0 ||
           std::strcmp(name, "QCommonStyle") == 0;
}

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
    painter->save();
    painter->setClipRect(item.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, widget);
    TKey key{std::exchange(item.text, QString()),
             item.font,
             {},
             nullptr,
             item.displayAlignment,
             item.direction,
             item.textElideMode};
    if (!key.Text.isEmpty()) {
        QPalette::ColorGroup group =
            item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(item.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(item.palette.color(group, item.state & QStyle::State_Selected
                                                      ? QPalette::HighlightedText
                                                      : QPalette::Text));
        // The text's rectangle does not depend on the text when there is no decoration.
        item.features &= ~QStyleOptionViewItem::HasDisplay;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
        key.Room = room.size();
        const TLayout& layout = LayoutOf(key);
        layout.Text.draw(painter, room.topLeft() + layout.Offset);
    }
    painter->restore();
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

    QTextLayout whole(key.Text, key.Font);
    whole.setTextOption(textOption);
    const qreal lineHeight = LayOut(whole, key.Room.width());
    const QRect placed =
        QStyle::alignedRect(Qt::LayoutDirectionAuto, alignment,
                            whole.boundingRect().size().toSize(), QRect(QPoint(0, 0), key.Room));
    QPointF offset(0, placed.top());
    QString shown = key.Text;
    if (lineHeight + placed.top() <= 0) { // above the room: nothing shows
        offset.ry() += lineHeight;
        shown.clear();
    } else if (whole.lineAt(0).naturalTextWidth() > key.Room.width()) {
        shown = QFontMetrics(key.Font).elidedText(key.Text, key.Elide, key.Room.width());
    }

    auto made = std::make_unique<TLayout>(shown, key.Font);
    made->Text.setTextOption(textOption);
    made->Text.setCacheEnabled(true); // the shaped glyphs stay for the next paint
    LayOut(made->Text, key.Room.width());
    made->Offset = offset;
    const TLayout& result = *made;
    Layouts.insert(key, made.release());
    return result;
}
