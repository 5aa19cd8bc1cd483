// The session, the one writer of the game in the window: each command announces what changed,
// once, and only when it changed; a refused command announces nothing. Tested without a window.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "GameSession.h"
#include "GameSaveData.h"

class GameSessionTests : public QObject {
    Q_OBJECT
private slots:
    void EachChangeIsAnnouncedOnceAndOnlyWhenItHappens();
};

void GameSessionTests::EachChangeIsAnnouncedOnceAndOnlyWhenItHappens() {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    TGameSession session(game);
    QSignalSpy state(&session, &TGameSession::StateChanged);
    QSignalSpy played(&session, &TGameSession::MatchdayPlayed);
    QSignalSpy replaced(&session, &TGameSession::GameReplaced);
    QSignalSpy unsaved(&session, &TGameSession::UnsavedProgressChanged);
    const auto counts = [&] {
        return QList<qsizetype>{state.count(), played.count(), replaced.count(), unsaved.count()};
    };

    QVERIFY(!session.InvestBuildUp(QStringLiteral("abc")));
    // A refused amount changes nothing.
    QCOMPARE(counts(), (QList<qsizetype>{0, 0, 0, 0}));
    QCOMPARE(session.InvestBuildUp(QStringLiteral("100")), 100);
    QCOMPARE(counts(), (QList<qsizetype>{1, 0, 0, 1}));
    QCOMPARE(unsaved.takeFirst().at(0).toBool(), true);
    session.PlayMatchday();
    session.PlayMatchday();
    // Progress was unsaved already.
    QCOMPARE(counts(), (QList<qsizetype>{3, 2, 0, 0}));

    const QTemporaryDir folder;
    const std::string path =
        QFile::encodeName(folder.filePath(QStringLiteral("a.sav"))).toStdString();
    session.Save(path);
    QCOMPARE(counts(), (QList<qsizetype>{3, 2, 0, 1}));
    QCOMPARE(unsaved.takeFirst().at(0).toBool(), false);
    session.Save(path);
    // Saved already: nothing to announce.
    QCOMPARE(unsaved.count(), 0);

    QVERIFY_THROWS_EXCEPTION(EZnLoadError, session.Load(path + ".missing"));
    // A refused file changes nothing.
    QCOMPARE(counts(), (QList<qsizetype>{3, 2, 0, 0}));
    QCOMPARE(game.Matchday, 2);
    session.NewGame({});
    // A new game: nothing unsaved either way.
    QCOMPARE(counts(), (QList<qsizetype>{3, 2, 1, 0}));
    session.PlayMatchday();
    session.Load(path);
    QCOMPARE(game.Matchday, 2);
    QCOMPARE(counts(), (QList<qsizetype>{4, 3, 2, 2}));
}

QTEST_MAIN(GameSessionTests)
#include "GameSessionTests.moc"
