#include "NewGameDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChallengeWords.h"

namespace {

// The words a player types for a drawn code, in either language.
bool AsksForRandom(const QString& text) {
    return text == TNewGameDialog::tr("ランダム") || text == QStringLiteral("ランダム") ||
           text.compare(QStringLiteral("random"), Qt::CaseInsensitive) == 0;
}

} // namespace

TNewGameDialog::TNewGameDialog(QWidget* parent)
    : QDialog(parent), FCode(new QLineEdit(this)), FDifficulty(new QComboBox(this)),
      FError(new QLabel(this)) {
    setObjectName(QStringLiteral("NewGameDialog"));
    setWindowTitle(tr("ニューゲーム"));
    FCode->setObjectName(QStringLiteral("ChallengeCodeEdit"));
    FCode->setMaxLength(64);
    FCode->setPlaceholderText(tr("空欄ならコードなし"));
    auto* random = new QPushButton(tr("ランダム(&R)"), this);
    random->setObjectName(QStringLiteral("ChallengeCodeRandom"));
    random->setAutoDefault(false);
    connect(random, &QPushButton::clicked, this, [this] {
        FCode->setText(QString::fromStdString(TZnChallengeCode::Draw().Text()));
        FError->hide();
    });
    FDifficulty->setObjectName(QStringLiteral("DifficultyBox"));
    for (const auto difficulty : {TZnDifficulty::Easy, TZnDifficulty::Normal, TZnDifficulty::Hard})
        FDifficulty->addItem(TChallengeWords::Difficulty(difficulty), static_cast<int>(difficulty));
    FDifficulty->setCurrentIndex(static_cast<int>(TZnDifficulty::Normal));
    FError->setObjectName(QStringLiteral("NewGameError"));
    FError->setTextFormat(Qt::PlainText);
    FError->setWordWrap(true);
    FError->hide();

    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(FCode, 1);
    codeRow->addWidget(random);
    auto* form = new QFormLayout;
    auto* codeLabel = new QLabel(tr("挑戦コード(&C):"), this);
    codeLabel->setBuddy(FCode);
    auto* difficultyLabel = new QLabel(tr("難易度(&D):"), this);
    difficultyLabel->setBuddy(FDifficulty);
    form->addRow(codeLabel, codeRow);
    form->addRow(difficultyLabel, FDifficulty);
    auto* note =
        new QLabel(tr("同じコードと同じ采配なら、同じシーズンになります。実績は普通と難しいで"
                      "だけ得られます。"),
                   this);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TNewGameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TNewGameDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(FError);
    layout->addWidget(buttons);
}

std::optional<TZnGameSetup> TNewGameDialog::Setup() const {
    TZnGameSetup setup;
    setup.Difficulty = static_cast<TZnDifficulty>(FDifficulty->currentData().toInt());
    const QString text = FCode->text().trimmed();
    if (AsksForRandom(text)) {
        setup.Code = TZnChallengeCode::Draw();
    } else if (!text.isEmpty()) {
        try {
            setup.Code = TZnChallengeCode::Parse(text.toStdString());
        } catch (const EZnChallengeCode&) {
            return std::nullopt;
        }
    }
    return setup;
}

void TNewGameDialog::accept() {
    // The code drawn is the one the player sees and the game gets.
    if (AsksForRandom(FCode->text().trimmed()))
        FCode->setText(QString::fromStdString(TZnChallengeCode::Draw().Text()));
    if (Setup()) {
        QDialog::accept();
        return;
    }
    FError->setText(tr("挑戦コードは %1 の8文字です（0, 1, I, L, O は使いません）。")
                        .arg(QString::fromLatin1(ChallengeAlphabet.data(),
                                                 static_cast<int>(ChallengeAlphabet.size()))));
    FError->show();
    FCode->setFocus();
    FCode->selectAll();
}
