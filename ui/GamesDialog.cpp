#include "GamesDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChallengeWords.h"
#include "ReportWords.h"
#include "WindowWords.h"
#include "ZnDialogs.h"
#include "ZnFileName.h"
#include "ZnLockFile.h"

namespace {

QString FileText(const std::string& path) {
    return DecodeFileName(QByteArray::fromStdString(path));
}

} // namespace

TGamesDialog::TGamesDialog(std::vector<TZnKeptGame> games, std::optional<TZnGameId> current,
                           TZnDialogs& dialogs, QWidget* parent)
    : QDialog(parent), Games(std::move(games)), Current(current), Dialogs(dialogs) {
    setObjectName(QStringLiteral("GamesDialog"));
    setWindowTitle(tr("ゲーム一覧"));
    QStringList captions = {tr("挑戦"), tr("節"), tr("優勝"), tr("最後に遊んだ日時")};
    // The engine's words where the game has them.
    captions.insert(1, QCoreApplication::translate("GameWords", "シーズン"));
    captions.insert(3, QCoreApplication::translate("GameWords", "順位"));
    captions.insert(5, QCoreApplication::translate("GameWords", "資金"));
    List = NewReportTable(QStringLiteral("TableGames"), tr("ゲーム一覧"), captions);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* buttons = new QDialogButtonBox(this);
    ContinueButton = buttons->addButton(tr("続ける"), QDialogButtonBox::AcceptRole);
    ContinueButton->setObjectName(QStringLiteral("GamesContinue"));
    RemoveButton = buttons->addButton(tr("削除"), QDialogButtonBox::ActionRole);
    RemoveButton->setObjectName(QStringLiteral("GamesRemove"));
    RemoveButton->setAutoDefault(false);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(RemoveButton, &QPushButton::clicked, this, &TGamesDialog::Remove);
    connect(List, &QTableWidget::itemSelectionChanged, this, &TGamesDialog::SelectionChanged);
    connect(List, &QTableWidget::cellActivated, this, [this] {
        if (ContinueButton->isEnabled())
            accept();
    });
    auto* note = new QLabel(Games.empty() ? tr("まだ残っているゲームはありません。")
                                          : tr("Enter またはダブルクリックで続きから遊びます。"),
                            this);
    note->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(List, 1);
    layout->addWidget(buttons);
    ensurePolished();
    Fill();
    List->horizontalHeader()->setStretchLastSection(false);
    List->resizeColumnsToContents();
    List->setMinimumWidth(List->horizontalHeader()->length() + 2 * List->frameWidth() +
                          List->verticalScrollBar()->sizeHint().width());
    if (!Games.empty())
        List->selectRow(0);
    SelectionChanged();
    List->setFocus();
}

void TGamesDialog::Fill() {
    const TRowSizingHeld held(*List);
    List->setRowCount(static_cast<int>(Games.size()));
    for (int row = 0; row < static_cast<int>(Games.size()); ++row) {
        const TZnKeptGame& game = Games[static_cast<size_t>(row)];
        QStringList cells;
        if (game.Readable) {
            const QString setup = TChallengeWords::Setup({game.Code, game.Difficulty});
            const QDateTime played =
                QDateTime::fromMSecsSinceEpoch(game.LastPlayedNs / 1'000'000, Qt::UTC)
                    .toLocalTime();
            cells = {setup.isEmpty() ? TChallengeWords::Difficulty(game.Difficulty) : setup,
                     SeasonText(game.Season),
                     QString::number(game.Matchday),
                     tr("%1位").arg(game.Rank + 1),
                     QString::number(game.Titles),
                     WindowMoney(game.Money),
                     QLocale().toString(played, QLocale::ShortFormat)};
        } else {
            cells = {tr("読み込めません: %1").arg(QString::fromLocal8Bit(game.Error.c_str()))};
        }
        for (int column = 0; column < List->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(column < cells.size() ? cells[column] : QString());
            item->setToolTip(FileText(game.Folder));
            List->setItem(row, column, item);
        }
        if (!game.Readable)
            List->setSpan(row, 0, 1, List->columnCount());
    }
}

const TZnKeptGame* TGamesDialog::Selected() const {
    const int row = List->currentRow();
    if (row < 0 || row >= static_cast<int>(Games.size()) || List->selectedItems().isEmpty())
        return nullptr;
    return &Games[static_cast<size_t>(row)];
}

void TGamesDialog::SelectionChanged() {
    const TZnKeptGame* game = Selected();
    ContinueButton->setEnabled(game != nullptr && game->Readable);
    RemoveButton->setEnabled(game != nullptr && game->Id != Current);
}

std::optional<TZnGameId> TGamesDialog::Chosen() const {
    const TZnKeptGame* game = Selected();
    if (game == nullptr || !game->Readable)
        return std::nullopt;
    return game->Id;
}

void TGamesDialog::Remove() {
    const TZnKeptGame* game = Selected();
    if (game == nullptr || game->Id == Current)
        return;
    const QString folder = FileText(game->Folder);
    const auto answer =
        Dialogs.MessageBox(tr("このゲームの自動保存をごみ箱に移します。よろしいですか？") +
                               QStringLiteral("\r\n") + folder,
                           tr("確認"), QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
                           QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    // Held while the folder moves, so that no copy starts writing into it meanwhile.
    TZnLockFile lock(folder + QStringLiteral("/.lock"));
    QString error;
    if (lock.TryLock() == TZnLockFile::TResult::Held)
        error = tr("ほかのゴールランが遊んでいるゲームは削除できません。");
    else if (!QFile::moveToTrash(folder))
        error = tr("ごみ箱に移せませんでした。");
    if (!error.isEmpty()) {
        Dialogs.MessageBox(folder + QStringLiteral("\r\n") + error, tr("エラー"),
                           QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    const int row = List->currentRow();
    Games.erase(Games.begin() + row);
    List->removeRow(row);
    SelectionChanged();
}
