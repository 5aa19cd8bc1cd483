#pragma once

#include <optional>

#include <QDialog>

#include "GameChallenge.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The small box after the new-game question: an optional challenge code (empty for none,
// "ランダム" or the button for a drawn one) and the difficulty, 普通 chosen. OK with a text that
// is not a code keeps the box open and says why beside the box.
class TNewGameDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNewGameDialog(QWidget* parent = nullptr);

    // What the box holds: nothing while its code text is neither empty, "ランダム" nor a code.
    // "ランダム" draws a code at each call.
    [[nodiscard]] std::optional<TZnGameSetup> Setup() const;

    void accept() override;

private:
    QLineEdit* FCode;
    QComboBox* FDifficulty;
    QLabel* FError;
};
