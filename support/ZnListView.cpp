#include "ZnListView.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPalette>

// ---- TZnListColumnInfo -----------------------------------------------------------------------

TZnListColumnInfo::TZnListColumnInfo(TZnListColumnInfos& collection, int32_t index)
    : IdentName(QStringLiteral("ZnListColumnInfo%1").arg(index)), FCollection(&collection),
      FIndex(index), FOrder(index) {}

void TZnListColumnInfo::SetOrder(int32_t value) {
    if (value < 0 || value >= FCollection->Count())
        return;
    for (int32_t i = 0; i < FCollection->Count(); ++i) {
        TZnListColumnInfo& other = (*FCollection)[i];
        if (other.FOrder == value) {
            other.FOrder = FOrder;
            break;
        }
    }
    FOrder = value;
}

void TZnListColumnInfo::SetDefaultWidth(int32_t value) {
    FDefaultWidth = value;
    Width = value;
}

void TZnListColumnInfo::SetDefaultVisible(bool value) {
    FDefaultVisible = value;
    Visible = value;
}

void TZnListColumnInfo::Assign(const TZnListColumnInfo& source) {
    Alignment = source.Alignment;
    AutoSize = source.AutoSize;
    Caption = source.Caption;
    MaxWidth = source.MaxWidth;
    MinWidth = source.MinWidth;
    ImageIndex = source.ImageIndex;
    Width = source.Width;
    FOrder = source.FOrder;
    FDefaultWidth = source.FDefaultWidth;
    IdentName = source.IdentName;
    Visible = source.Visible;
    FDefaultVisible = source.FDefaultVisible;
}

QString TZnListColumnInfo::DisplayName() const {
    return Caption.isEmpty() ? QStringLiteral("TZnListColumnInfo") : Caption;
}

int32_t TZnListColumnInfo::DisplayPosition() const {
    if (!Visible)
        return -1;
    int32_t position = FOrder;
    for (int32_t k = 0; k < FOrder; ++k) {
        const TZnListColumnInfo* before = FCollection->ItemWithOrder(k);
        if (before != nullptr && !before->Visible)
            --position;
    }
    return position;
}

void TZnListColumnInfo::AssignToColumn(TZnListColumn& column) const {
    column.Alignment = Alignment;
    column.AutoSize = AutoSize;
    column.Caption = Caption;
    column.ImageIndex = ImageIndex;
    column.MaxWidth = MaxWidth;
    column.MinWidth = MinWidth;
    column.Width = Width;
    column.Tag = FIndex;
}

// ---- TZnListColumnInfos ----------------------------------------------------------------------

TZnListColumnInfo& TZnListColumnInfos::Add() {
    Items.push_back(std::unique_ptr<TZnListColumnInfo>(new TZnListColumnInfo(*this, Count())));
    return *Items.back();
}

TZnListColumnInfo& TZnListColumnInfos::operator[](int32_t index) {
    return *Items.at(static_cast<size_t>(index));
}

const TZnListColumnInfo& TZnListColumnInfos::operator[](int32_t index) const {
    return *Items.at(static_cast<size_t>(index));
}

int32_t TZnListColumnInfos::VisibleCount() const {
    return static_cast<int32_t>(
        std::count_if(Items.begin(), Items.end(), [](const auto& item) { return item->Visible; }));
}

const TZnListColumnInfo* TZnListColumnInfos::ItemAtPosition(int32_t position) const {
    for (const auto& item : Items)
        if (item->DisplayPosition() == position)
            return item.get();
    return nullptr;
}

const TZnListColumnInfo* TZnListColumnInfos::ItemWithOrder(int32_t order) const {
    for (const auto& item : Items)
        if (item->Order() == order)
            return item.get();
    return nullptr;
}

void TZnListColumnInfos::Assign(const TZnListColumnInfos& source) {
    if (&source == this)
        return;
    Items.clear();
    for (int32_t i = 0; i < source.Count(); ++i)
        Add().Assign(source[i]);
}

TZnColumnInfos::TZnColumnInfos(QObject* parent) : QObject(parent) {}

// ---- The model behind TZnListView --------------------------------------------------------------

