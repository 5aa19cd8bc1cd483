#include <optional>

#include <unistd.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "ConstsGoalrun.h"
#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "SingleCopy.h"
#include "X11Activation.h"
#include "ZnCopyData.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"
#include "ZnDialogs.h"
#include "ZnSingleInstance.h"
#include "ZnTranslation.h"
#include "ZnUtils.h"

// The first copy is this test's window, wired as the program wires it; the second copy is the
// real program, started as a separate process.
class SingleCopyTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void CommandLineFileOpensAfterTheNewGame();
    void OnlyIdentifierOneWithAPathOpensAFile();
    void SecondCopyHandsItsFileToTheFirstAndEnds();
    void SecondCopySaysWhyInTheWindowsLanguage();
    void OptionsAnswerAloneAndASecondCopyOnlyRaises();
    void WithoutADisplayItSaysSoInOneLineAndEnds_data();
    void WithoutADisplayItSaysSoInOneLineAndEnds();
    void UnguardedCopySaysSoInTheStatusBar();
    void KilledFirstCopyDoesNotBlockANewStart();
    void LeftoverWaylandNameLeavesOneCopyPerXDisplay();
    void HandOverDuringABoxWaitsForTheBoxAndItsCommand();
    void SecondCopyHandsOverANameThatIsNotUtf8();
    void RaiseRestoresTheWindowButKeepsItsBoxOnTop();
    void StartupIdTimeIsTheNumberAfterTime_data();
    void StartupIdTimeIsTheNumberAfterTime();

private:
    struct TFirstCopy {
        TZnGameGoalrun Game{KeepSeedSource()};
        TZnScriptedDialogs Dialogs;
        TZnRecordingOpener Opener;
        QTemporaryDir AppFolder;
        std::unique_ptr<TFormMain> Window;

        explicit TFirstCopy(const QString& commandLineFile = {}) {
            Window = std::make_unique<TFormMain>(Game, Dialogs, Opener, AppFolder.path());
            Window->SetCommandLineFile(commandLineFile);
            Window->show();
        }

        // Makes this window the first copy, wired as the program wires it.
        [[nodiscard]] bool ListenAsFirstCopy(TZnSingleInstance& instance) {
            if (instance.Claim() != TZnSingleInstance::TRole::First)
                return false;
            ConnectHandOvers(instance, *Window);
            return instance.Listen();
        }
    };

    // The program started has the test's display variables on the offscreen platform, or
    // only those of `display` ("NAME=value" each).
    QProcess* StartProgram(const QStringList& arguments,
                           const QString& program = QStringLiteral(GOALRUN_EXE),
                           const std::optional<QStringList>& display = std::nullopt);
    // An X server of one screen (Xvfb) for the test program's life: its display, empty when
    // none can be started.
    QString XServer();
    // A display that takes connections and never answers, as a stopped X server does.
    QString SilentDisplay();

    QTemporaryDir Work;
    QString SaveFile; // a game saved after seven matchdays
    QProcess Xvfb;
    QString XDisplay;
    QTcpServer Silent;
};

void SingleCopyTests::initTestCase() {
    QVERIFY(Work.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Work.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Work.path()));
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (int i = 0; i < 7; ++i)
        game.PlayMatchday();
    SaveFile = Work.filePath(QStringLiteral("handed over.sav"));
    game.SaveToFile(SaveFile.toStdString());
}

void SingleCopyTests::init() {
    // A private runtime folder per test, so no running game takes part.
    static int serial = 0;
    const QString runtime = Work.filePath(QStringLiteral("runtime%1").arg(++serial));
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

void SingleCopyTests::cleanupTestCase() {
    Xvfb.kill();
    Xvfb.waitForFinished();
}

QProcess* SingleCopyTests::StartProgram(const QStringList& arguments, const QString& program,
                                        const std::optional<QStringList>& display) {
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (display) {
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QString::fromLatin1(name));
        for (const QString& entry : *display)
            environment.insert(entry.section(QLatin1Char('='), 0, 0),
                               entry.section(QLatin1Char('='), 1));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Work.path()); // not the user's settings
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Work.path());   // nor the user's autosaves
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(Work.path());
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    return process;
}

