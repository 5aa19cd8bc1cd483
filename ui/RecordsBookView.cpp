#include "RecordsBookView.h"

#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChallengeWords.h"
#include "GameRecords.h"
#include "ReportWords.h"
#include "ZnTranslation.h"

TRecordsBookView::TRecordsBookView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RecordsBookView"));
    FTable = NewReportTable(QStringLiteral("TableRecords"), QString(), {QString(), QString()});
    KeepTranslated(*this, [this] {
        FTable->setAccessibleName(tr("記録"));
        FTable->setHorizontalHeaderLabels({tr("記録"), tr("値 (季)")});
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FTable);
}

void TRecordsBookView::ShowRecords(const TZnRecordsBook& book, const QString& challenge) {
    // "70 (2季目)": a record and the season that set it.
    const auto entry = [](const std::optional<TZnRecordEntry>& e, auto word) {
        return e ? QStringLiteral("%1 (%2)").arg(word(e->Value), SeasonText(e->Season))
                 : tr("不明");
    };
    const auto number = [](int64_t v) { return QString::number(v); };
    QList<std::pair<QString, QString>> rows{{tr("終えたシーズン"), tr("%1季").arg(book.Seasons)},
                                            {tr("優勝"), tr("%1回").arg(book.Titles)}};
    if (!challenge.isEmpty())
        rows.prepend({TChallengeWords::SetupCaption(), challenge});
    if (book.Seasons > 0) {
        rows.append({
            {tr("最高順位"),
             entry(book.BestRank, [](int64_t v) { return RankText(static_cast<int32_t>(v)); })},
            {tr("最多勝点"), entry(book.MostPoints, number)},
            {tr("最多得点"), entry(book.MostGoals, number)},
            {tr("最少失点"), entry(book.FewestConceded, number)},
        });
        if (book.BiggestWin)
            rows.append({tr("最大の勝利"), SeasonText(book.BiggestWin->Season) + QLatin1Char(' ') +
                                               ResultLineText(book.BiggestWin->Result)});
        rows.append({
            {tr("最長無敗"),
             entry(book.LongestUnbeaten,
                   [](int64_t v) { return tr("%n試合", nullptr, static_cast<int>(v)); })},
            {tr("シーズン終了時の最高資金"), entry(book.HighestMoney, YenText)},
        });
    }
    FillCaptionValueRows(*FTable, rows);
    // Never taller than its rows: a page that grows gives the rest to what is beside it.
    FTable->resizeRowsToContents();
    setMaximumHeight(TableContentHeight(*FTable));
    updateGeometry();
}

QSize TRecordsBookView::sizeHint() const {
    // Room for a scroll bar too, for when the page is shorter than the book.
    return {TableContentWidth(*FTable) +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FTable),
            TableContentHeight(*FTable)};
}
