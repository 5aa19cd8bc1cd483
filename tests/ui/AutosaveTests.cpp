// The player's games kept in their rotating autosaves, one folder a game: written after the
// paint, rotated, the game played last continued at the start past a damaged autosave, no game
// ever evicting another (a new game, an old save, a second copy), the autosaves of earlier
// releases brought in, the list of games, no question at the close, the choice off as before,
// and a folder that cannot be used refused without touching it. XDG_DATA_HOME is a temporary
// folder.

#include <sys/stat.h>
#include <unistd.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include <sstream>

#include "CliGames.h"
#include "FileSizeLimit.h"
#include "GameLibrary.h"
#include "GameSaveData.h"
#include "WindowRig.h"
#include "ZnStream.h"

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
    void StartContinuesTheGamePlayedLast();
    void ANewGameNeverEvictsAContinuedCareer();
    void EarlierReleasesAutosavesBecomeOneGame();
    void GamesListContinuesAndRemoves();
    void CloseAsksOnlyWhenThePlaceIsNotKept();
    void RefusedFolderIsLeftAloneAndNamedOnce_data();
    void RefusedFolderIsLeftAloneAndNamedOnce();

private:
    // The folder of `game`'s autosaves, and autosave `n` in it.
    QString GameFolder(const TZnGameGoalrun& game) const {
        return Games + QString::fromStdString(game.Identity->Text()) + QLatin1Char('/');
    }
    QString Autosave(const TZnGameGoalrun& game, int n) const {
        return GameFolder(game) + QStringLiteral("autosave%1.sav").arg(n);
    }

    std::unique_ptr<QTemporaryDir> Data;
    QString Games; // the folder of the kept games
};

void AutosaveTests::init() {
    Data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(Data->path()));
    Games = Data->path() + QStringLiteral("/goalrun/games/");
}

void AutosaveTests::MatchdaysRotateThroughThreeAutosavesAfterThePaint() {
    TWindowRig rig(1, nullptr, {}, LockHolder());
    QVERIFY2(!QFile::exists(Games), "nothing is made before there is something to keep");
    const TZnGameGoalrun& game = rig.Game;
    TPaintWatch watch(Autosave(game, 1));
    rig.W().installEventFilter(&watch);
    rig.Play(1);
    QVERIFY(!QFile::exists(Autosave(game, 1)));
    Settle();
    rig.W().removeEventFilter(&watch);
    QCOMPARE(MatchdayIn(Autosave(game, 1)), 1);
    QVERIFY2(!watch.Painted.empty() && !watch.Painted.front(),
             "the matchday is painted before it is written");
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(GameFolder(game)).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);

    PlayAndSettle(rig, 4);
    QCOMPARE(MatchdayIn(Autosave(game, 1)), 5);
    QCOMPARE(MatchdayIn(Autosave(game, 2)), 4);
    QCOMPARE(MatchdayIn(Autosave(game, 3)), 3);
    QVERIFY(!QFile::exists(Autosave(game, 4)));
    QVERIFY2(rig.Game.UnsavedProgress(), "an autosave is no save of the player's");

    // A rotation a kill cut short left the newest staged: it goes in first, nothing is lost.
    const QString staged = GameFolder(game) + QStringLiteral("autosave-new.sav");
    QVERIFY(QFile::copy(Autosave(game, 1), staged));
    QVERIFY(QFile::remove(Autosave(game, 1)));
    rig.Play(25);
    rig.Action(QStringLiteral("ActNextSeason")).trigger();
    Settle();
    QCOMPARE(rig.Game.Matchday, 0);
    QCOMPARE(rig.Game.Season, 1);
    QCOMPARE(MatchdayIn(Autosave(game, 1)), 0); // after 次季へ, one write for all it follows
    QCOMPARE(MatchdayIn(Autosave(game, 2)), 5);
    QCOMPARE(MatchdayIn(Autosave(game, 3)), 4);
    QVERIFY(!QFile::exists(staged));

    // Anything but a file in the staged autosave's place never was one: it goes unopened, and
    // no autosave is rotated away for it.
    QCOMPARE(::mkfifo(QFile::encodeName(staged).constData(), 0600), 0);
    const QByteArray second = ReadAll(Autosave(game, 2));
    rig.Action(QStringLiteral("ActBuildUp")).trigger();
    rig.Play(1);
    Settle();
    QVERIFY(!QFile::exists(staged));
    QCOMPARE(MatchdayIn(Autosave(game, 1)), 1);
    QCOMPARE(ReadAll(Autosave(game, 3)), second);

    // The ロード menu lists them after the slots, with the slots' tips.
    emit rig.Menu("MILoad").aboutToShow();
    QAction& newest = rig.Action(QStringLiteral("MIAutosaveLoad1"));
    QCOMPARE(newest.text(), QStringLiteral("自動保存1"));
    QVERIFY2(newest.toolTip().startsWith(QStringLiteral("2季目 第1節まで ")),
             qPrintable(newest.toolTip()));
    QVERIFY(rig.Menu("MILoad").actions().indexOf(&newest) > 10);
    rig.Dialogs.Answers = {QMessageBox::Ok};
    const TZnGameId before = *game.Identity;
    rig.Action(QStringLiteral("MIAutosaveLoad3")).trigger();
    QCOMPARE(rig.Game.Matchday, 5);
    QVERIFY2(rig.W().FileState().Untitled, "saving an autosave's game asks for a name");
    // An older state goes on as a game of its own: the newer autosaves stay where they are.
    QVERIFY(*game.Identity != before);
    PlayAndSettle(rig, 3);
    const TZnGameLibrary library(QFile::encodeName(Games).toStdString());
    QCOMPARE(library.Game(before)->Matchday, 1);
    QCOMPARE(library.Game(*game.Identity)->Matchday, 8);
}

