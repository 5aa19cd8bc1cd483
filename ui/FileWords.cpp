#include "FileWords.h"

#include "GameSaveData.h"

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
