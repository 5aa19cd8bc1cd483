#pragma once

// A main window on a fixed seed, with scripted dialogs, a recording opener and its own
// application folder, so every test controls the name file and no real dialog is ever shown.
// Tests reach the window's controls by their names, as the player reaches them by sight.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "GameViewText.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"
#include "ZnDialogs.h"
#include "ZnListView.h"
#include "ZnUtils.h"

// Counts the layout requests a widget receives: a change that asks for no other room lays out
// nothing above it.
struct TLayoutRequests : QObject {
    explicit TLayoutRequests(QWidget& widget) { widget.installEventFilter(this); }
    int Count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        Count += event->type() == QEvent::LayoutRequest;
        return false;
    }
    // Lets every layout request be handed on up to the window, each in a turn of the event loop.
    static void Settle() { QTest::qWait(50); }
};

struct TWindowRig {
    QTemporaryDir Folder;
    TZnGameGoalrun Game{KeepSeedSource()};
    TZnScriptedDialogs Dialogs;
    TZnRecordingOpener Opener;
    std::unique_ptr<TFormMain> Window;

    // `nameFile`: the bytes of TeamNameList.txt, or no file when null. The window's settings
    // live in `settingsFolder` (the rig's own folder when empty), never in the user's.
    // `beforeShow` is handed the window before its first show, as the program's start does.
    explicit TWindowRig(uint32_t seed = 1, const QByteArray* nameFile = nullptr,
                        const QString& settingsFolder = {},
                        const std::function<void(TFormMain&)>& beforeShow = {}) {
        const QString settings = settingsFolder.isEmpty() ? Folder.path() : settingsFolder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings));
        Game.Random.Seed = seed;
        if (nameFile != nullptr) {
            QFile file(Folder.filePath(QStringLiteral("TeamNameList.txt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(*nameFile);
        }
        Window = std::make_unique<TFormMain>(Game, Dialogs, Opener, Folder.path());
        if (beforeShow)
            beforeShow(*Window);
        Window->show(); // the first show runs the first-activation work
    }

    TFormMain& W() { return *Window; }

    // The window's control or action named `name`, on a page not shown yet too (asking builds
    // the pages); a missing one ends the test program, since no check can go on without it.
    template <class T> T& Find(const QString& name) const {
        T* child = Window->findChild<T*>(name);
        for (int page = 0; child == nullptr && Window->Page(page) != nullptr; ++page)
            child = Window->findChild<T*>(name);
        if (child == nullptr) {
            qCritical("the window has no %s named %s", T::staticMetaObject.className(),
                      qPrintable(name));
            std::abort();
        }
        return *child;
    }
    QPushButton& Button(const QString& name) const { return Find<QPushButton>(name); }
    QAction& Action(const QString& name) const { return Find<QAction>(name); }
    TZnListView& List(const QString& name) const { return Find<TZnListView>(name); }
    QMenu& Menu(const QString& name) const { return Find<QMenu>(name); }
    // Entry `n` of the slot menu "MIDataLoad" or "MIDataSave".
    QAction& Slot(const char* menu, int n) const {
        return Action(QString::fromLatin1(menu) + QString::number(n));
    }
    QPlainTextEdit& Log() const { return Find<QPlainTextEdit>(QStringLiteral("RichEdit1")); }

    QStringList LogLines() const {
        return Log().toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // The club panel's caption and value in `row`.
    QString PanelCaption(TZnMyClubRow row) const { return Cell("ZLVMyClub", At(row), 0); }
    QString PanelValue(TZnMyClubRow row) const { return Cell("ZLVMyClub", At(row), 1); }
    // The cell of the league table's `row` (counted down the table) in `column`.
    QString TableCell(int row, TZnRankColumn column) const {
        return Cell("ZLVRankTable", row, At(column));
    }
    // The cell of the shown matchday's fixture `row` in `column`.
    QString FixtureCell(int row, TZnFixtureColumn column) const {
        return Cell("ZLVMatches", row, At(column));
    }
    // Shows the page of PageControl1 named `name`, as a click on its tab does.
    void ShowPage(const char* name) const {
        Find<QTabWidget>(QStringLiteral("PageControl1"))
            .setCurrentWidget(&Find<QWidget>(QString::fromLatin1(name)));
    }
    // The name of the page shown.
    QString PageShown() const {
        return Find<QTabWidget>(QStringLiteral("PageControl1")).currentWidget()->objectName();
    }
    void Play(int matchdays) {
        for (int i = 0; i < matchdays; ++i)
            Button(QStringLiteral("BtnGame")).click();
    }
    // Marks the game changed since its file, as the file command 新規 does before its question;
    // the question is answered with Cancel and forgotten.
    void MarkModified() {
        Dialogs.Answers = {QMessageBox::Cancel};
        Action(QStringLiteral("FileNewAct")).trigger();
        Dialogs.Shown.pop_back();
    }

private:
    template <class TId> static int At(TId id) { return static_cast<int>(ViewIndex(id)); }
    QString Cell(const char* list, int row, int column) const {
        return List(QString::fromLatin1(list)).CellText(row, column);
    }
};
