#pragma once

// A main window on a fixed seed, with scripted dialogs, a recording opener and its own
// application folder, so every test controls the name file and no real dialog is ever shown.

#include <cstdint>
#include <memory>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "MessageLogEdit.h"
#include "ZnDialogs.h"
#include "ZnListView.h"
#include "ZnUtils.h"

struct TWindowRig {
    QTemporaryDir Folder;
    TZnGameGoalrun Game{KeepSeedSource()};
    TZnScriptedDialogs Dialogs;
    TZnRecordingOpener Opener;
    std::unique_ptr<TFormMain> Window;

    // `nameFile`: the bytes of TeamNameList.txt, or no file when null.
    explicit TWindowRig(uint32_t seed = 1, const QByteArray* nameFile = nullptr) {
        Game.Random.Seed = seed;
        if (nameFile != nullptr) {
            QFile file(Folder.filePath(QStringLiteral("TeamNameList.txt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(*nameFile);
        }
        Window = std::make_unique<TFormMain>(Game, Dialogs, Opener, Folder.path());
        Window->show(); // the first show runs the first-activation work
    }

    TFormMain& W() { return *Window; }
    QStringList LogLines() const {
        return Window->RichEdit1->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString Panel(int row) const { return Window->ZLVMyClub->CellText(row, 1); }
    void Play(int matchdays) {
        for (int i = 0; i < matchdays; ++i)
            Window->BtnGame->click();
    }
};