QString SingleCopyTests::XServer() {
    if (Xvfb.state() == QProcess::NotRunning && XDisplay.isEmpty()) {
        // It picks a free display and names it on standard output once it takes connections.
        Xvfb.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("640x480x24")});
        while (Xvfb.waitForStarted(5000) && !Xvfb.canReadLine() && Xvfb.waitForReadyRead(20000)) {
        }
        if (Xvfb.canReadLine())
            XDisplay = QLatin1Char(':') + QString::fromLatin1(Xvfb.readLine().trimmed());
    }
    return XDisplay;
}

QString SingleCopyTests::SilentDisplay() {
    // X11 display N over TCP is port 6000 + N; the kernel completes each connection, and no
    // answer ever comes.
    for (quint16 n = 100; n < 200 && !Silent.isListening(); ++n)
        Silent.listen(QHostAddress::LocalHost, static_cast<quint16>(6000 + n));
    return QStringLiteral("127.0.0.1:%1").arg(Silent.serverPort() - 6000);
}

void SingleCopyTests::CommandLineFileOpensAfterTheNewGame() {
    TFirstCopy first(SaveFile);
    QTRY_COMPARE(first.Game.Matchday, 7);
    QVERIFY2(first.Window->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))
                 ->toPlainText()
                 .isEmpty(),
             "the load clears the opening messages of the new game");
    QCOMPARE(first.Window->FileState().OpenDialogFileName, SaveFile);

    TFirstCopy missing(Work.filePath(QStringLiteral("none.sav")));
    QVERIFY(QTest::qWaitForWindowExposed(missing.Window.get()));
    QCoreApplication::processEvents();
    QCOMPARE(missing.Game.Matchday, 0);
    QVERIFY2(missing.Dialogs.Shown.empty(), "a missing path is ignored silently");

    // A refused file's box stands over the window, which is on the screen by then.
    TFirstCopy refused(QCoreApplication::applicationFilePath());
    bool exposed = false;
    refused.Dialogs.OnMessageBox = [&](const TZnScriptedDialogs::TZnShownMessage&) {
        exposed = refused.Window->windowHandle()->isExposed();
    };
    QVERIFY(refused.Dialogs.Shown.empty());
    QTRY_COMPARE(refused.Dialogs.Shown.size(), size_t{1});
    QVERIFY(exposed);
}

void SingleCopyTests::OnlyIdentifierOneWithAPathOpensAFile() {
    TFirstCopy first;
    DeliverCopyData(first.Window.get(), 2, CopyDataBytes(SaveFile));
    QCOMPARE(first.Game.Matchday, 0);
    SendCopyData(first.Window.get(), QString(), CopyDataOpenPath);
    QCOMPARE(first.Game.Matchday, 0);
    SendCopyData(first.Window.get(), SaveFile, CopyDataOpenPath);
    QCOMPARE(first.Game.Matchday, 7);
}

void SingleCopyTests::SecondCopyHandsItsFileToTheFirstAndEnds() {
    TFirstCopy first;
    TZnSingleInstance instance;
    QVERIFY(first.ListenAsFirstCopy(instance));

    QProcess* second = StartProgram({SaveFile});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first.Game.Matchday, 7);
    QVERIFY(first.Window->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))
                ->toPlainText()
                .isEmpty());

    // After "--" a name that starts with '-' is a file, here one relative to the second's folder.
    QVERIFY(QFile::copy(SaveFile, Work.filePath(QStringLiteral("-dash.sav"))));
    first.Game.PlayMatchday();
    first.Dialogs.Answers = {QMessageBox::Ok}; // the matchday played may go
    second = StartProgram({QStringLiteral("--"), QStringLiteral("-dash.sav")});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first.Game.Matchday, 7);

    // A file the game refuses: the first copy shows its error box before the second ends.
    const QString broken = Work.filePath(QStringLiteral("broken.sav"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a save file");
    file.close();
    second = StartProgram({broken});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first.Dialogs.Shown.size(), size_t{2});
    QVERIFY(first.Dialogs.Shown.back().Text.startsWith(broken + QStringLiteral("\r\n")));
    QCOMPARE(first.Game.Matchday, 7);
}

