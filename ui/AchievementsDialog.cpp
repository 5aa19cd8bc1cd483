#include "AchievementsDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChallengeWords.h"
#include "ReportWords.h"

TAchievementsDialog::TAchievementsDialog(std::span<const TZnEarnedAchievement> earned,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AchievementsDialog"));
    setWindowTitle(tr("実績"));
    FTable = NewReportTable(QStringLiteral("TableAchievements"), tr("実績"),
                            {tr("実績"), tr("条件"), tr("達成")});
    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("AchievementsSummary"));
    summary->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(FTable, 1);
    layout->addWidget(buttons);
    // Measured once the table is in the dialog, styled and with the dialog's font.
    ensurePolished();
    const int count = Fill(earned);
    summary->setText(tr("%1 / %2 を達成").arg(count).arg(AllAchievements().size()));
    // The dialog opens wide and high enough to show every column and row whole.
    FTable->horizontalHeader()->setStretchLastSection(false);
    FTable->resizeColumnsToContents();
    FTable->setMinimumWidth(FTable->horizontalHeader()->length() + 2 * FTable->frameWidth());
    FitTableHeight(*FTable);
    // Never narrower than its columns nor lower than its rows, the table needs no scroll bar.
    FTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(sizeHint());
}

int TAchievementsDialog::Fill(std::span<const TZnEarnedAchievement> earned) {
    const auto all = AllAchievements();
    const TRowSizingHeld held(*FTable);
    FTable->setRowCount(static_cast<int>(all.size()));
    int count = 0;
    for (const TZnAchievementId id : all) {
        const auto e = std::find_if(earned.begin(), earned.end(),
                                    [&](const TZnEarnedAchievement& a) { return a.Id == id; });
        QString when = tr("未達成");
        if (e != earned.end()) {
            ++count;
            // "2026-12-07 3季目 難しい・挑戦コード SAKURA26"; 普通 named when it stands alone.
            const QString setup = TChallengeWords::Setup({e->Code, e->Difficulty});
            when = QStringLiteral("%1 %2 %3")
                       .arg(QString::fromStdString(e->Date), SeasonText(e->Season),
                            setup.isEmpty() ? TChallengeWords::Difficulty(e->Difficulty) : setup);
        }
        const int row = static_cast<int>(id);
        const QString cells[] = {TChallengeWords::Name(id), TChallengeWords::Condition(id), when};
        for (int column = 0; column < 3; ++column)
            FTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    return count;
}
