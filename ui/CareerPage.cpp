#include "CareerPage.h"

#include <QEvent>

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "CareerModel.h"
#include "ChallengeWords.h"
#include "GameGoalrun.h"
#include "GameRecords.h"
#include "RecordsBookView.h"
#include "ReportWords.h"
#include "ZnTabOrder.h"

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
      FModel(new TCareerModel(this)), FChallenge(new QLabel(this)) {
    setObjectName(QStringLiteral("CareerPage"));
    FChart->setObjectName(QStringLiteral("ZCareerChart"));
    FChart->SetMoneyFormat(
        [](qint64 money) { return CareerValueText(money, TCareerColumn::Money); });
    FTable->setObjectName(QStringLiteral("ListViewCareer"));
    FTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTable->setWordWrap(false);
    FTable->verticalHeader()->hide();
    FTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Number columns keep their width; the title mark's column takes what is left.
    FTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FTable->horizontalHeader()->setStretchLastSection(true);

    FChallenge->setObjectName(QStringLiteral("CareerChallenge"));
    FChallenge->setTextFormat(Qt::PlainText);
    FChallenge->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FChallenge);
    // The records book stands beside the chart, which keeps the height its ranks need to part
    // and the width the book leaves; the table of seasons, the list that grows, takes the
    // height the page gains, up to all its rows; what it leaves goes to the chart. Each list
    // scrolls where the page is short.
    FChart->setMinimumHeight(150 * logicalDpiY() / 96);
    FTop = new QHBoxLayout;
    FTop->addWidget(FChart, 1);
    layout->addLayout(FTop, 0);
    layout->addWidget(FTable, 1);
    connect(FTable, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const int rows = FModel->rowCount();
        if (index.isValid() && index.row() < rows)
            emit SeasonActivated(static_cast<size_t>(rows - 1 - index.row()));
    });
    Retranslate();
    Refresh(TZnCareer{});
}

void TCareerPage::Retranslate() {
    FChart->setAccessibleName(tr("監督経歴のグラフ"));
    FTable->setAccessibleName(tr("監督経歴"));
    // The values follow at the window's next refresh of the page.
    emit FModel->headerDataChanged(Qt::Horizontal, 0, FModel->columnCount() - 1);
}

void TCareerPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TCareerPage::Refresh(const TZnGameGoalrun& game) {
    Refresh(game.Career);
    const QString challenge = TChallengeWords::Setup(game.Setup());
    FChallenge->setText(challenge);
    FChallenge->setVisible(!challenge.isEmpty());
    if (FRecords != nullptr)
        FRecords->ShowRecords(RecordsBook(game), challenge);
}

void TCareerPage::Refresh(const TZnCareer& career) {
    FModel->Reset(career);
    FChart->SetSeasons(CareerChartSeries(career));
    if (!career.Seasons.empty())
        BuildSeasonParts();
    FTable->setVisible(!career.Seasons.empty());
    if (FRecords != nullptr)
        FRecords->setVisible(!career.Seasons.empty());
    if (career.Seasons.empty()) {
        FChart->setAccessibleDescription(TZnCareerChart::EmptyText());
        return;
    }
    const TZnSeasonRecord& last = career.Seasons.back();
    FChart->setAccessibleDescription(
        tr("%1季から%2季までの最終順位と資金。最新の%2季は%3位、資金%4。")
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
    // Never taller than its seasons: a page that grows gives the rest to the chart.
    FTable->setMaximumHeight(TableContentHeight(*FTable));
}

void TCareerPage::BuildSeasonParts() {
    // Both stay hidden, and take no room, until the first season ends: a new game's start
    // builds neither.
    if (FTable->model() != FModel)
        FTable->setModel(FModel);
    if (FRecords == nullptr) {
        FRecords = new TRecordsBookView(this);
        FTop->addWidget(FRecords, 0, Qt::AlignTop);
        // Tab reaches it after the seasons' table, as it stands in the page.
        PlaceTabStopsAfter(FTable, *FRecords);
    }
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
    // The chart beside the records book takes the width the table leaves it.
    return {width, QWidget::sizeHint().height()};
}
