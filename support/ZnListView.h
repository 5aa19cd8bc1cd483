#pragma once

// A report-style list whose columns are built from a separate, reusable set of column
// definitions. Each built column carries the collection index of its definition as its tag; the
// owner fills cells by tag, so hiding or reordering definitions needs no change in the owner.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTreeView>

class TZnColumnInfos;
class TZnListColumnInfos;
class TZnListModel;

enum class TZnAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// The properties of one column of a view, as a definition hands them over.
class TZnListColumn {
public:
    TZnAlignment Alignment = TZnAlignment::taLeftJustify;
    bool AutoSize = false;
    QString Caption;
    int32_t ImageIndex = -1;
    int32_t MaxWidth = 0; // 0: no limit
    int32_t MinWidth = 0; // 0: no limit
    int32_t Width = 50;   // design pixels at 96 dpi
    int32_t Tag = 0;
};

// One column definition. Order, DefaultVisible and DefaultWidth have setters with side effects;
// the other properties are plain fields.
class TZnListColumnInfo {
public:
    static constexpr int32_t DefaultColumnWidth = 50;

    TZnAlignment Alignment = TZnAlignment::taLeftJustify;
    bool AutoSize = false;
    QString Caption;
    int32_t MaxWidth = 0;
    int32_t MinWidth = 0;
    int32_t ImageIndex = -1;
    int32_t Width = DefaultColumnWidth;
    QString IdentName;
    bool Visible = true;

    int32_t Order() const { return FOrder; }
    // Swaps with the first definition holding `value`; a value outside 0 .. count - 1 is ignored.
    void SetOrder(int32_t value);
    int32_t DefaultWidth() const { return FDefaultWidth; }
    // Also sets Width.
    void SetDefaultWidth(int32_t value);
    bool DefaultVisible() const { return FDefaultVisible; }
    // Also sets Visible.
    void SetDefaultVisible(bool value);

    int32_t Index() const { return FIndex; }
    TZnListColumnInfos& Collection() const { return *FCollection; }

    // Copies all twelve properties as they are, without the setters' side effects.
    void Assign(const TZnListColumnInfo& source);
    // Caption, or the collection's default item name when Caption is empty.
    QString DisplayName() const;
    // The 0-based column position in a view; -1 when hidden.
    int32_t DisplayPosition() const;
    // Copies the column properties and sets the column's tag to this definition's index.
    void AssignToColumn(TZnListColumn& column) const;

private:
    friend class TZnListColumnInfos;
    TZnListColumnInfo(TZnListColumnInfos& collection, int32_t index);

    TZnListColumnInfos* FCollection; // not owned: the collection owns this item
    int32_t FIndex;
    int32_t FOrder;
    int32_t FDefaultWidth = DefaultColumnWidth;
    bool FDefaultVisible = true;
};

// The owned, ordered definitions of one TZnColumnInfos. Invariant: the Order values of the n
// definitions are a permutation of 0 .. n - 1.
class TZnListColumnInfos {
public:
    explicit TZnListColumnInfos(TZnColumnInfos* owner = nullptr) : FOwner(owner) {}
    TZnListColumnInfos(const TZnListColumnInfos&) = delete;
    TZnListColumnInfos& operator=(const TZnListColumnInfos&) = delete;

    QString IniSectionName = QStringLiteral("DesignColumn"); // carried only; nothing reads it

    // A new definition with Order = its index and IdentName "ZnListColumnInfo<index>".
    TZnListColumnInfo& Add();
    int32_t Count() const { return static_cast<int32_t>(Items.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    TZnListColumnInfo& operator[](int32_t index);
    const TZnListColumnInfo& operator[](int32_t index) const;
    int32_t VisibleCount() const;
    // The first definition, in collection order, at display position p; nullptr when none.
    const TZnListColumnInfo* ItemAtPosition(int32_t position) const;
    // The first definition whose Order is `order`; nullptr when none.
    const TZnListColumnInfo* ItemWithOrder(int32_t order) const;
    // Replaces the definitions with copies of `source`'s.
    void Assign(const TZnListColumnInfos& source);
    TZnColumnInfos* Owner() const { return FOwner; }

private:
    std::vector<std::unique_ptr<TZnListColumnInfo>> Items;
    TZnColumnInfos* FOwner; // not owned
};

// A non-visual component holding a set of column definitions that views build columns from.
class TZnColumnInfos : public QObject {
    Q_OBJECT
public:
    explicit TZnColumnInfos(QObject* parent = nullptr);

    TZnListColumnInfos& ColumnInfos() { return FColumnInfos; }
    const TZnListColumnInfos& ColumnInfos() const { return FColumnInfos; }
    // Copies `value` into the owned collection; the owned object is never replaced.
    void SetColumnInfos(const TZnListColumnInfos& value) { FColumnInfos.Assign(value); }
    QString IniSectionName() const { return FColumnInfos.IniSectionName; }
    void SetIniSectionName(const QString& value) { FColumnInfos.IniSectionName = value; }

private:
    TZnListColumnInfos FColumnInfos{this};
};

// The text of one cell, asked of the owner by row and column tag.
using TZnCellTextFunc = std::function<QString(int32_t row, int32_t tag)>;

// A read-only, row-select list on a tree view. Rows are either asked of the owner on demand
// (SetOwnerData) or held by the list (AddItem); column 0 is a row's caption.
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

    int32_t ColumnCount() const { return static_cast<int32_t>(Columns.size()); }
    const TZnListColumn& Column(int32_t position) const { return Columns.at(position); }
    // Replaces the columns (views whose columns are not built from definitions).
    void SetColumns(std::vector<TZnListColumn> columns);

    // Rows on demand: the list asks `cellText` for every cell it shows.
    void SetOwnerData(TZnCellTextFunc cellText);
    void SetRowCount(int32_t count);
    int32_t RowCount() const;

    // Rows held by the list: texts by column position.
    int32_t AddItem(const QStringList& texts);
    void SetItemText(int32_t row, int32_t column, const QString& text);

    // The text the list shows at a row and column position.
    QString CellText(int32_t row, int32_t column) const;
    // Shows the current texts again (asks the owner afresh for rows on demand).
    void Redraw();
    // Moves the focus mark and the single selection to `row` and scrolls it into view.
    void SelectRow(int32_t row);
    int32_t SelectedRow() const;

private:
    friend class TZnListModel;
    void ApplyColumnWidths();

    std::vector<TZnListColumn> Columns;
    TZnCellTextFunc OwnerData;
    int32_t VirtualRowCount = 0;
    std::vector<QStringList> Items;
    TZnListModel* Model; // owned by the view (Qt parent)
};
