// The files shipped beside the executable: the club names must decode to sixteen distinct names
// in code page 932, the build must copy them unchanged, and the compiled-in icon must load. A
// club-name file of any other kind costs no more than the shipped one.

#include "ZnTeamNames.h"

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray SixteenNames() {
    QByteArray bytes;
    for (int i = 0; i < 16; ++i)
        bytes += "Club" + QByteArray::number(i) + "\r\n";
    return bytes;
}

QStringList SixteenNameList() {
    return QString::fromLatin1(SixteenNames()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

class DataFilesTests : public QObject {
    Q_OBJECT

private slots:
    void TeamNamesAreSixteenDistinctCp932Lines();
    void NameFilesCostNoMoreThanTheShippedOne_data();
    void NameFilesCostNoMoreThanTheShippedOne();
    void BuildCopiesFilesUnchanged_data();
    void BuildCopiesFilesUnchanged();
    void HelpPagesAreSelfContainedUtf8_data();
    void HelpPagesAreSelfContainedUtf8();
    void IconLoadsAtEverySize_data();
    void IconLoadsAtEverySize();
};

void DataFilesTests::TeamNamesAreSixteenDistinctCp932Lines() {
    const QByteArray bytes = ReadAll(QStringLiteral(GOALRUN_DATA_DIR "/TeamNameList.txt"));
    QVERIFY(!bytes.isEmpty());
    // Every line ends with CR LF, so the file reads the same on any platform's tools.
    QCOMPARE(bytes.count("\r\n"), 16);
    QCOMPARE(bytes.count('\n'), 16);
    QVERIFY(bytes.endsWith("\r\n"));

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    Q_UNUSED(asUtf8)
    QVERIFY2(utf8.hasError(), "the file must be code page 932, not UTF-8");

    QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
    QVERIFY(sjis.isValid());
    const QString text = sjis.decode(bytes);
    QVERIFY(!sjis.hasError());
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QStringEncoder back("windows-31j", QStringEncoder::Flag::Stateless);
    QCOMPARE(QByteArray(back.encode(text)), bytes);

    const std::vector<std::string> names = DecodeTeamNames(bytes);
    QCOMPARE(names.size(), std::size_t{16});
    std::set<std::string> distinct;
    for (const std::string& name : names) {
        QVERIFY(!name.empty());
        QVERIFY2(QString::fromStdString(name).trimmed() == QString::fromStdString(name),
                 name.c_str());
        distinct.insert(name);
    }
    QCOMPARE(distinct.size(), std::size_t{16});
}

void DataFilesTests::NameFilesCostNoMoreThanTheShippedOne_data() {
    QTest::addColumn<QString>("kind"); // "file", "fifo" or the path of a device
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("size"); // the file is extended (sparse) to this size
    QTest::addColumn<QStringList>("expected");
    const QString markup = QStringLiteral("<font color=red size=7>WARNING</font>");
    const QString file = QStringLiteral("file");
    QTest::newRow("FIFO") << QStringLiteral("fifo") << QByteArray() << qint64{0} << QStringList();
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << QByteArray() << qint64{0}
                               << QStringList();
    QTest::newRow("100 MB file") << file << SixteenNames() << qint64{100'000'000}
                                 << SixteenNameList();
    QTest::newRow("10 MB line after the names")
        << file << SixteenNames() + QByteArray(10'000'000, 'x') + "\n"
        << qint64{0} << SixteenNameList();
    QTest::newRow("10 MB line first") << file << QByteArray(10'000'000, 'x') + "\n" + SixteenNames()
                                      << qint64{0} << QStringList();
    QTest::newRow("long names cut")
        << file << QString(QString(70, u'あ') + "\n" + QString(64, u'x') + "yz").toUtf8()
        << qint64{0} << QStringList({QString(64, u'あ'), QString(64, u'x')});
    QTest::newRow("control and bidirectional characters dropped")
        << file
        << QStringLiteral("A\tB\u007F\u0085\u202EC\u2066\u061C\u200FD\u0000\r\n%1")
               .arg(markup)
               .toUtf8()
        << qint64{0} << QStringList({QStringLiteral("ABCD"), markup});
}

void DataFilesTests::NameFilesCostNoMoreThanTheShippedOne() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, head);
    QFETCH(qint64, size);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("TeamNameList.txt"));
    if (kind == QStringLiteral("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QStringLiteral("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(head), head.size());
        QVERIFY(size == 0 || file.resize(size));
    } else {
        path = kind;
    }

    // A reader that waits on the FIFO is released after a while by a writer that comes and goes,
    // so a faulty reader fails the test by its time instead of hanging it.
    const std::jthread release([fifo = QFile::encodeName(path)](std::stop_token stop) {
        std::mutex mutex;
        std::unique_lock lock(mutex);
        std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(3),
                                               [] { return false; });
        const int fd = stop.stop_requested() ? -1 : ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    });
    QElapsedTimer timer;
    timer.start();
    const std::vector<std::string> names = ReadTeamNameFile(path);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QStringList got;
    for (const std::string& name : names)
        got << QString::fromStdString(name);
    QCOMPARE(got, expected);
}

