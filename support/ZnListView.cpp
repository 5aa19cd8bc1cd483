#include "ZnListView.h"

#include <algorithm>
#include <stdexcept>

#include <QHeaderView>
#include <QPalette>

TZnListView::TZnListView(QWidget* parent) : QTreeView(parent), FModel(new TZnListModel(this)) {
    setModel(FModel);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    // The selected row stays as visible without the focus as with it.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

TZnListView::~TZnListView() = default;

QString TZnListView::SortMark() const {
    if (!SortMarkUse)
        return {};
    return SortDown ? SortMarkDown : SortMarkUp;
}

void TZnListView::RebuildColumns() {
    if (ColumnInfos == nullptr)
        throw std::logic_error("TZnListView::RebuildColumns without ColumnInfos");
    const TZnListColumnInfos& infos = ColumnInfos->ColumnInfos();
    std::vector<TZnListColumn> columns(static_cast<size_t>(infos.VisibleCount()));
    for (size_t p = 0; p < columns.size(); ++p) {
        const TZnListColumnInfo* info = infos.ItemAtPosition(static_cast<int32_t>(p));
        if (info == nullptr)
            throw std::logic_error("column definitions break the order invariant");
        info->AssignToColumn(columns[p]);
        if (columns[p].Tag == SortColumnIndex)
            columns[p].Caption = SortMark() + columns[p].Caption;
    }
    SetColumns(std::move(columns));
}

void TZnListView::SetColumns(std::vector<TZnListColumn> columns) {
    FModel->SetColumns(std::move(columns));
    ApplyColumnWidths();
}

void TZnListView::ApplyColumnWidths() {
    const double scale = logicalDpiX() / 96.0;
    for (int32_t p = 0; p < ColumnCount(); ++p) {
        const TZnListColumn& column = Column(p);
        int32_t width = column.Width;
        if (column.MaxWidth > 0)
            width = std::min(width, column.MaxWidth);
        if (column.MinWidth > 0)
            width = std::max(width, column.MinWidth);
        header()->resizeSection(p, static_cast<int>(width * scale + 0.5));
    }
}

void TZnListView::SelectRow(int32_t row) {
    if (row < 0 || row >= RowCount())
        return;
    const QModelIndex index = FModel->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

int32_t TZnListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
