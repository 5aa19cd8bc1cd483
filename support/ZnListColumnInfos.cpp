#include "ZnListColumnInfos.h"

#include <algorithm>

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
