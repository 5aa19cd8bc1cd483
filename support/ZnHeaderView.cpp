#include "ZnHeaderView.h"

#include <utility>

#include <QEvent>
#include <QTableView>
#include <QTreeView>
#include <QVariant>

QSize TZnHeaderView::sectionSizeFromContents(int logicalIndex) const {
    ensurePolished(); // the style's polish may set the font
    const QAbstractItemModel* headerModel = model();
    if (headerModel == nullptr ||
        headerModel->headerData(logicalIndex, orientation(), Qt::SizeHintRole).isValid() ||
        headerModel->headerData(logicalIndex, orientation(), Qt::DecorationRole).isValid())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    // The stock header measures the caption in the section's font, made bold.
    const QVariant fontData = headerModel->headerData(logicalIndex, orientation(), Qt::FontRole);
    QFont captionFont = fontData.canConvert<QFont>() ? qvariant_cast<QFont>(fontData) : font();
    captionFont.setBold(true);
    QString text = headerModel->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    const bool noText = text.isNull();
    TKey key{std::move(text), noText, captionFont, isSortIndicatorShown()};
    if (const QSize* kept = Sizes.object(key))
        return *kept;
    const QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    Sizes.insert(std::move(key), new QSize(size));
    return size;
}

void TZnHeaderView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::StyleChange)
        Sizes.clear();
    QHeaderView::changeEvent(event);
}

void TZnHeaderView::selectionChanged(const QItemSelection& selected,
                                     const QItemSelection& deselected) {
    // The stock header paints again every section a new selection reaches, a whole row's being
    // the whole header; it shows the selection only when it highlights its sections.
    if (highlightSections())
        QHeaderView::selectionChanged(selected, deselected);
}

namespace {

// A caching header with the settings of the one it replaces.
TZnHeaderView* KeptSizesHeader(const QHeaderView& stock, QWidget* view) {
    auto* header = new TZnHeaderView(stock.orientation(), view);
    header->setSectionsMovable(stock.sectionsMovable());
    header->setSectionsClickable(stock.sectionsClickable());
    header->setHighlightSections(stock.highlightSections());
    header->setStretchLastSection(stock.stretchLastSection());
    header->setDefaultAlignment(stock.defaultAlignment());
    return header;
}

} // namespace

void UseKeptHeaderSizes(QTreeView& view) {
    view.setHeader(KeptSizesHeader(*view.header(), &view));
}

void UseKeptHeaderSizes(QTableView& view) {
    view.setHorizontalHeader(KeptSizesHeader(*view.horizontalHeader(), &view));
    view.setVerticalHeader(KeptSizesHeader(*view.verticalHeader(), &view));
}