// What a start says on standard error about the single-copy check is in the language the window
// would speak, the desktop's here: a second copy with a name longer than a hand-over takes, then
// a copy that runs unguarded, its lock path blocked.
void SingleCopyTests::SecondCopySaysWhyInTheWindowsLanguage() {
    const QString tooLong = Work.filePath(QString(70000, u'x'));
    const QString lock = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') +
                         TZnSingleInstance::SessionName(QStringLiteral("hVomeraGoalrun")) +
                         QStringLiteral(".lock");
    const struct {
        const char* Language;
        const char* Lang;
        QString HandOver;
        QString Unguarded;
    } cases[] = {
        {"", "C.UTF-8",
         QStringLiteral("goalrun: ファイル名が長すぎるため、起動中のゴールランに渡せません（"),
         QStringLiteral("goalrun: ロックファイル %1 を使えないため").arg(lock)},
        {"en", "en_US.UTF-8",
         QStringLiteral("goalrun: The file name is too long to hand to the running Goalrun ("),
         QStringLiteral("goalrun: The lock file %1 cannot be used").arg(lock)},
    };
    const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LANG"), qgetenv("LC_ALL")};
    for (const auto& c : cases) {
        qputenv("LANGUAGE", c.Language);
        qputenv("LANG", c.Lang);
        qunsetenv("LC_ALL");
        {
            TFirstCopy first;
            TZnSingleInstance instance;
            QVERIFY(first.ListenAsFirstCopy(instance));
            QProcess* second = StartProgram({tooLong});
            QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
            QCOMPARE(second->exitCode(), 1);
            const QString said = QString::fromLocal8Bit(second->readAllStandardError());
            QVERIFY2(said.startsWith(c.HandOver), qPrintable(said.left(200)));
        }
        QVERIFY(QDir().mkpath(lock + QStringLiteral("/in the way")));
        QProcess* unguarded = StartProgram({});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += unguarded->readAllStandardError()).contains('\n'), 20000);
        unguarded->kill();
        unguarded->waitForFinished();
        QVERIFY2(QString::fromLocal8Bit(said).startsWith(c.Unguarded), said.constData());
        QVERIFY(QDir(lock).removeRecursively());
    }
    qputenv("LANGUAGE", saved[0]);
    qputenv("LANG", saved[1]);
    qputenv("LC_ALL", saved[2]);
}

// --help, --version and a bad option are answered by the started program alone; without a file
// a second copy only raises the running window.
void SingleCopyTests::OptionsAnswerAloneAndASecondCopyOnlyRaises() {
    TFirstCopy first;
    first.Game.PlayMatchday();
    TZnSingleInstance instance;
    QVERIFY(first.ListenAsFirstCopy(instance));
    QSignalSpy raised(&instance, &TZnSingleInstance::raiseRequested);
    QSignalSpy copied(&instance, &TZnSingleInstance::copyDataReceived);
    const QByteArray version = QByteArray("goalrun ") + ProductVersion.data() + '\n';
    const struct {
        QStringList Arguments;
        int Status;
        QByteArray Out; // the start of standard output
        QByteArray Err; // the start of standard error
        int Raised;
    } cases[] = {
        {{QStringLiteral("--help"), SaveFile}, 0, "usage: goalrun ", "", 0},
        {{SaveFile, QStringLiteral("--version")}, 0, version, "", 0},
        {{QStringLiteral("--bogus"), SaveFile}, 2, "", "goalrun: unknown option '--bogus'\n", 0},
        {{}, 0, "", "", 1},
        {{QStringLiteral("--new-game")}, 0, "", "", 2}, // for the window, not the second copy
    };
    for (const auto& c : cases) {
        QProcess* program = StartProgram(c.Arguments);
        QTRY_COMPARE_WITH_TIMEOUT(program->state(), QProcess::NotRunning, 20000);
        QCOMPARE(program->exitCode(), c.Status);
        QVERIFY(program->readAllStandardOutput().startsWith(c.Out));
        QVERIFY(program->readAllStandardError().startsWith(c.Err));
        QCOMPARE(raised.size(), c.Raised);
    }
    QCOMPARE(copied.size(), 0);
    QCOMPARE(first.Game.Matchday, 1);
}

