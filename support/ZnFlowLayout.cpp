#include "ZnFlowLayout.h"

#include <algorithm>

#include <QWidget>

TZnFlowLayout::TZnFlowLayout(QWidget* parent, int spacing) : QLayout(parent), Gap(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

TZnFlowLayout::~TZnFlowLayout() {
    for (QLayoutItem* item : Items)
        delete item;
}

void TZnFlowLayout::addItem(QLayoutItem* item) {
    Items.push_back(item);
}

QLayoutItem* TZnFlowLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? Items[static_cast<size_t>(index)] : nullptr;
}

QLayoutItem* TZnFlowLayout::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = Items[static_cast<size_t>(index)];
    Items.erase(Items.begin() + index);
    return item;
}

int TZnFlowLayout::heightForWidth(int width) const {
    return DoLayout(QRect(0, 0, width, 0), false);
}

QSize TZnFlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : Items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize TZnFlowLayout::sizeHint() const {
    return minimumSize();
}

void TZnFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    DoLayout(rect, true);
}

int TZnFlowLayout::DoLayout(const QRect& rect, bool place) const {
    // As many rows as the width needs, the items spread evenly over them (thirty in two rows
    // are two rows of fifteen, not twenty-nine and one).
    const int rows = Wrap(rect, count(), false).Rows;
    const int perRow = rows > 1 ? (count() + rows - 1) / rows : count();
    return Wrap(rect, perRow, place).Height;
}

TZnFlowLayout::TWrapped TZnFlowLayout::Wrap(const QRect& rect, int perRow, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    int inRow = 0;
    int rows = 1;
    for (QLayoutItem* item : Items) {
        const QSize hint = item->sizeHint();
        if ((x + hint.width() > area.right() + 1 || inRow == perRow) && rowHeight > 0) {
            x = area.x();
            y += rowHeight + Gap;
            rowHeight = 0;
            inRow = 0;
            ++rows;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + Gap;
        rowHeight = std::max(rowHeight, hint.height());
        ++inRow;
    }
    return {rows, y + rowHeight - rect.y() + contentsMargins().bottom()};
}