void AutosaveTests::StartContinuesTheGamePlayedLast() {
    const QTemporaryDir settings;
    QByteArray newest;
    QString kept; // the folder of the game played last
    {
        TWindowRig first(1, nullptr, settings.path(), LockHolder());
        PlayAndSettle(first, 3);
        // A copy on another display while this one runs plays a game of its own, kept apart.
        TWindowRig other(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(other.Game.Matchday, 0);
        QVERIFY(other.Find<QLabel>(QStringLiteral("AutosaveNote")).text().isEmpty());
        PlayAndSettle(other, 1);
        QCOMPARE(MatchdayIn(Autosave(other.Game, 1)), 1);
        QCOMPARE(MatchdayIn(Autosave(first.Game, 1)), 3);

        first.Button(QStringLiteral("BtnGame")).click(); // the fourth is kept by the close
        QVERIFY(first.W().close());
        QVERIFY(first.Dialogs.Shown.empty());
        QCOMPARE(MatchdayIn(Autosave(first.Game, 1)), 4);
        newest = ReadAll(Autosave(first.Game, 1));
        kept = GameFolder(first.Game);
    }
    {
        TWindowRig next(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(next.Game.Matchday, 4);
        QCOMPARE(GameFolder(next.Game), kept);
        QCOMPARE(next.W().statusBar()->currentMessage(),
                 QStringLiteral("前回の続き（1季目 第4節）から再開しました"));
        QVERIFY(!next.Game.UnsavedProgress());
        QVERIFY(next.W().FileState().Untitled);
        QVERIFY(next.W().close()); // nothing new: the rotation keeps the older ones
        QCOMPARE(MatchdayIn(kept + QStringLiteral("autosave2.sav")), 3);
    }
    // One flipped byte of the funds: the image no longer agrees with its check.
    QFile damaged(kept + QStringLiteral("autosave1.sav"));
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    damaged.seek(1029);
    damaged.write("\x40", 1);
    damaged.close();
    const QByteArray damagedBytes = ReadAll(damaged.fileName());
    {
        TWindowRig fallBack(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(fallBack.Game.Matchday, 3);
        QCOMPARE(fallBack.Game.Coach().Money, 20100); // autosave2's, not the flipped one
        QCOMPARE(fallBack.W().statusBar()->currentMessage(),
                 QStringLiteral("前回の続き（1季目 第3節）から再開しました"
                                "　読み込めない自動保存: autosave1.sav"));
        QCOMPARE(ReadAll(damaged.fileName()), damagedBytes);
    }
    {
        TWindowRig fresh(1, nullptr, settings.path(), LockHolder(true)); // goalrun --new-game
        QCOMPARE(fresh.Game.Matchday, 0);
        QVERIFY(fresh.W().statusBar()->currentMessage().isEmpty());
        PlayAndSettle(fresh, 3);
        QVERIFY(GameFolder(fresh.Game) != kept);
    }
    QCOMPARE(ReadAll(damaged.fileName()), damagedBytes);
    QCOMPARE(MatchdayIn(kept + QStringLiteral("autosave2.sav")), 3);
    {
        // A file the player opens that holds an older state of a kept game goes on apart.
        const QString file = Data->filePath(QStringLiteral("named.sav"));
        QVERIFY(QFile::copy(kept + QStringLiteral("autosave3.sav"), file));
        TWindowRig named(1, nullptr, settings.path(), [&](TFormMain& window) {
            window.SetPlaceKeeping(true, false);
            window.SetCommandLineFile(file);
        });
        QTRY_COMPARE(named.Game.Matchday, 2);
        QCOMPARE(named.W().FileState().OpenDialogFileName, file);
        QVERIFY(GameFolder(named.Game) != kept);
        PlayAndSettle(named, 1);
        QCOMPARE(MatchdayIn(kept + QStringLiteral("autosave2.sav")), 3);
    }
}

void AutosaveTests::ANewGameNeverEvictsAContinuedCareer() {
    const QTemporaryDir settings;
    QString career;
    {
        TWindowRig first(1, nullptr, settings.path(), LockHolder());
        first.Play(30);
        first.Action(QStringLiteral("ActNextSeason")).trigger();
        PlayAndSettle(first, 2);
        career = GameFolder(first.Game);
        QVERIFY(first.W().close());
    }
    const QByteArray before = ReadAll(career + QStringLiteral("autosave1.sav")) +
                              ReadAll(career + QStringLiteral("autosave2.sav")) +
                              ReadAll(career + QStringLiteral("autosave3.sav"));
    {
        TWindowRig continued(1, nullptr, settings.path(), LockHolder());
        QCOMPARE(continued.Game.Season, 1);
        QCOMPARE(continued.Game.Matchday, 2);
        // ニューゲーム, yes, the new game's box accepted as it stands; three matchdays.
        continued.Dialogs.Answers = {QMessageBox::Ok};
        continued.Dialogs.OnExecDialog = [](QDialog&) { return int(QDialog::Accepted); };
        continued.Action(QStringLiteral("N9")).trigger();
        QCOMPARE(continued.Game.Season, 0);
        PlayAndSettle(continued, 3);
        QVERIFY(GameFolder(continued.Game) != career);
        QVERIFY(continued.W().close());
    }
    QCOMPARE(ReadAll(career + QStringLiteral("autosave1.sav")) +
                 ReadAll(career + QStringLiteral("autosave2.sav")) +
                 ReadAll(career + QStringLiteral("autosave3.sav")),
             before);
    // Both games are kept; the one played last comes first.
    const auto games = TZnGameLibrary(QFile::encodeName(Games).toStdString()).Games();
    QCOMPARE(games.size(), size_t{2});
    QCOMPARE(games[0].Matchday, 3);
    QCOMPARE(games[1].Season, 1);
}

void AutosaveTests::EarlierReleasesAutosavesBecomeOneGame() {
    const QString old = Data->path() + QStringLiteral("/goalrun/autosave/");
    QVERIFY(QDir().mkpath(old));
    {
        TZnGameGoalrun game(KeepSeedSource());
        game.NewGame();
        for (int d = 1; d <= 3; ++d) {
            game.PlayMatchday();
            TZnWriteStream stream;
            game.SaveToStream(stream);
            // The plain image, as those releases wrote it.
            stream.Bytes.resize(SaveImageSize);
            QFile file(old + QStringLiteral("autosave%1.sav").arg(4 - d));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(stream.Bytes.data()), SaveImageSize);
        }
    }
    {
        TWindowRig rig(1, nullptr, {}, LockHolder());
        QCOMPARE(rig.Game.Matchday, 3);
        QVERIFY(!QFile::exists(old));
        QCOMPARE(MatchdayIn(Autosave(rig.Game, 3)), 1);
        PlayAndSettle(rig, 1);
        QCOMPARE(MatchdayIn(Autosave(rig.Game, 1)), 4);
        QCOMPARE(MatchdayIn(Autosave(rig.Game, 3)), 2);
    }
    // A game written later that cannot be read is passed over for the one played before it.
    const QString junk = Games + QStringLiteral("0123456789abcdef0123456789abcdef");
    QVERIFY(QDir().mkpath(junk));
    QFile file(junk + QStringLiteral("/autosave1.sav"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("junk") == 4);
    file.close();
    TWindowRig next(1, nullptr, {}, LockHolder());
    QCOMPARE(next.Game.Matchday, 4);
}

void AutosaveTests::GamesListContinuesAndRemoves() {
    const QTemporaryDir settings;
    TZnGameId older;
    {
        TWindowRig first(1, nullptr, settings.path(), LockHolder(true));
        PlayAndSettle(first, 2);
        older = *first.Game.Identity;
    }
    TZnGameId unreadable;
    {
        TWindowRig second(1, nullptr, settings.path(), LockHolder(true));
        PlayAndSettle(second, 1);
        unreadable = *second.Game.Identity;
        QVERIFY(second.W().close());
    }
    QVERIFY(QFile::resize(
        Games + QString::fromStdString(unreadable.Text()) + QStringLiteral("/autosave1.sav"), 100));
    TWindowRig rig(1, nullptr, settings.path(), LockHolder(true));
    PlayAndSettle(rig, 4);

    // Listed: the game played last first, the game none of whose autosaves loads last.
    QStringList rows;
    QString byCli;
    bool playedRemovable = true;
    bool unreadableContinues = true;
    {
        std::ostringstream out;
        PrintGames(TZnGameLibrary(QFile::encodeName(Games).toStdString()), out);
        byCli = QString::fromStdString(out.str());
    }
    rig.Dialogs.OnExecDialog = [&](QDialog& box) {
        auto* table = box.findChild<QTableWidget*>(QStringLiteral("TableGames"));
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text() + QLatin1Char('|') + table->item(row, 2)->text() +
                        QLatin1Char('|') + table->item(row, 0)->toolTip().section('/', -1);
        auto* remove = box.findChild<QPushButton*>(QStringLiteral("GamesRemove"));
        table->selectRow(0);
        playedRemovable = remove->isEnabled(); // the game being played
        table->selectRow(2);
        unreadableContinues =
            box.findChild<QPushButton*>(QStringLiteral("GamesContinue"))->isEnabled();
        // Yes to the removal, then to the unsaved progress of the game being played.
        rig.Dialogs.Answers = {QMessageBox::Ok, QMessageBox::Ok};
        remove->click();
        table->selectRow(1);
        return int(QDialog::Accepted);
    };
    const TZnGameId playing = *rig.Game.Identity;
    rig.Action(QStringLiteral("ActGames")).trigger();
    QCOMPARE(rows.size(), 3);
    QVERIFY(!playedRemovable);
    QVERIFY(!unreadableContinues);
    QCOMPARE(rows[0], QStringLiteral("普通|4|") + QString::fromStdString(playing.Text()));
    QVERIFY2(rows[2].startsWith(QStringLiteral("読み込めません")), qPrintable(rows[2]));
    QStringList cliIds;
    for (const QString& line : byCli.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        cliIds << line.section(QLatin1Char('\t'), 0, 0);
    QCOMPARE(cliIds, (QStringList{rows[0].section('|', 2), rows[1].section('|', 2),
                                  rows[2].section('|', 2)}));
    QVERIFY(byCli.contains(QStringLiteral("\t-\tnormal\t1\t4\t")));

    // The older game continues from its newest autosave; the removed one went to the trash.
    QCOMPARE(*rig.Game.Identity, older);
    QCOMPARE(rig.Game.Matchday, 2);
    QVERIFY(!QFile::exists(Games + QString::fromStdString(unreadable.Text())));
    QVERIFY(QDir(Data->path() + QStringLiteral("/Trash/files"))
                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                .contains(QString::fromStdString(unreadable.Text())));
    QCOMPARE(TZnGameLibrary(QFile::encodeName(Games).toStdString()).Games().size(), size_t{2});
}

void AutosaveTests::CloseAsksOnlyWhenThePlaceIsNotKept() {
    const QTemporaryDir settings;
    const QString today = QStringLiteral("保存していない進行があります。破棄してよろしいですか？");
    QString kept;
    {
        // The choice off: no autosave, a new game at the start, today's question.
        TWindowRig off(1, nullptr, settings.path(), LockHolder());
        QAction& choice = off.Action(QStringLiteral("ActKeepPlace"));
        QCOMPARE(choice.text(), QStringLiteral("終了時に続きを保存"));
        QVERIFY(choice.isChecked());
        choice.trigger();
        PlayAndSettle(off, 2);
        QVERIFY(!QFile::exists(Games));
        off.Dialogs.Answers = {QMessageBox::Cancel};
        QVERIFY(!off.W().close());
        QCOMPARE(off.Dialogs.Shown.back().Text, today);
        choice.trigger();
        QVERIFY(off.W().close());
        QCOMPARE(MatchdayIn(Autosave(off.Game, 1)), 2);
        kept = GameFolder(off.Game);
        choice.trigger(); // remembered off
    }
    {
        TWindowRig remembered(1, nullptr, settings.path(), LockHolder());
        QVERIFY(!remembered.Action(QStringLiteral("ActKeepPlace")).isChecked());
        QCOMPARE(remembered.Game.Matchday, 0);
        QVERIFY(remembered.W().statusBar()->currentMessage().isEmpty());
    }
    // A write that fails: the question of today, with the reason.
    for (const QString& folder : {Games, kept})
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    {
        TWindowRig failing(1, nullptr, {}, LockHolder());
        PlayAndSettle(failing, 1);
        failing.Dialogs.Answers = {QMessageBox::Cancel};
        QVERIFY(!failing.W().close());
        QCOMPARE(failing.Dialogs.Shown.back().Text,
                 today +
                     QStringLiteral("\r\n続きを保存できません: アクセスする権限がありません。"));
    }
    for (const QString& folder : {Games, kept})
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
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
    // The folder of every game stands for any folder of the player's games.
    const QByteArray folder = QFile::encodeName(Games.chopped(1));
    QString kept; // the folder of the game kept before
    const auto autosave = [&](int n) { return kept + QStringLiteral("autosave%1.sav").arg(n); };
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
            kept = GameFolder(filler.Game);
        }
        before = ReadAll(autosave(1)) + ReadAll(autosave(2)) + ReadAll(autosave(3));
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
        QCOMPARE(ReadAll(autosave(1)) + ReadAll(autosave(2)) + ReadAll(autosave(3)), before);
        PlayAndSettle(rig, 1); // room again: kept, and the note goes
        QVERIFY(note.isHidden());
        QCOMPARE(MatchdayIn(autosave(1)), 6);
        QCOMPARE(MatchdayIn(autosave(2)), 3);
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
        QCOMPARE(ReadAll(autosave(1)) + ReadAll(autosave(2)) + ReadAll(autosave(3)), before);
    }
    QCOMPARE(
        QDir(Data->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
        kind == QLatin1String("fifo") ? 2 : 1);
}

QTEST_MAIN(AutosaveTests)
#include "AutosaveTests.moc"
