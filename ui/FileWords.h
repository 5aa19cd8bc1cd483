#pragma once

// The window's words for files: why a load or a save failed, as the player reads it.

#include <QCoreApplication>
#include <QString>

enum class TZnFileErrorReason;

class TFileWords {
    // The texts stand in the main window's context, where they have always been translated.
    Q_DECLARE_TR_FUNCTIONS(TFormMain)
public:
    [[nodiscard]] static QString Reason(TZnFileErrorReason reason);
};
