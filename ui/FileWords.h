#pragma once

// The window's words for files: why a load or a save failed, as the player reads it, and what a
// menu entry says of a save file.

#include <QCoreApplication>
#include <QString>

class QAction;
enum class TZnFileErrorReason;

class TFileWords {
    // The texts stand in the main window's context, where they have always been translated.
    Q_DECLARE_TR_FUNCTIONS(TFormMain)
public:
    [[nodiscard]] static QString Reason(TZnFileErrorReason reason);
    // What a menu entry's tips say of a save file: "3季目 第12節まで 5位 資金1億2000万円
    // (2026/12/07 10:31)", or that it cannot be read.
    [[nodiscard]] static QString Summary(const QString& path);
    // A file entry of a menu: `caption` and the summary of the file at `path` as its tips, or
    // `missingCaption` and "空き", enabled only when the file exists or `enableMissing`.
    static void SetFileEntry(QAction& entry, const QString& path, const QString& caption,
                             const QString& missingCaption, bool enableMissing);
    // Whether a regular file stands at `path`, after following links.
    [[nodiscard]] static bool IsFile(const QString& path);
};