class TZnListModel : public QAbstractTableModel {
public:
    explicit TZnListModel(TZnListView& view) : QAbstractTableModel(&view), View(view) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : View.RowCount();
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : View.ColumnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return View.CellText(index.row(), index.column());
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(AlignmentOf(index.column()));
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= View.ColumnCount())
            return {};
        if (role == Qt::DisplayRole)
            return View.Column(section).Caption;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(AlignmentOf(section));
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void AllChanged() {
        if (rowCount({}) > 0 && columnCount({}) > 0)
            emit dataChanged(index(0, 0), index(rowCount({}) - 1, columnCount({}) - 1),
                             {Qt::DisplayRole});
    }
    void CellChanged(int row, int column) {
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
    }

private:
    Qt::Alignment AlignmentOf(int column) const {
        switch (View.Column(column).Alignment) {
        case TZnAlignment::taRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case TZnAlignment::taCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case TZnAlignment::taLeftJustify:
            break;
        }
        return Qt::AlignLeft | Qt::AlignVCenter;
    }

    TZnListView& View;
};

namespace {

// Ends a model reset however the rebuild leaves, so the view is never left frozen.
class TZnResetGuard {
public:
    explicit TZnResetGuard(TZnListModel& model) : Model(model) { Model.BeginReset(); }
    ~TZnResetGuard() { Model.EndReset(); }
    TZnResetGuard(const TZnResetGuard&) = delete;
    TZnResetGuard& operator=(const TZnResetGuard&) = delete;

private:
    TZnListModel& Model;
};

} // namespace

// ---- TZnListView -------------------------------------------------------------------------------

TZnListView::TZnListView(QWidget* parent) : QTreeView(parent), Model(new TZnListModel(*this)) {
    setModel(Model);
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
    {
        TZnResetGuard guard(*Model);
        const TZnListColumnInfos& infos = ColumnInfos->ColumnInfos();
        const int32_t n = infos.VisibleCount();
        Columns.resize(static_cast<size_t>(n));
        for (int32_t p = 0; p < n; ++p) {
            const TZnListColumnInfo* info = infos.ItemAtPosition(p);
            if (info == nullptr)
                throw std::logic_error("column definitions break the order invariant");
            TZnListColumn& column = Columns[static_cast<size_t>(p)];
            info->AssignToColumn(column);
            if (column.Tag == SortColumnIndex)
                column.Caption = SortMark() + column.Caption;
        }
    }
    ApplyColumnWidths();
}

void TZnListView::SetColumns(std::vector<TZnListColumn> columns) {
    {
        TZnResetGuard guard(*Model);
        Columns = std::move(columns);
    }
    ApplyColumnWidths();
}

void TZnListView::ApplyColumnWidths() {
    const double scale = logicalDpiX() / 96.0;
    for (int32_t p = 0; p < ColumnCount(); ++p) {
        const TZnListColumn& column = Columns[static_cast<size_t>(p)];
        int32_t width = column.Width;
        if (column.MaxWidth > 0)
            width = std::min(width, column.MaxWidth);
        if (column.MinWidth > 0)
            width = std::max(width, column.MinWidth);
        header()->resizeSection(p, static_cast<int>(width * scale + 0.5));
    }
}

void TZnListView::SetOwnerData(TZnCellTextFunc cellText) {
    TZnResetGuard guard(*Model);
    OwnerData = std::move(cellText);
}

void TZnListView::SetRowCount(int32_t count) {
    TZnResetGuard guard(*Model);
    VirtualRowCount = std::max(0, count);
}

int32_t TZnListView::RowCount() const {
    return OwnerData ? VirtualRowCount : static_cast<int32_t>(Items.size());
}

int32_t TZnListView::AddItem(const QStringList& texts) {
    const int32_t row = static_cast<int32_t>(Items.size());
    TZnResetGuard guard(*Model);
    Items.push_back(texts);
    return row;
}

void TZnListView::SetItemText(int32_t row, int32_t column, const QString& text) {
    QStringList& texts = Items.at(static_cast<size_t>(row));
    while (texts.size() <= column)
        texts.append(QString());
    texts[column] = text;
    if (column < ColumnCount())
        Model->CellChanged(row, column);
}

QString TZnListView::CellText(int32_t row, int32_t column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return {};
    if (OwnerData)
        return OwnerData(row, Columns[static_cast<size_t>(column)].Tag);
    const QStringList& texts = Items[static_cast<size_t>(row)];
    return column < texts.size() ? texts[column] : QString();
}

void TZnListView::Redraw() {
    Model->AllChanged();
}

void TZnListView::SelectRow(int32_t row) {
    if (row < 0 || row >= RowCount())
        return;
    const QModelIndex index = Model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

int32_t TZnListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
