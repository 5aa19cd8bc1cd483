#include "MatchReportView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "GameGoalrun.h"
#include "GameMatchRecord.h"
#include "GameOdds.h"
#include "GamePage.h"
#include "ReportWords.h"
#include "WindowWords.h"
#include "ZnTabOrder.h"
#include "ZnTranslation.h"
#include "ZnWording.h"
#include "ZnWrapFrame.h"

namespace {

// The rows of the rounds table after the six rounds.
enum class TTotalRow { Chances = AttackRounds, Goals, Count };

void SetRoundCell(QTableWidget& table, int row, int column, TZnRound round) {
    static const char* const shown[] = {QT_TRANSLATE_NOOP("TMatchReportView", "－"),
                                        QT_TRANSLATE_NOOP("TMatchReportView", "チャンス"),
                                        QT_TRANSLATE_NOOP("TMatchReportView", "ゴール")};
    static const char* const spoken[] = {
        QT_TRANSLATE_NOOP("TMatchReportView", "チャンスなし"),
        QT_TRANSLATE_NOOP("TMatchReportView", "チャンス、止められた"),
        QT_TRANSLATE_NOOP("TMatchReportView", "ゴール")};
    SetReportCell(table, row, column, TMatchReportView::tr(shown[static_cast<int>(round)]),
                  Qt::AlignCenter, TMatchReportView::tr(spoken[static_cast<int>(round)]));
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
    // Names, captions and the rounds' times are set by Retranslate.
    FRounds = NewReportTable(QStringLiteral("TableReportRounds"), QString(),
                             {QString(), QString(), QString()});
    FRounds->setRowCount(static_cast<int>(TTotalRow::Count));
    // The two clubs share the width.
    for (int side = 1; side <= 2; ++side)
        FRounds->horizontalHeader()->setSectionResizeMode(side, QHeaderView::Stretch);
    FRounds->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The report scrolls as one page where the room is short.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    // A new matchday's heading is placed anew; the report is laid out again only when the
    // heading's height changes.
    column->addWidget(new TZnWrapFrame(FHeading));
    column->addWidget(FNote);
    column->addWidget(FRounds);
    column->addStretch(1);
    auto* scroll = FScroll = new QScrollArea;
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
    KeepTranslated(*this, [this] { Retranslate(); });
}

void TMatchReportView::Retranslate() {
    FRounds->setAccessibleName(tr("試合の流れ"));
    FRounds->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("時間")));
    for (int k = 0; k < AttackRounds; ++k)
        SetReportCell(*FRounds, k, 0, tr("%1–%2分").arg(15 * k + 1).arg(15 * k + 15),
                      Qt::AlignCenter);
    SetReportCell(*FRounds, static_cast<int>(TTotalRow::Chances), 0, tr("チャンス計"),
                  Qt::AlignCenter);
    SetReportCell(*FRounds, static_cast<int>(TTotalRow::Goals), 0, tr("得点"), Qt::AlignCenter);
    FRounds->resizeColumnToContents(0);
    FitTableHeight(*FRounds);
    if (FDetails != nullptr)
        RetranslateDetails();
}

void TMatchReportView::RetranslateDetails() {
    FDetails->setAccessibleName(tr("試合の内容"));
    FDetails->setHorizontalHeaderLabels({tr("項目"), tr("値")});
}

QTableWidget& TMatchReportView::Details() {
    if (FDetails == nullptr) {
        // Made for the first report of the player's own match, under the rounds, which Tab
        // reaches first.
        FDetails =
            NewReportTable(QStringLiteral("TableReportDetails"), QString(), {QString(), QString()});
        FDetails->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* column = static_cast<QVBoxLayout*>(FRounds->parentWidget()->layout());
        column->insertWidget(column->indexOf(FRounds) + 1, FDetails);
        PlaceTabStopsAfter(FRounds, *FDetails);
        RetranslateDetails();
    }
    return *FDetails;
}

void TMatchReportView::ShowLatest(const TZnGameGoalrun& game) {
    if (game.Matchday == 0 || !ShowFixture(game, game.Matchday, 0)) {
        FHeading->setText(tr("試合レポート: まだ試合がありません。"));
        FNote->hide();
        FRounds->hide();
        if (FDetails != nullptr)
            FDetails->hide();
    }
}

