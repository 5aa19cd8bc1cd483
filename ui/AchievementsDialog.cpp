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
    const auto all = AllAchievements();
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
    FTable->resizeColumnsToContents();
    FTable->resizeRowsToContents();
    auto* summary = new QLabel(tr("%1 / %2 を達成").arg(count).arg(all.size()), this);
    summary->setObjectName(QStringLiteral("AchievementsSummary"));
    summary->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(FTable, 1);
    layout->addWidget(buttons);
    resize(FTable->horizontalHeader()->length() + 48, sizeHint().height());
}
