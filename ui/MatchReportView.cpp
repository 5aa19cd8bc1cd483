#include "MatchReportView.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "GameGoalrun.h"
#include "GameMatchRecord.h"
#include "GameOdds.h"
#include "GamePage.h"
#include "ReportWords.h"
#include "ZnWording.h"

namespace {

// The rows of the rounds table after the six rounds.
enum class TTotalRow { Chances = AttackRounds, Goals, Count };

QTableWidgetItem* RoundItem(TZnRound round) {
    static const QString shown[] = {QStringLiteral("－"), QStringLiteral("チャンス"),
                                    QStringLiteral("ゴール")};
    static const QString spoken[] = {QStringLiteral("チャンスなし"),
                                     QStringLiteral("チャンス、止められた"),
                                     QStringLiteral("ゴール")};
    auto* item = new QTableWidgetItem(shown[static_cast<int>(round)]);
    item->setData(Qt::AccessibleTextRole, spoken[static_cast<int>(round)]);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QTableWidgetItem* PlainItem(const QString& text, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

TMatchReportView::TMatchReportView(QWidget* parent)
    : QWidget(parent), FHeading(new QLabel(this)), FNote(new QLabel(this)) {
    setObjectName(QStringLiteral("MatchReportView"));
    FHeading->setObjectName(QStringLiteral("LabelReportHeading"));
    FHeading->setTextFormat(Qt::PlainText);
    FHeading->setWordWrap(true);
    FNote->setObjectName(QStringLiteral("LabelReportNote"));
    FNote->setTextFormat(Qt::PlainText);
    FNote->setWordWrap(true);
    FRounds = NewReportTable(QStringLiteral("TableReportRounds"), QStringLiteral("試合の流れ"),
                             {QStringLiteral("時間"), QString(), QString()});
    FRounds->setRowCount(static_cast<int>(TTotalRow::Count));
    for (int k = 0; k < AttackRounds; ++k)
        FRounds->setItem(k, 0,
                         PlainItem(QStringLiteral("%1–%2分").arg(15 * k + 1).arg(15 * k + 15)));
    FRounds->setItem(static_cast<int>(TTotalRow::Chances), 0,
                     PlainItem(QStringLiteral("チャンス計")));
    FRounds->setItem(static_cast<int>(TTotalRow::Goals), 0, PlainItem(QStringLiteral("得点")));
    FRounds->resizeColumnToContents(0);
    // The two clubs share the width.
    for (int side = 1; side <= 2; ++side)
        FRounds->horizontalHeader()->setSectionResizeMode(side, QHeaderView::Stretch);
    FDetails = NewReportTable(QStringLiteral("TableReportDetails"), QStringLiteral("試合の内容"),
                              {QStringLiteral("項目"), QStringLiteral("値")});
    for (QTableWidget* table : {FRounds, FDetails})
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The report scrolls as one page where the room is short.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(FHeading);
    column->addWidget(FNote);
    column->addWidget(FRounds);
    column->addWidget(FDetails);
    column->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollReport"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab reaches the rounds, then the details; the scrolling frame is no stop of its own.
    scroll->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(FRounds);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    FitTableHeight(*FRounds);
}

void TMatchReportView::ShowLatest(const TZnGameGoalrun& game) {
    if (game.Matchday == 0 || !ShowFixture(game, game.Matchday, 0)) {
        FHeading->setText(QStringLiteral("試合レポート: まだ試合がありません。"));
        FNote->hide();
        FRounds->hide();
        FDetails->hide();
    }
}

bool TMatchReportView::ShowFixture(const TZnGameGoalrun& game, int32_t matchday, int32_t fixture) {
    const auto report = MatchdayReport(game, matchday);
    if (!report || fixture < 0 || static_cast<size_t>(fixture) >= report->Fixtures.size())
        return false;
    const TZnFixtureReport& f = report->Fixtures[static_cast<size_t>(fixture)];
    const QString heading = QStringLiteral("第%1節 %2 %3 - %4 %5")
                                .arg(matchday)
                                .arg(FromView(f.HomeName))
                                .arg(f.HomeGoals)
                                .arg(f.AwayGoals)
                                .arg(FromView(f.AwayName));
    FHeading->setText(heading);
    FRounds->setAccessibleDescription(heading);
    FNote->setText(QStringLiteral("この試合の詳しい記録はありません。"));
    FNote->setVisible(!f.HasRounds);
    FRounds->setVisible(f.HasRounds);
    if (f.HasRounds)
        ShowRounds(f);
    const bool mine = fixture == 0 && report->Mine.has_value();
    FDetails->setVisible(mine);
    if (mine)
        ShowMine(*report->Mine);
    return true;
}

void TMatchReportView::ShowRounds(const TZnFixtureReport& f) {
    FRounds->setHorizontalHeaderLabels(
        {QStringLiteral("時間"), FromView(f.HomeName), FromView(f.AwayName)});
    for (int side = 0; side < 2; ++side) {
        const auto& rounds = side == 0 ? f.HomeRounds : f.AwayRounds;
        for (int k = 0; k < AttackRounds; ++k)
            FRounds->setItem(k, side + 1, RoundItem(rounds[static_cast<size_t>(k)]));
        FRounds->setItem(static_cast<int>(TTotalRow::Chances), side + 1,
                         PlainItem(QString::number(side == 0 ? f.HomeChances : f.AwayChances)));
        FRounds->setItem(static_cast<int>(TTotalRow::Goals), side + 1,
                         PlainItem(QString::number(side == 0 ? f.HomeGoals : f.AwayGoals)));
    }
    FitTableHeight(*FRounds);
}

void TMatchReportView::ShowMine(const TZnPlayerMatchReport& m) {
    FillCaptionValueRows(
        *FDetails,
        {{QStringLiteral("場所"), m.AtHome ? QStringLiteral("ホーム") : QStringLiteral("アウェイ")},
         {QStringLiteral("強化費"), YenText(m.BuildUp)},
         {QStringLiteral("強化の効果"),
          QStringLiteral("攻守+%1 (レベル%2)").arg(m.Added).arg(m.Level)},
         {QStringLiteral("戦力"), QStringLiteral("攻%1 守%2").arg(m.MyAttack).arg(m.MyDefense)},
         {QStringLiteral("相手の戦力"),
          QStringLiteral("攻%1 守%2").arg(m.OppAttack).arg(m.OppDefense)},
         {QStringLiteral("試合前の予想"), FromView(OddsText(Japanese(), m.Odds))},
         {QStringLiteral("結果"), FromView(Japanese().Outcomes.at(static_cast<size_t>(m.Result)))},
         {QStringLiteral("ボーナス"), YenText(m.Bonus)},
         {QStringLiteral("経験値"), QStringLiteral("+%1").arg(m.Experience)},
         {QStringLiteral("順位"),
          QStringLiteral("%1 → %2").arg(RankText(m.RankBefore), RankText(m.RankAfter))},
         {QStringLiteral("資金"), YenText(m.MoneyAfter)}});
    FitTableHeight(*FDetails);
}
