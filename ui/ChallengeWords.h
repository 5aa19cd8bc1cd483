#pragma once

// The window's words for challenge codes, difficulties and achievements, in the window's
// language: the game's names from the words tables (WindowWording), the window's own sentences
// through tr() in this one context.

#include <QCoreApplication>
#include <QString>

#include "GameAchievements.h"
#include "GameChallenge.h"

class TChallengeWords {
    Q_DECLARE_TR_FUNCTIONS(TChallengeWords)
public:
    [[nodiscard]] static QString Difficulty(TZnDifficulty difficulty);
    [[nodiscard]] static QString Name(TZnAchievementId id);
    [[nodiscard]] static QString Condition(TZnAchievementId id);
    // "難しい・挑戦コード SAKURA26", "易しい"; empty for a game without a code at 普通, which is
    // the game as it always was and shows nothing of it.
    [[nodiscard]] static QString Setup(const TZnGameSetup& setup);
    // The caption of the code and difficulty where a view lists them: "挑戦".
    [[nodiscard]] static QString SetupCaption();
    // The status bar's note of an achievement just earned.
    [[nodiscard]] static QString Earned(TZnAchievementId id);
    // Beside it when the player's file could not keep it, with the reason.
    [[nodiscard]] static QString NotKept(const QString& reason);
    // The window's two commands: caption and status tip each.
    [[nodiscard]] static QString AchievementsAction();
    [[nodiscard]] static QString AchievementsTip();
    [[nodiscard]] static QString CopyCodeAction();
    [[nodiscard]] static QString CopyCodeTip();
    // The status bar's note once the code is on the clipboard.
    [[nodiscard]] static QString CodeCopied(const QString& code);
};
