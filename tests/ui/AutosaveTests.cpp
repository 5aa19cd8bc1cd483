// The player's place kept in the rotating autosaves: written after the paint, rotated, continued
// at the start past a damaged one, no question at the close, the choice off as before, and a
// folder that cannot be used refused without touching it. XDG_DATA_HOME is a temporary folder.

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "FileSizeLimit.h"
#include "WindowRig.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The matchday of the game in a save file, read as goalrun-cli's `load` reads it; -1 when refused.
int MatchdayIn(const QString& path) {
    TZnGameGoalrun game(KeepSeedSource());
    try {
        game.LoadFromFile(QFile::encodeName(path).toStdString());
    } catch (const std::exception&) {
        return -1;
    }
    return game.Matchday;
}

// What the program does for the copy that holds the single-copy lock.
std::function<void(TFormMain&)> LockHolder(bool startNew = false) {
    return [startNew](TFormMain& window) { window.SetPlaceKeeping(true, startNew); };
}

// Lets the window's posted events run, the autosave among them.
void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// Whether a file stood at `Path` when the window last repainted.
class TPaintWatch : public QObject {
public:
    explicit TPaintWatch(QString path) : Path(std::move(path)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest)
            Painted.push_back(QFile::exists(Path));
        return false;
    }
    QString Path;
    std::vector<bool> Painted;
};

void PlayAndSettle(TWindowRig& rig, int matchdays) {
    for (int i = 0; i < matchdays; ++i) {
        rig.Play(1);
        Settle();
    }
}

} // namespace

class AutosaveTests : public QObject {
    Q_OBJECT
private slots:
    void init();
    void MatchdaysRotateThroughThreeAutosavesAfterThePaint();
    void StartContinuesTheNewestAutosaveThatLoads();
    void CloseAsksOnlyWhenThePlaceIsNotKept();
    void RefusedFolderIsLeftAloneAndNamedOnce_data();
    void RefusedFolderIsLeftAloneAndNamedOnce();

private:
    QString Autosave(int n) const { return Folder + QStringLiteral("autosave%1.sav").arg(n); }

    std::unique_ptr<QTemporaryDir> Data;
    QString Folder; // the autosave folder
};

void AutosaveTests::init() {
    Data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(Data->path()));
    Folder = Data->path() + QStringLiteral("/goalrun/autosave/");
}

void AutosaveTests::MatchdaysRotateThroughThreeAutosavesAfterThePaint() {
    TWindowRig rig(1, nullptr, {}, LockHolder());
    QVERIFY2(!QFile::exists(Folder), "nothing is made before there is something to keep");
    TPaintWatch watch(Autosave(1));
    rig.W().installEventFilter(&watch);
    rig.Play(1);
    QVERIFY(!QFile::exists(Autosave(1)));
    Settle();
    rig.W().removeEventFilter(&watch);
    QCOMPARE(MatchdayIn(Autosave(1)), 1);
    QVERIFY2(!watch.Painted.empty() && !watch.Painted.front(),
             "the matchday is painted before it is written");
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(Folder).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);

    PlayAndSettle(rig, 4);
    QCOMPARE(MatchdayIn(Autosave(1)), 5);
    QCOMPARE(MatchdayIn(Autosave(2)), 4);
    QCOMPARE(MatchdayIn(Autosave(3)), 3);
    QVERIFY(!QFile::exists(Autosave(4)));
    QVERIFY2(rig.Game.UnsavedProgress(), "an autosave is no save of the player's");

    // A rotation a kill cut short left the newest staged: it goes in first, nothing is lost.
    QVERIFY(QFile::copy(Autosave(1), Folder + QStringLiteral("autosave-new.sav")));
    QVERIFY(QFile::remove(Autosave(1)));
    rig.Play(25);
    rig.Action(QStringLiteral("ActNextSeason")).trigger();
    Settle();
    QCOMPARE(rig.Game.Matchday, 0);
    QCOMPARE(rig.Game.Season, 1);
    QCOMPARE(MatchdayIn(Autosave(1)), 0); // after 次季へ, one write for all it follows
    QCOMPARE(MatchdayIn(Autosave(2)), 5);
    QCOMPARE(MatchdayIn(Autosave(3)), 4);
    QVERIFY(!QFile::exists(Folder + QStringLiteral("autosave-new.sav")));

    // The ロード menu lists them after the slots, with the slots' tips.
    emit rig.Menu("MILoad").aboutToShow();
    QAction& newest = rig.Action(QStringLiteral("MIAutosaveLoad1"));
    QCOMPARE(newest.text(), QStringLiteral("自動保存1"));
    QVERIFY2(newest.toolTip().startsWith(QStringLiteral("2季目 開幕前 ")),
             qPrintable(newest.toolTip()));
    QVERIFY(rig.Menu("MILoad").actions().indexOf(&newest) > 10);
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Action(QStringLiteral("MIAutosaveLoad2")).trigger();
    QCOMPARE(rig.Game.Matchday, 5);
    QVERIFY2(rig.W().FileState().Untitled, "saving an autosave's game asks for a name");
}

