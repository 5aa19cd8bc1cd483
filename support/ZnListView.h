#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>
#include <QTreeView>

#include "ZnColumnInfos.h"
#include "ZnListModel.h"

class TZnTextDelegate;

// A read-only, row-select list: a tree view over a TZnListModel, its columns built from a
// separate, reusable set of column definitions (each built column carries the collection index
// of its definition as its tag), with a sort mark before the sorted column's caption.
class TZnListView : public QTreeView {
    Q_OBJECT
public:
    explicit TZnListView(QWidget* parent = nullptr);
    ~TZnListView() override;

    bool SortDown = false;
    QString SortMarkDown = QStringLiteral("▼");
    QString SortMarkUp = QStringLiteral("▲");
    int32_t SortColumnIndex = 0;
    TZnColumnInfos* ColumnInfos = nullptr; // not owned; must outlive the view's use of it
    bool SortMarkUse = true;

    // Empty when SortMarkUse is false, else SortMarkDown or SortMarkUp by SortDown.
    QString SortMark() const;
    // Builds the columns from the visible definitions of ColumnInfos in display order; the column
    // whose tag is SortColumnIndex gets SortMark in front of its caption. Throws
    // std::logic_error when ColumnInfos is unset.
    void RebuildColumns();

    // The rows and columns this view shows.
    TZnListModel& Model() const { return *FModel; }
    // Replaces the columns (views whose columns are not built from definitions).
    void SetColumns(std::vector<TZnListColumn> columns);

    // The model's, for the owner's convenience.
    int32_t ColumnCount() const { return FModel->ColumnCount(); }
    const TZnListColumn& Column(int32_t position) const { return FModel->Column(position); }
    void SetOwnerData(TZnCellTextFunc cellText) { FModel->SetOwnerData(std::move(cellText)); }
    void SetRowCount(int32_t count) { FModel->SetRowCount(count); }
    int32_t RowCount() const { return FModel->RowCount(); }
    int32_t AddItem(const QStringList& texts) { return FModel->AddItem(texts); }
    void SetItemText(int32_t row, int32_t column, const QString& text) {
        FModel->SetItemText(row, column, text);
    }
    QString CellText(int32_t row, int32_t column) const { return FModel->CellText(row, column); }
    void Redraw() { FModel->Redraw(); }
    // Moves the focus mark and the single selection to `row` and scrolls it into view.
    void SelectRow(int32_t row);
    int32_t SelectedRow() const;

    // How a column is fitted: wide enough for its caption, its cells and the texts of `Samples`
    // (what it must show whole, asked at fitting time); `Stretch` columns share the free width.
    struct TColumnFit {
        std::function<QStringList()> Samples;
        bool Stretch = false;
    };
    // The fits by column tag.
    void SetColumnFits(std::function<TColumnFit(int32_t tag)> fitOf);
    // Sizes every column from the font and the current texts (once the texts are there), when
    // the fits are set.
    void FitColumns();
    // Whether the size hint is the whole content (every row and column), which a layout then
    // gives it when there is room.
    bool ShowWhole = false;
    QSize sizeHint() const override;
    // The content size: header, every row and every fitted column, with the frame.
    QSize ContentSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;

private:
    void ApplyColumnWidths();
    void StretchColumns();

    std::function<TColumnFit(int32_t tag)> FitOf;
    std::vector<int> FittedWidths; // by column position; empty until FitColumns
    bool Stretching = false;

    TZnListModel* FModel;       // owned by the view (Qt parent)
    TZnTextDelegate* FDelegate; // likewise
};
