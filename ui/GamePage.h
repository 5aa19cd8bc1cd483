#pragma once

// What the pages of the main window share: a page is a widget that shows part of the game and
// redraws it from the game state on Refresh. Its lists take their columns from the engine's view
// texts, so a column added there appears here with no change.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include <QString>
#include <QWidget>

#include "GameViewText.h"
#include "ZnListView.h"

class TZnGameGoalrun;

QString FromView(std::string_view text);

// A club name is wider than a number; its columns are wide enough to be read.
inline constexpr int32_t ClubNameWidth = 130;

// How a column of a view looks: everything the engine's texts leave to the window.
struct TColumnLook {
    TZnAlignment Alignment = TZnAlignment::taRightJustify;
    int32_t Width = TZnListColumnInfo::DefaultColumnWidth;
    // The texts the column must show whole besides its current cells (a number column: the
    // widest number of a season) and whether it takes a share of the free width.
    std::function<QStringList()> Samples = [] { return QStringList{QStringLiteral("-888")}; };
    bool Stretch = false;
};

// Every club name of the game, the samples of a club-name column.
QStringList ClubNames(const TZnGameGoalrun& game);

// Makes `list` show its whole content where there is room, each column fitted by the look its
// identifier (the column's tag) gives.
template <class TId, class TLookOf> void FitByLook(TZnListView& list, TLookOf lookOf) {
    list.ShowWhole = true;
    list.SetColumnFits([lookOf](int32_t tag) {
        const TColumnLook look = lookOf(static_cast<TId>(tag));
        return TZnListView::TColumnFit{look.Samples, look.Stretch};
    });
}

// Adds a definition per cell of `texts` one by one, as a stored layout loads them: each takes its
// index, which is its identifier, as tag and Order, and its caption from the engine.
template <class TId, class TLookOf>
void AddColumnInfos(TZnColumnInfos& infos, const std::vector<TZnViewText<TId>>& texts,
                    TLookOf lookOf) {
    for (const auto& text : texts) {
        const TColumnLook look = lookOf(text.Id);
        TZnListColumnInfo& info = infos.ColumnInfos().Add();
        info.Caption = FromView(text.Caption);
        info.Alignment = look.Alignment;
        info.SetDefaultWidth(look.Width);
    }
}

// Gives the columns of `list` and their definitions in `infos` the captions of `texts` (in the
// window's language), each column by its tag (its identifier), and shows the cells anew.
template <class TId>
void RenameColumns(TZnListView& list, TZnColumnInfos& infos,
                   const std::vector<TZnViewText<TId>>& texts) {
    for (size_t i = 0; i < texts.size(); ++i)
        infos.ColumnInfos()[static_cast<int32_t>(i)].Caption = FromView(texts[i].Caption);
    list.Model().SetCaptions([&infos](int32_t tag) { return infos.ColumnInfos()[tag].Caption; });
    list.Redraw();
}

// The text of the cell whose column has tag `tag` (the column's identifier).
template <class TId> QString CellValue(const std::vector<TZnViewText<TId>>& texts, int32_t tag) {
    if (tag < 0 || static_cast<size_t>(tag) >= texts.size())
        return {};
    return QString::fromStdString(texts[static_cast<size_t>(tag)].Value);
}

// A list named `name` with `rows` rows asked of `cellText`, its columns built from `infos`.
TZnListView* NewOwnerDataList(const QString& name, TZnColumnInfos& infos, int32_t rows,
                              TZnCellTextFunc cellText);

// Lays `children` out on `page` top to bottom, without margins.
void StackOnPage(QWidget& page, std::initializer_list<QWidget*> children);
