#pragma once

// The rows and columns of a report-style list, as a table model any stock view can show. Rows
// are either asked of the owner on demand (SetOwnerData) or held by the model (AddItem); each
// column carries a tag, and an owner's cells are asked by row and tag, so hiding or reordering
// columns needs no change in the owner.

#include <cstdint>
#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "ZnListColumnInfos.h"

// The text of one cell, asked of the owner by row and column tag.
using TZnCellTextFunc = std::function<QString(int32_t row, int32_t tag)>;

class TZnListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TZnListModel(QObject* parent = nullptr);

    int32_t ColumnCount() const { return static_cast<int32_t>(Columns.size()); }
    // Throws std::out_of_range outside 0 .. ColumnCount() - 1.
    const TZnListColumn& Column(int32_t position) const { return Columns.at(position); }
    void SetColumns(std::vector<TZnListColumn> columns);
    // Renames each column to captionOf(its tag); widths, order and rows stay.
    void SetCaptions(const std::function<QString(int32_t tag)>& captionOf);

    // Rows on demand: the model asks `cellText` for every cell it shows.
    void SetOwnerData(TZnCellTextFunc cellText);
    void SetRowCount(int32_t count);
    int32_t RowCount() const;

    // Rows held by the model: texts by column position.
    int32_t AddItem(const QStringList& texts);
    void SetItemText(int32_t row, int32_t column, const QString& text);

    // The text shown at a row and column position; empty outside the table.
    QString CellText(int32_t row, int32_t column) const;
    // Tells the views to show the current texts again (asks the owner afresh): only the cells
    // whose text changed since the last call are painted again.
    void Redraw();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    Qt::Alignment AlignmentOf(int column) const;

    std::vector<TZnListColumn> Columns;
    TZnCellTextFunc OwnerData;
    int32_t VirtualRowCount = 0;
    std::vector<QStringList> Items;
    // The texts of every cell at the last Redraw, row by row; empty after the rows or columns
    // changed, when the next Redraw repaints everything.
    std::vector<QString> Redrawn;
};