void DataFilesTests::BuildCopiesFilesUnchanged_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("club names") << QStringLiteral("TeamNameList.txt");
    QTest::newRow("help page") << QStringLiteral("goalrun_help.html");
    QTest::newRow("English help page") << QStringLiteral("goalrun_help_en.html");
}

void DataFilesTests::BuildCopiesFilesUnchanged() {
    QFETCH(QString, name);
    const QByteArray source = ReadAll(QStringLiteral(GOALRUN_DATA_DIR "/") + name);
    const QByteArray copy = ReadAll(QStringLiteral(GOALRUN_APP_DIR "/") + name);
    QVERIFY(!source.isEmpty());
    QCOMPARE(copy, source);
}

void DataFilesTests::HelpPagesAreSelfContainedUtf8_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("Japanese") << QStringLiteral("goalrun_help.html") << QStringLiteral("ja")
                              << QStringList{"順位表",   "対戦表",           "賞金一覧",
                                             "順位推移", "強化費投入",       "試合開始",
                                             "次季へ",   "メッセージクリア", "8億1920万円",
                                             "1万円",    "savedata"};
    QTest::newRow("English") << QStringLiteral("goalrun_help_en.html") << QStringLiteral("en")
                             << QStringList{"Invest",       "Play Match", "Next Season",
                                            "¥819,200,000", "¥10,000",    "savedata"};
}

// Each page is whole in itself, and the translation keeps the Japanese page's sections and links
// and holds no untranslated Japanese.
void DataFilesTests::HelpPagesAreSelfContainedUtf8() {
    QFETCH(QString, name);
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    const auto read = [](const QString& file) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString page = utf8.decode(ReadAll(QStringLiteral(GOALRUN_DATA_DIR "/") + file));
        return utf8.hasError() ? QString() : page;
    };
    const QString page = read(name);
    QVERIFY(page.contains(QStringLiteral("<meta charset=\"UTF-8\">")));
    QVERIFY(page.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
    // Nothing may be fetched when the page opens: no scripts, style sheets or pictures from
    // elsewhere, and no web addresses at all.
    static const QRegularExpression external(
        QStringLiteral("<script|<link|<img|<iframe|https?:|@import|url\\((?!#)"),
        QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(!page.contains(external), qPrintable(external.match(page).captured()));
    for (const QString& word : words)
        QVERIFY2(page.contains(word), qPrintable(word));
    static const QRegularExpression anchor(QStringLiteral("(?:id|href)=\"[^\"]*\""));
    const auto anchors = [](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& match : anchor.globalMatch(text))
            found << match.captured();
        return found;
    };
    QCOMPARE(anchors(page), anchors(read(QStringLiteral("goalrun_help.html"))));
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]+"));
    if (language != QLatin1String("ja"))
        QVERIFY2(!page.contains(japanese), qPrintable(japanese.match(page).captured()));
}

void DataFilesTests::IconLoadsAtEverySize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("main") << QStringLiteral(":/icons/goalrun.png") << 256;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/goalrun-%1.png").arg(size);
        QTest::newRow(qPrintable(path)) << path << size;
    }
}

void DataFilesTests::IconLoadsAtEverySize() {
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // The rounded corners stay transparent, the middle is painted.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

QTEST_MAIN(DataFilesTests)
#include "DataFilesTests.moc"
