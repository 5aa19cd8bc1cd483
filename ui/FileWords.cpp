#include "FileWords.h"

#include <exception>
#include <sys/stat.h>

#include <QAction>
#include <QDateTime>
#include <QFileInfo>

#include "GameGoalrun.h"
#include "GamePage.h"
#include "GameSaveData.h"
#include "GameSaveFile.h"
#include "WindowWords.h"
#include "ZnFileName.h"
#include "ZnWording.h"

QString TFileWords::Reason(TZnFileErrorReason reason) {
    switch (reason) {
    case TZnFileErrorReason::BadName:
        return tr("ファイル名が正しくありません。");
    case TZnFileErrorReason::NotFound:
        return tr("ファイルまたはフォルダが見つかりません。");
    case TZnFileErrorReason::NoPermission:
        return tr("アクセスする権限がありません。");
    case TZnFileErrorReason::ReadOnly:
        return tr("読み取り専用の場所です。");
    case TZnFileErrorReason::NoSpace:
        return tr("ディスクの空き容量が足りません。");
    case TZnFileErrorReason::NotRegularFile:
        return tr("通常のファイルではありません。");
    case TZnFileErrorReason::NotFolder:
        return tr("フォルダではありません。");
    case TZnFileErrorReason::NotSaveFile:
        return tr("このゲームのセーブファイルではありません。");
    case TZnFileErrorReason::TooShort:
        return tr("ファイルが短すぎます。");
    case TZnFileErrorReason::Damaged:
        return tr("セーブデータの記録が壊れています。");
    case TZnFileErrorReason::SystemError:
        break;
    }
    return tr("ファイルの読み書きでエラーが発生しました。");
}

bool TFileWords::IsFile(const QString& path) {
    struct stat status {};
    return ::stat(EncodeFileName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

// What a slot entry's tips say of a save file: "3季目 第12節まで 5位 資金1億2000万円
// (2026/12/07 10:31)". Only the file's fixed image is read (the records after it, up to 700 KB
// of a long career, say nothing a tip shows), by the game's own loader into a game of its own,
// so the running game is untouched and an image it would refuse says so.
QString TFileWords::Summary(const QString& path) {
    const QString date =
        QFileInfo(path).lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    TZnGameGoalrun game(KeepSeedSource());
    try {
        game.LoadFromStream(ReadRegularFile(EncodeFileName(path).toStdString(), SaveImageSize));
    } catch (const std::exception&) {
        return tr("読み込めないファイル (%1)").arg(date);
    }
    // A file keeps no finished flag: a season over with the player first is the title.
    const bool title = game.Matchday == MatchdayCount && game.MyClub().Rank == 0;
    const QString matchday = title                ? tr("優勝")
                             : game.Matchday == 0 ? tr("開幕前")
                                                  : tr("第%1節まで").arg(game.Matchday);
    const QString summary =
        tr("%1 %2 %3位 資金%4")
            .arg(QString::fromStdString(SeasonName(WindowWording(), game.Season)), matchday)
            .arg(int64_t{game.MyClub().Rank} + 1)
            .arg(WindowMoney(game.Coach().Money));
    return QStringLiteral("%1 (%2)").arg(summary, date);
}

void TFileWords::SetFileEntry(QAction& entry, const QString& path, const QString& caption,
                              const QString& missingCaption, bool enableMissing) {
    const bool exists = IsFile(path);
    entry.setText(exists ? caption : missingCaption);
    const QString tip = exists ? Summary(path) : tr("空き");
    entry.setToolTip(tip);
    entry.setStatusTip(tip);
    entry.setEnabled(exists || enableMissing);
}
