#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "SingleCopy.h"
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
    void SecondCopyWithoutAFileOnlyRaisesTheWindow();
    void KilledFirstCopyDoesNotBlockANewStart();

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
    };

    QProcess* StartProgram(const QStringList& arguments);

    QTemporaryDir Work;
    QString SaveFile; // a game saved after seven matchdays
};

void SingleCopyTests::initTestCase() {
    QVERIFY(Work.isValid());
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
}

QProcess* SingleCopyTests::StartProgram(const QStringList& arguments) {
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->setProgram(QStringLiteral(GOALRUN_EXE));
    process->setArguments(arguments);
    process->start();
    return process;
}

void SingleCopyTests::CommandLineFileOpensAfterTheNewGame() {
    TFirstCopy first(SaveFile);
    QCOMPARE(first.Game.Matchday, 7);
    QVERIFY2(first.Window->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))
                 ->toPlainText()
                 .isEmpty(),
             "the load clears the opening messages of the new game");
    QCOMPARE(first.Window->FileState().OpenDialogFileName, SaveFile);

    TFirstCopy missing(Work.filePath(QStringLiteral("none.sav")));
    QCOMPARE(missing.Game.Matchday, 0);
    QVERIFY2(missing.Dialogs.Shown.empty(), "a missing path is ignored silently");
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
    QCOMPARE(instance.Claim(), TZnSingleInstance::TRole::First);
    ConnectHandOvers(instance, *first.Window);
    QVERIFY(instance.Listen());

    QProcess* second = StartProgram({SaveFile});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first.Game.Matchday, 7);
    QVERIFY(first.Window->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))
                ->toPlainText()
                .isEmpty());

    // A file the game refuses: the first copy shows its error box before the second ends.
    const QString broken = Work.filePath(QStringLiteral("broken.sav"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a save file");
    file.close();
    second = StartProgram({broken});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first.Dialogs.Shown.size(), size_t{1});
    QVERIFY(first.Dialogs.Shown.back().Text.startsWith(broken + QStringLiteral("\r\n")));
    QCOMPARE(first.Game.Matchday, 7);
}

void SingleCopyTests::SecondCopyWithoutAFileOnlyRaisesTheWindow() {
    TFirstCopy first;
    first.Game.PlayMatchday();
    TZnSingleInstance instance;
    QCOMPARE(instance.Claim(), TZnSingleInstance::TRole::First);
    QSignalSpy raised(&instance, &TZnSingleInstance::raiseRequested);
    QSignalSpy copied(&instance, &TZnSingleInstance::copyDataReceived);
    ConnectHandOvers(instance, *first.Window);
    QVERIFY(instance.Listen());
    QProcess* second = StartProgram({});
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(raised.size(), 1);
    QCOMPARE(copied.size(), 0);
    QCOMPARE(first.Game.Matchday, 1);
}

void SingleCopyTests::KilledFirstCopyDoesNotBlockANewStart() {
    QProcess* first = StartProgram({});
    const QString lock =
        qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/hVomeraGoalrun.lock");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 20000);
    first->kill();
    QVERIFY(first->waitForFinished(10000));
    TZnSingleInstance next;
    QCOMPARE(next.Claim(), TZnSingleInstance::TRole::First);
}

QTEST_MAIN(SingleCopyTests)
#include "SingleCopyTests.moc"