void SingleCopyTests::WithoutADisplayItSaysSoInOneLineAndEnds_data() {
    QTest::addColumn<QStringList>("display"); // {x}: a running X server, {silent}: a stopped one
    QTest::addColumn<QByteArray>("said");
    const QByteArray tail = "; goalrun-cli plays the game in a terminal\n";
    const QString noCompositor = QStringLiteral("WAYLAND_DISPLAY=goalrun-none-0");
    QTest::newRow("none") << QStringList() << "goalrun: no display found" + tail;
    QTest::newRow("not answering") << QStringList{QStringLiteral("DISPLAY=:987")}
                                   << "goalrun: cannot open display :987" + tail;
    QTest::newRow("not answering, X11 asked for")
        << QStringList{QStringLiteral("DISPLAY=unix/:987\n"), QStringLiteral("QT_QPA_PLATFORM=xcb")}
        << "goalrun: cannot open display unix/:987?" + tail;
    QTest::newRow("stopped") << QStringList{QStringLiteral("DISPLAY={silent}")}
                             << "goalrun: display {silent} does not answer" + tail;
    QTest::newRow("no such screen") << QStringList{QStringLiteral("DISPLAY={x}.1")}
                                    << "goalrun: cannot open display {x}.1" + tail;
    QTest::newRow("no compositor, X11 gone")
        << QStringList{noCompositor, QStringLiteral("DISPLAY=:987")}
        << "goalrun: cannot open display goalrun-none-0 or :987" + tail;
    QTest::newRow("no compositor, no X11")
        << QStringList{noCompositor} << "goalrun: cannot open display goalrun-none-0" + tail;
    QTest::newRow("no compositor, Wayland asked for")
        << QStringList{noCompositor, QStringLiteral("QT_QPA_PLATFORM=wayland")}
        << "goalrun: cannot open display goalrun-none-0" + tail;
    QTest::newRow("no such platform") << QStringList{QStringLiteral("QT_QPA_PLATFORM=bogus")}
                                      << "goalrun: cannot start the window platform bogus" + tail;
}

void SingleCopyTests::WithoutADisplayItSaysSoInOneLineAndEnds() {
    QFETCH(QStringList, display);
    QFETCH(QByteArray, said);
#ifndef GOALRUN_HAVE_XCB
    if (!display.filter(QStringLiteral("DISPLAY=")).isEmpty())
        QSKIP("built without the X11 client library");
#endif
    const std::pair<QString, QString> places[] = {{QStringLiteral("{x}"), XServer()},
                                                  {QStringLiteral("{silent}"), SilentDisplay()}};
    for (const auto& [place, value] : places) {
        if (!display.filter(place).isEmpty() && value.isEmpty())
            QSKIP("no X server to ask");
        display.replaceInStrings(place, value);
        said.replace(place.toLatin1(), value.toLatin1());
    }
    QProcess* program = StartProgram({SaveFile}, QStringLiteral(GOALRUN_EXE), display);
    QVERIFY(program->waitForFinished(20000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 1);
    QCOMPARE(program->readAllStandardError(), said);
}

void SingleCopyTests::UnguardedCopySaysSoInTheStatusBar() {
    TFirstCopy first;
    const QString lock = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') +
                         TZnSingleInstance::SessionName(QStringLiteral("hVomeraGoalrun")) +
                         QStringLiteral(".lock");
    QVERIFY(QDir().mkpath(lock + QStringLiteral("/in the way")));
    TZnSingleInstance instance;
    QCOMPARE(instance.Claim(), TZnSingleInstance::TRole::Unavailable);
    QVERIFY(instance.ErrorString().contains(lock));
    ConnectHandOvers(instance, *first.Window);
    const auto* note = first.Window->findChild<QLabel*>(QStringLiteral("SingleCopyNote"));
    QVERIFY(note != nullptr && note->isVisible());
    // Note and reason follow the window's language.
    QVERIFY(note->toolTip().contains(QStringLiteral("ロックファイル")));
    SetWindowLanguage(QStringLiteral("en"));
    QTRY_VERIFY(note->toolTip().contains(QStringLiteral("The lock file")));
    QCOMPARE(note->text(), QStringLiteral("Running without the single-copy check"));
    SetWindowLanguage(QStringLiteral("ja"));
    QTRY_VERIFY(note->toolTip().contains(QStringLiteral("ロックファイル")));
}

void SingleCopyTests::KilledFirstCopyDoesNotBlockANewStart() {
    QProcess* first = StartProgram({});
    const QString lock = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') +
                         TZnSingleInstance::SessionName(QStringLiteral("hVomeraGoalrun")) +
                         QStringLiteral(".lock");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 20000);
    first->kill();
    QVERIFY(first->waitForFinished(10000));
    TZnSingleInstance next;
    QCOMPARE(next.Claim(), TZnSingleInstance::TRole::First);
}

