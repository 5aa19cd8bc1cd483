// The local sockets of the single-copy channel, each side against the other in one process: what
// a second copy's blocking calls answer, and how a first copy's connection buffers and ends.

#include "ZnLocalChannel.h"

#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

class LocalChannelTests : public QObject {
    Q_OBJECT
private slots:
    void init();
    void ClientCallsAnswerDoneSilentOrEnded();
    void ConnectionReadsUpToItsLimitAndEndsAfterTheLastBytes();

private:
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<TZnLocalServer> Server;
    std::vector<TZnLocalConnection*> Accepted;
    QStringList Seen; // the first connection's calls: the bytes buffered, or "ended"
    QString Path;
    qsizetype ReadLimit = 1024;
};

void LocalChannelTests::init() {
    Folder = std::make_unique<QTemporaryDir>();
    QVERIFY(Folder->isValid());
    Path = Folder->filePath(QStringLiteral("s"));
    Accepted.clear();
    Seen.clear();
    Server = std::make_unique<TZnLocalServer>();
    Server->Accepted = [this](int fd) {
        auto* connection = new TZnLocalConnection(fd, ReadLimit, Server.get());
        if (Accepted.empty()) {
            connection->ReadyRead = [this, connection] {
                Seen << QString::number(connection->BytesAvailable());
            };
            connection->Ended = [this] { Seen << QStringLiteral("ended"); };
        }
        Accepted.push_back(connection);
    };
    QVERIFY2(Server->Listen(Path), qPrintable(Server->ErrorString()));
}

void LocalChannelTests::ClientCallsAnswerDoneSilentOrEnded() {
    using TResult = TZnLocalClient::TResult;
    TZnLocalClient client;
    // Nobody listens there: no waiting for the time given.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!client.Connect(Folder->filePath(QStringLiteral("nobody")), 5000ms));
    QVERIFY(clock.elapsed() < 1000);
    // A path longer than a socket address holds is refused on both sides.
    const QString tooLong = Folder->filePath(QString(120, QLatin1Char('x')));
    QVERIFY(!TZnLocalServer().Listen(tooLong));
    QVERIFY(!client.Connect(tooLong, 100ms));

    QVERIFY(client.Connect(Path, 1000ms));
    QCOMPARE(client.Send("hello", 1000ms), TResult::Done);
    QTRY_COMPARE(Accepted.size(), size_t{1});
    TZnLocalConnection& first = *Accepted.front();
    QTRY_COMPARE(first.BytesAvailable(), qsizetype{5});
    QCOMPARE(first.Read(5), QByteArray("hello"));
    QByteArray got;
    QCOMPARE(client.Receive(8, got, 50ms), TResult::Silent);
    first.Write("ok");
    first.Close();
    QCOMPARE(client.Receive(8, got, 1000ms), TResult::Done);
    QCOMPARE(got, QByteArray("ok"));
    QCOMPARE(client.Receive(8, got, 1000ms), TResult::Ended);
    QVERIFY(!first.IsConnected());
    // The socket is gone with the server; a new client finds nobody.
    Server.reset();
    QVERIFY(!QFileInfo::exists(Path));
    QVERIFY(!client.Connect(Path, 100ms));
}

void LocalChannelTests::ConnectionReadsUpToItsLimitAndEndsAfterTheLastBytes() {
    ReadLimit = 4;
    TZnLocalClient client;
    QVERIFY(client.Connect(Path, 1000ms));
    QCOMPARE(client.Send("abcdefghij", 1000ms), TZnLocalClient::TResult::Done);
    client.Close();
    QTRY_COMPARE(Accepted.size(), size_t{1});
    TZnLocalConnection& connection = *Accepted.front();
    // Never more than the limit buffered; the rest waits until it is read, the end after it.
    QTRY_COMPARE(connection.BytesAvailable(), qsizetype{4});
    QTest::qWait(50);
    QCOMPARE(connection.BytesAvailable(), qsizetype{4});
    QVERIFY(connection.IsConnected());
    QCOMPARE(connection.Read(4), QByteArray("abcd"));
    QTRY_COMPARE(connection.BytesAvailable(), qsizetype{4});
    QCOMPARE(connection.Read(4), QByteArray("efgh"));
    QTRY_VERIFY(!connection.IsConnected());
    QCOMPARE(connection.Read(4), QByteArray("ij"));
    QCOMPARE(Seen, (QStringList{QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("2"),
                                QStringLiteral("ended")}));
}

QTEST_MAIN(LocalChannelTests)
#include "LocalChannelTests.moc"
