#pragma once

// The words the match report, the season review and the records book share: the engine hands
// over numbers and ids, these say them in the player's language.

#include <cstdint>
#include <optional>

#include <QString>
#include <Qt>
#include <QStringList>

struct TZnNamedResult;
class QTableView;
class QTableWidget;

// "2億1000万円"; amounts beyond the money text's range are shown at its largest.
QString YenText(int64_t amount);
// "3位" for the 0-based rank 2.
QString RankText(int32_t rank);
// "第12節 3-0 月代シティ" or "なし".
QString ResultLineText(const std::optional<TZnNamedResult>& result);
// "1季目" for the 0-based season 0.
QString SeasonText(int32_t season);

// Sets the cell's text (plain text), and its alignment and the text a screen reader reads when
// given, keeping the cell's item: a cell whose text stays is not painted again.
void SetReportCell(QTableWidget& table, int row, int column, const QString& text,
                   Qt::Alignment alignment = {}, const QString& spoken = {});
// Fills `table` with one row per pair of caption and value, as plain text, each row read by a
// screen reader as "caption: value". The table keeps its columns.
void FillCaptionValueRows(QTableWidget& table, const QList<std::pair<QString, QString>>& rows);
// The height that shows `table`'s header and every row within its frame.
int TableContentHeight(const QTableView& table);
// The width that shows every column of `table` whole, within its frame; the header's length is
// no measure, since the last column stretches to the width it is given.
int TableContentWidth(const QTableWidget& table);
// Makes `table` exactly as high as its header and rows: it never scrolls on its own, the view
// around it does.
void FitTableHeight(QTableWidget& table);
// Holds back the sizing of a report table's rows to their contents while it is filled: without
// it every cell set measures every row again. The rows are measured once when the hold ends.
class TRowSizingHeld {
public:
    explicit TRowSizingHeld(QTableView& table);
    ~TRowSizingHeld();
    TRowSizingHeld(const TRowSizingHeld&) = delete;
    TRowSizingHeld& operator=(const TRowSizingHeld&) = delete;

private:
    QTableView& FTable;
};
// A read-only table of `columns` captions that fits its rows' height and is reached by Tab.
QTableWidget* NewReportTable(const QString& name, const QString& accessibleName,
                             const QStringList& columns);
