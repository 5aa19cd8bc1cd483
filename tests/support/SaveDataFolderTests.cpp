#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ZnUtils.h"

// The save slots stay beside a portable program and move to the per-user data folder for an
// installation the player cannot write.
class SaveDataFolderTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(Home.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(Home.path() + QStringLiteral("/data")));
    }

    void WritableProgramFolderKeepsTheSlotsBesideIt() {
        QTemporaryDir app;
        QCOMPARE(SaveDataFolder(app.path()), app.path() + QStringLiteral("/savedata/"));
        QCOMPARE(SaveDataFolder(app.path() + QLatin1Char('/')),
                 app.path() + QStringLiteral("/savedata/"));
    }

    void ReadOnlyProgramFolderUsesThePerUserFolder() {
        QTemporaryDir app;
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QVERIFY(!IsWritableFolder(app.path()));
        QCOMPARE(SaveDataFolder(app.path()),
                 Home.path() + QStringLiteral("/data/goalrun/savedata/"));
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(IsWritableFolder(app.path()));
    }

    void InstalledProgramFolderUsesThePerUserFolderEvenWhenWritable() {
        QTemporaryDir app;
        QFile marker(app.filePath(QStringLiteral("goalrun.installed")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        QCOMPARE(SaveDataFolder(app.path()),
                 Home.path() + QStringLiteral("/data/goalrun/savedata/"));
    }

    void MissingProgramFolderIsNotWritable() {
        QVERIFY(!IsWritableFolder(Home.path() + QStringLiteral("/none")));
    }

private:
    QTemporaryDir Home;
};

QTEST_GUILESS_MAIN(SaveDataFolderTests)
#include "SaveDataFolderTests.moc"