void AutosaveTests::StartContinuesTheNewestAutosaveThatLoads() {
    const QTemporaryDir settings;
    QByteArray newest;
    {
        TWindowRig first(1, nullptr, settings.path(), LockHolder());
        PlayAndSettle(first, 3);
        first.Button(QStringLiteral("BtnGame")).click(); // the fourth is kept by the close
        QVERIFY(first.W().close());
        QVERIFY(first.Dialogs.Shown.empty());
        QCOMPARE(MatchdayIn(Autosave(1)), 4);
        newest = ReadAll(Autosave(1));

        // A copy on another display while this one runs keeps none and starts anew.
        TWindowRig other(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(other.Game.Matchday, 0);
        QCOMPARE(other.Find<QLabel>(QStringLiteral("AutosaveNote")).text(),
                 QStringLiteral("ほかのゴールランが続きを保存しているため、"
                                "このウィンドウは続きを保存しません"));
        PlayAndSettle(other, 1);
        QCOMPARE(ReadAll(Autosave(1)), newest);
    }
    {
        TWindowRig next(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(next.Game.Matchday, 4);
        QCOMPARE(next.W().statusBar()->currentMessage(),
                 QStringLiteral("前回の続き（1季目 第4節）から再開しました"));
        QVERIFY(!next.Game.UnsavedProgress());
        QVERIFY(next.W().FileState().Untitled);
        QVERIFY(next.W().close()); // nothing new: the rotation keeps the older ones
        QCOMPARE(MatchdayIn(Autosave(2)), 3);
    }
    QFile damaged(Autosave(1));
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    damaged.seek(5118);
    damaged.write("\x40\0\0\0", 4); // matchday 64
    damaged.close();
    const QByteArray damagedBytes = ReadAll(Autosave(1));
    {
        TWindowRig fallBack(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(fallBack.Game.Matchday, 3);
        QCOMPARE(fallBack.W().statusBar()->currentMessage(),
                 QStringLiteral("前回の続き（1季目 第3節）から再開しました"
                                "　読み込めない自動保存: autosave1.sav"));
        QCOMPARE(ReadAll(Autosave(1)), damagedBytes);
    }
    {
        TWindowRig fresh(1, nullptr, settings.path(), LockHolder(true)); // goalrun --new-game
        QCOMPARE(fresh.Game.Matchday, 0);
        QVERIFY(fresh.W().statusBar()->currentMessage().isEmpty());
    }
    {
        const QString file = Data->filePath(QStringLiteral("named.sav"));
        QVERIFY(QFile::copy(Autosave(3), file));
        TWindowRig named(1, nullptr, settings.path(), [&](TFormMain& window) {
            window.SetPlaceKeeping(true, false);
            window.SetCommandLineFile(file);
        });
        QTRY_COMPARE(named.Game.Matchday, 2);
        QCOMPARE(named.W().FileState().OpenDialogFileName, file);
    }
}

void AutosaveTests::CloseAsksOnlyWhenThePlaceIsNotKept() {
    const QTemporaryDir settings;
    const QString today = QStringLiteral("保存していない進行があります。破棄してよろしいですか？");
    {
        // The choice off: no autosave, a new game at the start, today's question.
        TWindowRig off(1, nullptr, settings.path(), LockHolder());
        QAction& choice = off.Action(QStringLiteral("ActKeepPlace"));
        QCOMPARE(choice.text(), QStringLiteral("終了時に続きを保存"));
        QVERIFY(choice.isChecked());
        choice.trigger();
        PlayAndSettle(off, 2);
        QVERIFY(!QFile::exists(Folder));
        off.Dialogs.Answers = {QMessageBox::Cancel};
        QVERIFY(!off.W().close());
        QCOMPARE(off.Dialogs.Shown.back().Text, today);
        choice.trigger();
        QVERIFY(off.W().close());
        QCOMPARE(MatchdayIn(Autosave(1)), 2);
        choice.trigger(); // remembered off
    }
    {
        TWindowRig remembered(1, nullptr, settings.path(), LockHolder());
        QVERIFY(!remembered.Action(QStringLiteral("ActKeepPlace")).isChecked());
        QCOMPARE(remembered.Game.Matchday, 0);
        QVERIFY(remembered.W().statusBar()->currentMessage().isEmpty());
    }
    // A write that fails: the question of today, with the reason.
    QVERIFY(QFile::setPermissions(Folder, QFile::ReadOwner | QFile::ExeOwner));
    {
        TWindowRig failing(1, nullptr, {}, LockHolder());
        PlayAndSettle(failing, 1);
        failing.Dialogs.Answers = {QMessageBox::Cancel};
        QVERIFY(!failing.W().close());
        QCOMPARE(failing.Dialogs.Shown.back().Text,
                 today +
                     QStringLiteral("\r\n続きを保存できません: アクセスする権限がありません。"));
    }
    QVERIFY(QFile::setPermissions(Folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void AutosaveTests::RefusedFolderIsLeftAloneAndNamedOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString notFolder = QStringLiteral("フォルダではありません。");
    const QString noPermission = QStringLiteral("アクセスする権限がありません。");
    QTest::newRow("a link to a FIFO") << "fifo" << notFolder;
    QTest::newRow("a link to a device") << "device" << notFolder;
    QTest::newRow("a file in its place") << "file" << notFolder;
    QTest::newRow("mode 0000") << "0000" << noPermission;
    QTest::newRow("read-only, autosaves kept") << "0500" << noPermission;
    QTest::newRow("full, autosaves kept")
        << "full" << QStringLiteral("ファイルの読み書きでエラーが発生しました。");
}

void AutosaveTests::RefusedFolderIsLeftAloneAndNamedOnce() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QByteArray folder = QFile::encodeName(Folder.chopped(1));
    QVERIFY(QDir().mkpath(Data->path() + QStringLiteral("/goalrun")));
    const QByteArray fifo = QFile::encodeName(Data->filePath(QStringLiteral("fifo")));
    QByteArray before;
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QCOMPARE(::symlink(fifo.constData(), folder.constData()), 0);
    } else if (kind == QLatin1String("device")) {
        QCOMPARE(::symlink("/dev/null", folder.constData()), 0);
    } else if (kind == QLatin1String("file")) {
        before = "not a folder";
        QFile file(QFile::decodeName(folder));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    } else {
        {
            TWindowRig filler(1, nullptr, {}, LockHolder());
            PlayAndSettle(filler, 3);
        }
        before = ReadAll(Autosave(1)) + ReadAll(Autosave(2)) + ReadAll(Autosave(3));
        if (kind != QLatin1String("full"))
            QCOMPARE(::chmod(folder.constData(), kind == QLatin1String("0000") ? 0 : 0500), 0);
    }
    const bool full = kind == QLatin1String("full");
    struct stat was {};
    QCOMPARE(::lstat(folder.constData(), &was), 0);

    TWindowRig rig(1, nullptr, {}, LockHolder());
    const QLabel& note = rig.Find<QLabel>(QStringLiteral("AutosaveNote"));
    const QString said = QStringLiteral("続きを保存できません: ") + reason;
    QCOMPARE(rig.Game.Matchday, full ? 3 : 0);
    QCOMPARE(note.text(), full ? QString() : said); // a folder refused is named at the start
    {
        std::optional<TFileSizeLimit> limit;
        if (full)
            limit.emplace(1000);
        PlayAndSettle(rig, 2);
    }
    QCOMPARE(rig.Game.Matchday, full ? 5 : 2);
    QCOMPARE(note.text(), said);
    QVERIFY(note.isVisible());
    if (full) {
        QCOMPARE(ReadAll(Autosave(1)) + ReadAll(Autosave(2)) + ReadAll(Autosave(3)), before);
        PlayAndSettle(rig, 1); // room again: kept, and the note goes
        QVERIFY(note.isHidden());
        QCOMPARE(MatchdayIn(Autosave(1)), 6);
        QCOMPARE(MatchdayIn(Autosave(2)), 3);
        return;
    }

    struct stat now {};
    QCOMPARE(::lstat(folder.constData(), &now), 0);
    QCOMPARE(now.st_mode, was.st_mode);
    QCOMPARE(now.st_ino, was.st_ino);
    if (kind == QLatin1String("fifo") || kind == QLatin1String("device")) {
        QVERIFY(::stat(folder.constData(), &now) == 0 && !S_ISDIR(now.st_mode));
    } else if (kind == QLatin1String("file")) {
        QCOMPARE(ReadAll(QFile::decodeName(folder)), before);
    } else {
        ::chmod(folder.constData(), 0700);
        QCOMPARE(ReadAll(Autosave(1)) + ReadAll(Autosave(2)) + ReadAll(Autosave(3)), before);
    }
    QCOMPARE(
        QDir(Data->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
        kind == QLatin1String("fifo") ? 2 : 1);
}

QTEST_MAIN(AutosaveTests)
#include "AutosaveTests.moc"
