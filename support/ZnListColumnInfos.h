#pragma once

// Column definitions of the configurable list view: a column's properties, one stored
// definition and the ordered collection of them.

#include <cstdint>
#include <memory>
#include <vector>

#include <QString>

class TZnColumnInfos;
class TZnListColumnInfos;

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
