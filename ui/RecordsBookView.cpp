#include "RecordsBookView.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "GameRecords.h"
#include "ReportWords.h"

TRecordsBookView::TRecordsBookView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RecordsBookView"));
    FTable = NewReportTable(QStringLiteral("TableRecords"), QStringLiteral("記録"),
                            {QStringLiteral("記録"), QStringLiteral("値 (季)")});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FTable);
}

void TRecordsBookView::ShowRecords(const TZnRecordsBook& book) {
    // "70 (2季目)": a record and the season that set it.
    const auto entry = [](const std::optional<TZnRecordEntry>& e, auto word) {
        return e ? QStringLiteral("%1 (%2)").arg(word(e->Value), SeasonText(e->Season))
                 : QStringLiteral("不明");
    };
    const auto number = [](int64_t v) { return QString::number(v); };
    QList<std::pair<QString, QString>> rows{
        {QStringLiteral("終えたシーズン"), QStringLiteral("%1季").arg(book.Seasons)},
        {QStringLiteral("優勝"), QStringLiteral("%1回").arg(book.Titles)}};
    if (book.Seasons > 0) {
        rows.append({
            {QStringLiteral("最高順位"),
             entry(book.BestRank, [](int64_t v) { return RankText(static_cast<int32_t>(v)); })},
            {QStringLiteral("最多勝点"), entry(book.MostPoints, number)},
            {QStringLiteral("最多得点"), entry(book.MostGoals, number)},
            {QStringLiteral("最少失点"), entry(book.FewestConceded, number)},
        });
        if (book.BiggestWin)
            rows.append({QStringLiteral("最大の勝利"),
                         SeasonText(book.BiggestWin->Season) + QLatin1Char(' ') +
                             ResultLineText(book.BiggestWin->Result)});
        rows.append({
            {QStringLiteral("最長無敗"),
             entry(book.LongestUnbeaten,
                   [](int64_t v) { return QStringLiteral("%1試合").arg(v); })},
            {QStringLiteral("シーズン終了時の最高資金"), entry(book.HighestMoney, YenText)},
        });
    }
    FillCaptionValueRows(*FTable, rows);
    // Never taller than its rows: a page that grows gives the rest to what is above it.
    FTable->resizeRowsToContents();
    setMaximumHeight(TableContentHeight(*FTable));
}
