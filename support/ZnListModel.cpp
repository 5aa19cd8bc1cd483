#include "ZnListModel.h"

#include <algorithm>
#include <utility>

// Every change below is made between begin and end of a reset with nothing in between that can
// throw, so no view is ever left frozen.

TZnListModel::TZnListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TZnListModel::SetColumns(std::vector<TZnListColumn> columns) {
    Redrawn.clear();
    beginResetModel();
    Columns = std::move(columns);
    endResetModel();
}

void TZnListModel::SetCaptions(const std::function<QString(int32_t tag)>& captionOf) {
    for (TZnListColumn& column : Columns)
        column.Caption = captionOf(column.Tag);
    if (!Columns.empty())
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount() - 1);
}

void TZnListModel::SetOwnerData(TZnCellTextFunc cellText) {
    Redrawn.clear();
    beginResetModel();
    OwnerData = std::move(cellText);
    endResetModel();
}

void TZnListModel::SetRowCount(int32_t count) {
    Redrawn.clear();
    beginResetModel();
    VirtualRowCount = std::max(0, count);
    endResetModel();
}

int32_t TZnListModel::RowCount() const {
    return OwnerData ? VirtualRowCount : static_cast<int32_t>(Items.size());
}

int32_t TZnListModel::AddItem(const QStringList& texts) {
    const int32_t row = static_cast<int32_t>(Items.size());
    Items.reserve(Items.size() + 1);
    Redrawn.clear();
    beginResetModel();
    Items.push_back(texts);
    endResetModel();
    return row;
}

void TZnListModel::SetItemText(int32_t row, int32_t column, const QString& text) {
    QStringList& texts = Items.at(static_cast<size_t>(row));
    while (texts.size() <= column)
        texts.append(QString());
    // A text that stays is not painted again: the club panel is set whole after every matchday.
    if (texts[column] == text)
        return;
    texts[column] = text;
    if (column < ColumnCount())
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

QString TZnListModel::CellText(int32_t row, int32_t column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return {};
    if (OwnerData)
        return OwnerData(row, Columns[static_cast<size_t>(column)].Tag);
    const QStringList& texts = Items[static_cast<size_t>(row)];
    return column < texts.size() ? texts[column] : QString();
}

void TZnListModel::Redraw() {
    const int32_t rows = RowCount();
    const int32_t columns = ColumnCount();
    std::vector<QString> texts;
    texts.reserve(static_cast<size_t>(rows) * static_cast<size_t>(columns));
    for (int32_t row = 0; row < rows; ++row)
        for (int32_t column = 0; column < columns; ++column)
            texts.push_back(CellText(row, column));
    std::swap(texts, Redrawn);
    if (rows == 0 || columns == 0)
        return;
    if (texts.size() != Redrawn.size()) {
        emit dataChanged(index(0, 0), index(rows - 1, columns - 1), {Qt::DisplayRole});
        return;
    }
    // A view paints each run of changed cells of a row alone; a table after a matchday keeps
    // many of its texts.
    const auto changed = [&](int32_t row, int32_t column) {
        const size_t cell =
            static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column);
        return Redrawn[cell] != texts[cell];
    };
    for (int32_t row = 0; row < rows; ++row)
        for (int32_t left = 0; left < columns; ++left) {
            if (!changed(row, left))
                continue;
            int32_t right = left;
            // A tree view measures its first row again for each change told in it: the first
            // row's changes are told as one.
            const auto sameRun = [&](int32_t column) { return row == 0 || changed(row, column); };
            while (right + 1 < columns && sameRun(right + 1))
                ++right;
            while (row == 0 && !changed(row, right))
                --right;
            emit dataChanged(index(row, left), index(row, right), {Qt::DisplayRole});
            left = right;
        }
}

int TZnListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int TZnListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant TZnListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(index.column()));
    return {};
}

QVariant TZnListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount())
        return {};
    if (role == Qt::DisplayRole)
        return Column(section).Caption;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(section));
    return {};
}

Qt::ItemFlags TZnListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

Qt::Alignment TZnListModel::AlignmentOf(int column) const {
    switch (Column(column).Alignment) {
    case TZnAlignment::taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TZnAlignment::taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TZnAlignment::taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