// A Wayland name left over beside a working X11 display: the window goes to X11, and the second
// start on that display finds the first there.
void SingleCopyTests::LeftoverWaylandNameLeavesOneCopyPerXDisplay() {
    const QString x = XServer();
    if (x.isEmpty())
        QSKIP("no X server (Xvfb) to start on");
    // The X11 keyboard library reads a name by its length, not to a zero byte, which the
    // sanitizer's strict string checks take for an overflow.
    const QStringList onX{QStringLiteral("DISPLAY=") + x,
                          QStringLiteral("ASAN_OPTIONS=") + qEnvironmentVariable("ASAN_OPTIONS") +
                              QStringLiteral(":strict_string_checks=0")};
    QProcess* first =
        StartProgram({}, QStringLiteral(GOALRUN_EXE),
                     QStringList(onX) << QStringLiteral("WAYLAND_DISPLAY=goalrun-leftover-0"));
    const QDir runtime(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    QTRY_VERIFY2_WITH_TIMEOUT(
        !runtime.entryList({QStringLiteral("*.socket")}, QDir::AllEntries | QDir::System).isEmpty(),
        first->readAllStandardError().constData(), 20000);
    QProcess* second = StartProgram({SaveFile}, QStringLiteral(GOALRUN_EXE), onX);
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    first->kill();
    QVERIFY(first->waitForFinished(10000));
}

void SingleCopyTests::HandOverDuringABoxWaitsForTheBoxAndItsCommand() {
    TFirstCopy first;
    for (int i = 0; i < 3; ++i)
        first.Window->findChild<QPushButton*>(QStringLiteral("BtnGame"))->click();
    TZnSingleInstance instance;
    QVERIFY(first.ListenAsFirstCopy(instance));
    QSignalSpy handedOver(&instance, &TZnSingleInstance::copyDataReceived);
    QAction* slot = first.Window->findChild<QAction*>(QStringLiteral("MIDataSave0"));
    slot->trigger(); // the slot now holds a file, so the next save there asks first

    QProcess* second = nullptr;
    const QByteArray waiting = QStringLiteral("goalrun: waiting for the running ゴールラン to open "
                                              "%1 (it may be showing a question)\n")
                                   .arg(SaveFile)
                                   .toUtf8();
    QByteArray said;
    first.Dialogs.OnMessageBox = [&](const TZnScriptedDialogs::TZnShownMessage&) {
        // While the question is open, a second copy hands over a game of seven matchdays.
        second = StartProgram({SaveFile});
        QTRY_COMPARE_WITH_TIMEOUT(handedOver.size(), 1, 20000);
        QTest::qWait(200);
        QCOMPARE(first.Game.Matchday, 3);
        QCOMPARE(second->state(), QProcess::Running); // its answer waits for the file
        // It says why it has not ended, rather than look hung in its terminal.
        QTRY_VERIFY_WITH_TIMEOUT((said += second->readAllStandardError()).contains(waiting), 20000);
    };
    first.Dialogs.Answers = {QMessageBox::Ok};
    slot->trigger();
    QCOMPARE(first.Dialogs.Shown.size(), size_t{1});
    QCOMPARE(first.Game.Matchday, 7);
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE((said + second->readAllStandardError()).count(waiting), 1); // once
    // OK saved the game the player was asked about.
    TZnGameGoalrun saved(KeepSeedSource());
    saved.LoadFromFile(
        QFile::encodeName(SaveDataFolder(first.AppFolder.path()) + QStringLiteral("00savedata.sav"))
            .toStdString());
    QCOMPARE(saved.Matchday, 3);
}

void SingleCopyTests::SecondCopyHandsOverANameThatIsNotUtf8() {
    TFirstCopy first;
    TZnSingleInstance instance;
    QVERIFY(first.ListenAsFirstCopy(instance));
    const QByteArray native = QFile::encodeName(Work.path()) + "/\xff\xfe handed.sav";
    QVERIFY(::link(QFile::encodeName(SaveFile).constData(), native.constData()) == 0);
    // QTemporaryDir, reading names as text, could not remove it.
    const auto removeLink = qScopeGuard([&native] { ::unlink(native.constData()); });

    // QProcess passes its arguments as text: a shell gives the program the raw bytes, as a
    // name relative to the working folder.
    QProcess* second = StartProgram(
        {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$(printf '\\377\\376') handed.sav\""),
         QStringLiteral(GOALRUN_EXE)},
        QStringLiteral("/bin/sh"));
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(first.Dialogs.Shown.empty());
    QCOMPARE(first.Game.Matchday, 7);
}