bool TMatchReportView::ShowFixture(const TZnGameGoalrun& game, int32_t matchday, int32_t fixture) {
    const auto report = MatchdayReport(game, matchday);
    if (!report || fixture < 0 || static_cast<size_t>(fixture) >= report->Fixtures.size())
        return false;
    const TZnFixtureReport& f = report->Fixtures[static_cast<size_t>(fixture)];
    const QString heading = tr("第%1節 %2 %3 - %4 %5")
                                .arg(matchday)
                                .arg(FromView(f.HomeName))
                                .arg(f.HomeGoals)
                                .arg(f.AwayGoals)
                                .arg(FromView(f.AwayName));
    FHeading->setText(heading);
    FRounds->setAccessibleDescription(heading);
    // Each report starts at its top, where the score stands.
    FScroll->verticalScrollBar()->setValue(0);
    FNote->setText(tr("この試合の詳しい記録はありません。"));
    FNote->setVisible(!f.HasRounds);
    FRounds->setVisible(f.HasRounds);
    if (f.HasRounds)
        ShowRounds(f);
    const bool mine = fixture == 0 && report->Mine.has_value();
    if (mine)
        ShowMine(*report->Mine);
    else if (FDetails != nullptr)
        FDetails->hide();
    return true;
}

void TMatchReportView::ShowRounds(const TZnFixtureReport& f) {
    {
        const TRowSizingHeld held(*FRounds);
        const QStringList captions{tr("時間"), FromView(f.HomeName), FromView(f.AwayName)};
        for (int c = 0; c < captions.size(); ++c) {
            // A caption that stays is neither measured nor painted again.
            if (QTableWidgetItem* caption = FRounds->horizontalHeaderItem(c))
                caption->setText(captions[c]);
            else
                FRounds->setHorizontalHeaderItem(c, new QTableWidgetItem(captions[c]));
        }
        // A new caption lays the table out again; done now, the matchday is painted once, not a
        // second time when the view's own timer comes.
        FRounds->doItemsLayout();
        for (int side = 0; side < 2; ++side) {
            const auto& rounds = side == 0 ? f.HomeRounds : f.AwayRounds;
            for (int k = 0; k < AttackRounds; ++k)
                SetRoundCell(*FRounds, k, side + 1, rounds[static_cast<size_t>(k)]);
            SetReportCell(*FRounds, static_cast<int>(TTotalRow::Chances), side + 1,
                          QString::number(side == 0 ? f.HomeChances : f.AwayChances),
                          Qt::AlignCenter);
            SetReportCell(*FRounds, static_cast<int>(TTotalRow::Goals), side + 1,
                          QString::number(side == 0 ? f.HomeGoals : f.AwayGoals), Qt::AlignCenter);
        }
    }
    // Measured once, after the sizing held for the fill is given back (which only asks for a
    // measure later, and this one answers).
    FitTableHeight(*FRounds);
}

void TMatchReportView::ShowMine(const TZnPlayerMatchReport& m) {
    FillCaptionValueRows(
        Details(),
        {{tr("場所"), m.AtHome ? QCoreApplication::translate("GameWords", "ホーム")
                               : QCoreApplication::translate("GameWords", "アウェイ")},
         {tr("強化費"), YenText(m.BuildUp)},
         {tr("強化の効果"), tr("攻守+%1 (レベル%2)").arg(m.Added).arg(m.Level)},
         {tr("戦力"), tr("攻%1 守%2").arg(m.MyAttack).arg(m.MyDefense)},
         {tr("相手の戦力"), tr("攻%1 守%2").arg(m.OppAttack).arg(m.OppDefense)},
         {tr("試合前の予想"), FromView(OddsText(WindowWording(), m.Odds))},
         {tr("結果"), FromView(WindowWording().Outcomes.at(static_cast<size_t>(m.Result)))},
         {tr("ボーナス"), YenText(m.Bonus)},
         {tr("経験値"), QStringLiteral("+%1").arg(m.Experience)},
         {QCoreApplication::translate("GameWords", "順位"),
          QStringLiteral("%1 → %2").arg(RankText(m.RankBefore), RankText(m.RankAfter))},
         {QCoreApplication::translate("GameWords", "資金"), YenText(m.MoneyAfter)}});
    FDetails->show();
    FitTableHeight(*FDetails);
}

QSize TMatchReportView::sizeHint() const {
    return {FRounds->sizeHint().width(),
            FHeading->sizeHint().height() + TableContentHeight(*FRounds) + 4};
}
