#pragma once

// The player's kept games (ロード → ゲーム一覧…): every game of the library, the one played last
// first, with its code and difficulty, season, matchday, rank, titles, funds and when it was last
// played; a game none of whose autosaves can be read shows why. Enter or a double-click
// continues the chosen game; 削除 moves a game's folder to the desktop's trash after a question.
// The game this copy plays, and one another copy plays, cannot be removed.

#include <optional>
#include <vector>

#include <QDialog>

#include "GameLibrary.h"

class QPushButton;
class QTableWidget;
class TZnDialogs;

class TGamesDialog : public QDialog {
    Q_OBJECT
public:
    // `current`: the game this copy plays. Questions and errors go through `dialogs`.
    TGamesDialog(std::vector<TZnKeptGame> games, std::optional<TZnGameId> current,
                 TZnDialogs& dialogs, QWidget* parent = nullptr);

    // The game chosen to continue, for a box that was accepted.
    [[nodiscard]] std::optional<TZnGameId> Chosen() const;

private:
    void Fill();
    void SelectionChanged();
    void Remove();
    [[nodiscard]] const TZnKeptGame* Selected() const;

    std::vector<TZnKeptGame> Games;
    std::optional<TZnGameId> Current;
    TZnDialogs& Dialogs;
    QTableWidget* List;
    QPushButton* ContinueButton;
    QPushButton* RemoveButton;
};
