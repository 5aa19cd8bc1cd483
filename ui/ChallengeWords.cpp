#include "ChallengeWords.h"

#include "GamePage.h"
#include "WindowWords.h"
#include "ZnWording.h"

QString TChallengeWords::Difficulty(TZnDifficulty difficulty) {
    return FromView(WindowWording().Difficulties.at(static_cast<size_t>(difficulty)));
}

QString TChallengeWords::Name(TZnAchievementId id) {
    return FromView(WindowWording().AchievementNames.at(static_cast<size_t>(id)));
}

QString TChallengeWords::Condition(TZnAchievementId id) {
    return FromView(WindowWording().AchievementConditions.at(static_cast<size_t>(id)));
}

QString TChallengeWords::Setup(const TZnGameSetup& setup) {
    if (setup == TZnGameSetup{})
        return {};
    QString text = Difficulty(setup.Difficulty);
    if (setup.Code)
        text = tr("%1・挑戦コード %2").arg(text, QString::fromStdString(setup.Code->Text()));
    return text;
}

QString TChallengeWords::SetupCaption() {
    return tr("挑戦");
}

QString TChallengeWords::Earned(TZnAchievementId id) {
    return tr("実績「%1」を達成しました。").arg(Name(id));
}

QString TChallengeWords::NotKept(const QString& reason) {
    return tr("（実績のファイルに書けません: %1）").arg(reason);
}

QString TChallengeWords::AchievementsAction() {
    return tr("実績(&E)");
}

QString TChallengeWords::AchievementsTip() {
    return tr("実績の一覧を、達成したものもまだのものも見ます。");
}

QString TChallengeWords::CopyCodeAction() {
    return tr("挑戦コードをコピー(&C)");
}

QString TChallengeWords::CopyCodeTip() {
    return tr("このゲームの挑戦コードをクリップボードにコピーします。");
}

QString TChallengeWords::CodeCopied(const QString& code) {
    return tr("挑戦コード %1 をコピーしました。").arg(code);
}
