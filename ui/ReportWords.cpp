#include "ReportWords.h"

#include <algorithm>

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

#include "GameGoalrun.h"
#include "GamePage.h"
#include "GameSeasonRecord.h"
#include "WindowWords.h"
#include "ZnHeaderView.h"
#include "ZnTextDelegate.h"
#include "ZnWording.h"

QString YenText(int64_t amount) {
    return WindowMoney(amount);
}

QString RankText(int32_t rank) {
    return QCoreApplication::translate("TReportWords", "%1位").arg(int64_t{rank} + 1);
}

QString ResultLineText(const std::optional<TZnNamedResult>& result) {
    if (!result)
        return QCoreApplication::translate("GameWords", "なし");
    return QCoreApplication::translate("TReportWords", "第%1節 %2-%3 %4")
        .arg(result->Line.Matchday)
        .arg(result->Line.For)
        .arg(result->Line.Against)
        .arg(FromView(result->Opponent));
}

QString SeasonText(int32_t season) {
    return FromView(SeasonName(WindowWording(), season));
}

TRowSizingHeld::TRowSizingHeld(QTableView& table) : FTable(table) {
    FTable.verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

TRowSizingHeld::~TRowSizingHeld() {
    FTable.verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void SetReportCell(QTableWidget& table, int row, int column, const QString& text,
                   Qt::Alignment alignment, const QString& spoken) {
    QTableWidgetItem* item = table.item(row, column);
    const bool added = item == nullptr;
    if (added)
        item = new QTableWidgetItem; // shows its text as plain text: a club name is never markup
    // An item tells its table only of a value that changed.
    item->setText(text);
    if (alignment != Qt::Alignment())
        item->setTextAlignment(alignment);
    if (!spoken.isNull())
        item->setData(Qt::AccessibleTextRole, spoken);
    if (added)
        table.setItem(row, column, item);
}

void FillCaptionValueRows(QTableWidget& table, const QList<std::pair<QString, QString>>& rows) {
    const TRowSizingHeld held(table);
    table.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const auto& [caption, value] = rows[r];
        const QString spoken = caption + QStringLiteral(": ") + value;
        SetReportCell(table, r, 0, caption, {}, spoken);
        SetReportCell(table, r, 1, value, {}, spoken);
    }
    table.resizeColumnToContents(0);
}

int TableContentHeight(const QTableView& table) {
    int height = table.horizontalHeader()->sizeHint().height() + 2 * table.frameWidth();
    for (int r = 0; r < table.model()->rowCount(); ++r)
        height += table.rowHeight(r);
    return height;
}

int TableContentWidth(const QTableWidget& table) {
    const QHeaderView& header = *table.horizontalHeader();
    const int last = table.columnCount() - 1;
    int width = 2 * table.frameWidth();
    for (int c = 0; c < last; ++c)
        width += header.sectionSize(c);
    if (last >= 0)
        width += std::max(static_cast<const QAbstractItemView&>(table).sizeHintForColumn(last),
                          header.sectionSizeHint(last));
    return width;
}

void FitTableHeight(QTableWidget& table) {
    table.resizeRowsToContents();
    table.setFixedHeight(TableContentHeight(table));
}

QTableWidget* NewReportTable(const QString& name, const QString& accessibleName,
                             const QStringList& columns) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()));
    UseKeptHeaderSizes(*table); // the captions are measured once, not at every fill
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setWordWrap(false);
    table->setItemDelegate(new TZnTextDelegate(table)); // the texts' layouts kept between paints
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}