void SingleCopyTests::RaiseRestoresTheWindowButKeepsItsBoxOnTop() {
    TFirstCopy first;
    first.Window->showMinimized();
    RaiseWindow(first.Window.get(), {"token-7", {}});
    QVERIFY(first.Window->isVisible());
    QVERIFY(!first.Window->isMinimized());
    QCOMPARE(qgetenv("XDG_ACTIVATION_TOKEN"), QByteArray("token-7"));

    QDialog box(first.Window.get());
    box.open();
    QTRY_COMPARE(QApplication::activeWindow(), &box);
    RaiseWindow(first.Window.get(), {});
    QCOMPARE(QApplication::activeModalWidget(), &box);
    QTRY_COMPARE(QApplication::activeWindow(), &box);
    QTest::qWait(100);
    QCOMPARE(QApplication::activeWindow(), &box);

    // A box opened outside any command (the about box) keeps a handed-over file waiting too.
    SendCopyData(first.Window.get(), SaveFile, CopyDataOpenPath);
    QTest::qWait(300);
    QCOMPARE(first.Game.Matchday, 0);
    box.close();
    QTRY_COMPARE(first.Game.Matchday, 7);
}

void SingleCopyTests::StartupIdTimeIsTheNumberAfterTime_data() {
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<qint64>("time"); // -1: none
    QTest::newRow("launcher") << QByteArray("launcher-1_TIME4242") << qint64(4242);
    QTest::newRow("last _TIME counts") << QByteArray("a_TIME1_TIME7") << qint64(7);
    QTest::newRow("none") << QByteArray("launcher-1") << qint64(-1);
    QTest::newRow("no number") << QByteArray("x_TIME") << qint64(-1);
    QTest::newRow("beyond 32 bits") << QByteArray("x_TIME4294967296") << qint64(-1);
}

void SingleCopyTests::StartupIdTimeIsTheNumberAfterTime() {
    QFETCH(QByteArray, id);
    QFETCH(qint64, time);
    const std::optional<std::uint32_t> parsed = StartupIdTime(id);
    QCOMPARE(parsed ? qint64(*parsed) : qint64(-1), time);
}

QTEST_MAIN(SingleCopyTests)
#include "SingleCopyTests.moc"
