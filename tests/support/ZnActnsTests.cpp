// The standard actions, the about box, the path helpers and the scripted dialogs' busy pointer.

#include <stdexcept>

#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ZnAbout.h"
#include "ZnActns.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"
#include "ZnDialogs.h"
#include "ZnUtils.h"

class ZnActnsTests : public QObject {
    Q_OBJECT
private slots:
    void StandardActionsCarryTheirTexts();
    void HelpOpensThePageInTheApplicationFolder();
    void OpenFolderGivesTheSamePathWithOrWithoutDelimiter();
    void DesktopOpenerReportsAHandlerThatFails();
    void AboutBoxShowsNameVersionAndAddresses();
    void AboutLinksOpenHomePageAndMail();
    void ExitClosesTheOwningWindow();
    void FoldersEndWithOneDelimiter();
    void BusyPointerIsRestoredWhenAStepFails();
};

void ZnActnsTests::StandardActionsCarryTheirTexts() {
    QMainWindow window;
    TZnScriptedDialogs dialogs;
    TZnRecordingOpener opener;
    TZnViewHelpHtmlAction help(opener, &window);
    TZnAboutAction about(dialogs, opener, &window);
    TZnExitAction exit(&window);
    TZnOpenAppFolderAction folder(opener, &window);
    QCOMPARE(help.text(), QStringLiteral("ヘルプ(&H)"));
    QCOMPARE(help.toolTip(), QStringLiteral("ヘルプ"));
    QCOMPARE(help.statusTip(), QStringLiteral("ヘルプのHTMLを開きます。"));
    QCOMPARE(help.shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(about.text(), QStringLiteral("バージョン情報(&A)"));
    QCOMPARE(about.statusTip(), QStringLiteral("バージョン情報を表示します。"));
    QVERIFY(about.shortcut().isEmpty());
    QCOMPARE(exit.text(), QStringLiteral("終了(&X)"));
    QCOMPARE(exit.statusTip(), QStringLiteral("アプリケーションを終了します。"));
    QCOMPARE(folder.text(), QStringLiteral("アプリケーションのフォルダを開く(&O)"));
    QCOMPARE(folder.toolTip(), QStringLiteral("アプリケーションのフォルダを開く"));
    QCOMPARE(folder.statusTip(), QStringLiteral("アプリケーションのフォルダを開く"));
    for (TZnBaseAction* action :
         std::initializer_list<TZnBaseAction*>{&help, &about, &exit, &folder}) {
        QCOMPARE(action->property("Category").toString(), QStringLiteral("Vomera"));
        action->setEnabled(false);
        action->UpdateTarget();
        QVERIFY(action->isEnabled());
    }
}

void ZnActnsTests::HelpOpensThePageInTheApplicationFolder() {
    TZnRecordingOpener opener;
    TZnViewHelpHtmlAction help(opener, nullptr);
    QCOMPARE(help.Folder, AppFolder());
    help.FileName = QStringLiteral("goalrun_help.html");
    help.trigger();
    QCOMPARE(opener.Opened.size(), size_t{1});
    QCOMPARE(opener.Opened[0],
             QUrl::fromLocalFile(AppFolder() + QStringLiteral("goalrun_help.html")));
}

void ZnActnsTests::OpenFolderGivesTheSamePathWithOrWithoutDelimiter() {
    TZnRecordingOpener opener;
    OpenFolder(opener, QStringLiteral("/tmp/goalrun"));
    OpenFolder(opener, QStringLiteral("/tmp/goalrun/"));
    QCOMPARE(opener.Opened.size(), size_t{2});
    QCOMPARE(opener.Opened[0], opener.Opened[1]);
    QCOMPARE(opener.Opened[0], QUrl::fromLocalFile(QStringLiteral("/tmp/goalrun/")));
    TZnOpenAppFolderAction action(opener, nullptr);
    action.trigger();
    QCOMPARE(opener.Opened.back(), QUrl::fromLocalFile(AppFolder()));
}

void ZnActnsTests::DesktopOpenerReportsAHandlerThatFails() {
    // Stand-ins for the desktop's opener: one without a handler (as on a plain machine), one
    // that opens.
    QTemporaryDir folder;
    for (const auto& [exitStatus, fails] : {std::pair{3, true}, std::pair{0, false}}) {
        const QString program = folder.filePath(QStringLiteral("open%1").arg(exitStatus));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"$0.ran\"\nexit " + QByteArray::number(exitStatus) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        TZnDesktopOpener opener(program);
        bool failed = false;
        QVERIFY(opener.OpenUrl(QUrl::fromLocalFile(folder.path()), [&failed] { failed = true; }));
        QTRY_VERIFY(QFile::exists(program + QStringLiteral(".ran")));
        QTest::qWait(200); // its exit status arrives
        QCOMPARE(failed, fails);
    }
}

void ZnActnsTests::AboutBoxShowsNameVersionAndAddresses() {
    TZnScriptedDialogs dialogs;
    TZnRecordingOpener opener;
    TZnAboutAction about(dialogs, opener, nullptr);
    about.ApplicationName = QStringLiteral("ゴールラン");
    about.ApplicationVer = QStringLiteral("1.00");
    about.CopyrightInfo = QStringLiteral("Copyright © 2026 Vomera");
    QString caption, product, copyright, memo, url, email;
    int shown = 0;
    bool readOnly = false;
    bool okDefault = false;
    bool fixedSize = false;
    int iconGap = -1;
    dialogs.OnExecDialog = [&](QDialog& dialog) {
        auto& box = static_cast<TZnAboutBox&>(dialog);
        ++shown;
        box.show();
        fixedSize =
            box.minimumSize() == box.maximumSize() && box.size() == box.minimumSize() &&
            !(box.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
        iconGap = box.ProductName->x() - box.ProgramIcon->geometry().right();
        box.hide();
        caption = box.windowTitle();
        product = box.ProductName->text();
        copyright = box.Copyright->text();
        memo = box.Memo1->toPlainText();
        url = box.Url->text();
        email = box.Email->text();
        readOnly = box.Memo1->isReadOnly();
        okDefault = box.OKButton->isDefault();
        return int(QDialog::Accepted);
    };
    about.trigger();
    QCOMPARE(shown, 1);
    QVERIFY(readOnly);
    QVERIFY(okDefault);
    QVERIFY(fixedSize);
    QVERIFY2(iconGap > 0 && iconGap <= 20, qPrintable(QString::number(iconGap)));
    QCOMPARE(caption, QStringLiteral("ゴールラン のバージョン情報"));
    QCOMPARE(product, QStringLiteral("ゴールラン  Version 1.00"));
    QCOMPARE(copyright, QStringLiteral("Copyright © 2026 Vomera"));
    QCOMPARE(url, QStringLiteral("https://vomera.example/"));
    QVERIFY(email.endsWith(QStringLiteral("@vomera.example")));
    QCOMPARE(memo, url + QLatin1Char('\n') + email + QLatin1Char('\n'));

    about.Comment = QStringList({QStringLiteral("一行目"), QStringLiteral("二行目")});
    about.trigger();
    QCOMPARE(shown, 2);
    QCOMPARE(memo, url + QLatin1Char('\n') + email + QStringLiteral("\n\n一行目\n二行目"));
}

void ZnActnsTests::AboutLinksOpenHomePageAndMail() {
    TZnRecordingOpener opener;
    TZnAboutBox box(opener);
    QTest::mouseClick(box.Url, Qt::LeftButton);
    QTest::mouseClick(box.Email, Qt::LeftButton);
    QCOMPARE(opener.Opened.size(), size_t{2});
    QCOMPARE(opener.Opened[0], QUrl(QStringLiteral("https://vomera.example/")));
    QCOMPARE(opener.Opened[1], QUrl(QStringLiteral("mailto:") + box.Email->text()));
    QCOMPARE(box.Url->toolTip(), QStringLiteral("ホームページ"));
    QCOMPARE(box.Email->toolTip(), QStringLiteral("メール"));
    QCOMPARE(box.Url->cursor().shape(), Qt::PointingHandCursor);
}

void ZnActnsTests::ExitClosesTheOwningWindow() {
    QMainWindow window;
    TZnExitAction exit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    exit.trigger();
    QVERIFY(!window.isVisible());
}

void ZnActnsTests::FoldersEndWithOneDelimiter() {
    QVERIFY(AppFolder().endsWith(QLatin1Char('/')));
    QVERIFY(!AppFolder().endsWith(QStringLiteral("//")));
    QCOMPARE(SaveDataFolder(), AppFolder() + QStringLiteral("savedata/"));
    const QTemporaryDir app;
    QCOMPARE(SaveDataFolder(app.path()), app.path() + QStringLiteral("/savedata/"));
    QCOMPARE(SaveDataFolder(app.path() + QLatin1Char('/')),
             app.path() + QStringLiteral("/savedata/"));
}

void ZnActnsTests::BusyPointerIsRestoredWhenAStepFails() {
    TZnScriptedDialogs dialogs;
    try {
        const TZnBusyCursor busy = dialogs.Busy();
        QCOMPARE(dialogs.BusyDepth, 1);
        throw std::runtime_error("step failed");
    } catch (const std::runtime_error&) {
    }
    QCOMPARE(dialogs.BusyDepth, 0);
    QCOMPARE(dialogs.BusyCount, 1);
}

QTEST_MAIN(ZnActnsTests)
#include "ZnActnsTests.moc"
