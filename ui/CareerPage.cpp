#include "CareerPage.h"

#include <algorithm>

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "CareerModel.h"
#include "GameGoalrun.h"
#include "GameRecords.h"
#include "RecordsBookView.h"
#include "ReportWords.h"

namespace {

// 9, 99, 999, ...: the widest-looking number with as many digits as `value`.
qint64 Nines(qint64 value) {
    qint64 nines = 9;
    while (nines < value && nines < INT32_MAX)
        nines = nines * 10 + 9;
    return std::min<qint64>(nines, INT32_MAX);
}

} // namespace

std::vector<TZnCareerPoint> CareerChartSeries(const TZnCareer& career) {
    std::vector<TZnCareerPoint> series;
    series.reserve(career.Seasons.size());
    for (const TZnSeasonRecord& season : career.Seasons)
        series.push_back(
            {season.Season, season.Rank, season.Money, season.Title, CareerSeasonLine(season)});
    return series;
}

TCareerPage::TCareerPage(QWidget* parent)
    : QWidget(parent), FChart(new TZnCareerChart(this)), FTable(new QTableView(this)),
      FModel(new TCareerModel(this)), FRecords(new TRecordsBookView(this)) {
    setObjectName(QStringLiteral("CareerPage"));
    FChart->setObjectName(QStringLiteral("ZCareerChart"));
    FChart->setAccessibleName(QStringLiteral("監督経歴のグラフ"));
    FChart->SetMoneyFormat(
        [](qint64 money) { return CareerValueText(money, TCareerColumn::Money); });
    FTable->setObjectName(QStringLiteral("ListViewCareer"));
    FTable->setAccessibleName(QStringLiteral("監督経歴"));
    FTable->setModel(FModel);
    FTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTable->setWordWrap(false);
    FTable->verticalHeader()->hide();
    FTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Number columns keep their width; the title mark's column takes what is left.
    FTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FTable->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The chart keeps the height its ranks need to part, whatever the table and the records
    // book below it show, and takes the larger share of a growing page; the table and the
    // records book share the rest, neither taller than its rows, and scroll where it is short.
    FChart->setMinimumHeight(150 * logicalDpiY() / 96);
    layout->addWidget(FChart, 3);
    layout->addWidget(FTable, 1);
    layout->addWidget(FRecords, 2);
    connect(FTable, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const int rows = FModel->rowCount();
        if (index.isValid() && index.row() < rows)
            emit SeasonActivated(static_cast<size_t>(rows - 1 - index.row()));
    });
    Refresh(TZnCareer{});
}

void TCareerPage::Refresh(const TZnGameGoalrun& game) {
    Refresh(game.Career);
    FRecords->ShowRecords(RecordsBook(game));
}

void TCareerPage::Refresh(const TZnCareer& career) {
    FModel->Reset(career);
    FChart->SetSeasons(CareerChartSeries(career));
    FTable->setVisible(!career.Seasons.empty());
    FRecords->setVisible(!career.Seasons.empty());
    if (career.Seasons.empty()) {
        FChart->setAccessibleDescription(TZnCareerChart::EmptyText);
        return;
    }
    const TZnSeasonRecord& last = career.Seasons.back();
    FChart->setAccessibleDescription(
        QStringLiteral("%1季から%2季までの最終順位と資金。最新の%2季は%3位、資金%4。")
            .arg(CareerCellText(career.Seasons.front(), TCareerColumn::Season),
                 CareerCellText(last, TCareerColumn::Season),
                 CareerCellText(last, TCareerColumn::Rank),
                 CareerCellText(last, TCareerColumn::Money)));

    for (int c = 0; c < static_cast<int>(TCareerColumn::Count); ++c) {
        const auto column = static_cast<TCareerColumn>(c);
        qint64 largest = 0;
        for (const TZnSeasonRecord& season : career.Seasons)
            largest = std::max(largest, CareerCellValue(season, column));
        FTable->horizontalHeader()->resizeSection(c, ColumnWidth(column, largest));
    }
    // Never taller than its seasons: a page that grows gives the rest to the chart and the
    // records book.
    FTable->setMaximumHeight(TableContentHeight(*FTable));
}

int TCareerPage::ColumnWidth(TCareerColumn column, qint64 largest) const {
    // As wide as the caption or the widest text a number of as many digits could give.
    const QFontMetrics metrics(FTable->font());
    const QFontMetrics header(FTable->horizontalHeader()->font());
    return std::max(header.horizontalAdvance(CareerColumnCaption(column)),
                    metrics.horizontalAdvance(CareerValueText(Nines(largest), column))) +
           16;
}

QSize TCareerPage::sizeHint() const {
    // Wide enough for every column of a long career (two-digit seasons and levels, funds in the
    // billions), so the window's initial size shows the whole table.
    const qint64 largest[] = {99, 16, 90, 30, 30, 30, 99, 99, 81920, 999999, 99, 1};
    int width = 2 * FTable->frameWidth() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FTable);
    for (int c = 0; c < static_cast<int>(TCareerColumn::Count); ++c)
        width += std::max(ColumnWidth(static_cast<TCareerColumn>(c), largest[c]),
                          FTable->horizontalHeader()->minimumSectionSize());
    return {std::max(width, QWidget::sizeHint().width()), QWidget::sizeHint().height()};
}
