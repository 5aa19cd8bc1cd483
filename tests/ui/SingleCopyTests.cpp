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
#include "ZnUtils.h"

// The first copy is this test's window, wired as the program wires it; the second copy is the
// real program, started as a separate process.
class SingleCopyTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void CommandLineFileOpensAfterTheNewGame();
    void OnlyIdentifierOneWithAPathOpensAFile();
    void SecondCopyHandsItsFileToTheFirstAndEnds();
    void OptionsAnswerAloneAndASecondCopyOnlyRaises();
    void WithoutADisplayItSaysSoInOneLineAndEnds_data();
    void WithoutADisplayItSaysSoInOneLineAndEnds();
    void UnguardedCopySaysSoInTheStatusBar();
    void KilledFirstCopyDoesNotBlockANewStart();
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

    QProcess* StartProgram(const QStringList& arguments,
                           const QString& program = QStringLiteral(GOALRUN_EXE));

    QTemporaryDir Work;
    QString SaveFile; // a game saved after seven matchdays
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

QProcess* SingleCopyTests::StartProgram(const QStringList& arguments, const QString& program) {
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Work.path()); // not the user's settings
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Work.path());   // nor the user's autosaves
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(Work.path());
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    return process;
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
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QByteArray>("said");
    const QByteArray tail = "; goalrun-cli plays the game in a terminal\n";
    QTest::newRow("none") << QString() << QString() << "goalrun: no display found" + tail;
    QTest::newRow("not answering")
        << QStringLiteral(":987") << QString() << "goalrun: cannot open display :987" + tail;
    QTest::newRow("not answering, X11 asked for")
        << QStringLiteral("unix/:987\n") << QStringLiteral("xcb")
        << "goalrun: cannot open display unix/:987?" + tail;
}

void SingleCopyTests::WithoutADisplayItSaysSoInOneLineAndEnds() {
    QFETCH(QString, display);
    QFETCH(QString, platform);
    QFETCH(QByteArray, said);
#ifndef GOALRUN_HAVE_XCB
    if (!display.isEmpty())
        QSKIP("built without the X11 client library");
#endif
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(GOALRUN_EXE), {SaveFile});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardError(), said);
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
    first.Dialogs.OnMessageBox = [&](const TZnScriptedDialogs::TZnShownMessage&) {
        // While the question is open, a second copy hands over a game of seven matchdays.
        second = StartProgram({SaveFile});
        QTRY_COMPARE_WITH_TIMEOUT(handedOver.size(), 1, 20000);
        QTest::qWait(200);
        QCOMPARE(first.Game.Matchday, 3);
        QCOMPARE(second->state(), QProcess::Running); // its answer waits for the file
    };
    first.Dialogs.Answers = {QMessageBox::Ok};
    slot->trigger();
    QCOMPARE(first.Dialogs.Shown.size(), size_t{1});
    QCOMPARE(first.Game.Matchday, 7);
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
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
