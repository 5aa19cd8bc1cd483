#include "CareerPage.h"

#include <algorithm>

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "CareerModel.h"
#include "GameGoalrun.h"
#include "GameRecords.h"
#include "RecordsBookView.h"

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
    layout->addWidget(FChart, 2);
    layout->addWidget(FTable, 3);
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

    // Each column as wide as its caption or the widest text its largest number could give.
    const QFontMetrics metrics(FTable->font());
    const QFontMetrics header(FTable->horizontalHeader()->font());
    for (int c = 0; c < static_cast<int>(TCareerColumn::Count) - 1; ++c) {
        const auto column = static_cast<TCareerColumn>(c);
        qint64 largest = 0;
        for (const TZnSeasonRecord& season : career.Seasons)
            largest = std::max(largest, CareerCellValue(season, column));
        const QString widest = CareerValueText(Nines(largest), column);
        FTable->horizontalHeader()->resizeSection(
            c, std::max(header.horizontalAdvance(CareerColumnCaption(column)),
                        metrics.horizontalAdvance(widest)) +
                   16);
    }
}
