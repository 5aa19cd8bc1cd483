// The files shipped beside the executable: the club names must decode to sixteen distinct names
// in code page 932, the build must copy them unchanged, and the compiled-in icon must load.

#include "ZnTeamNames.h"

#include <set>
#include <string>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class DataFilesTests : public QObject {
    Q_OBJECT

private slots:
    void TeamNamesAreSixteenDistinctCp932Lines();
    void BuildCopiesFilesUnchanged_data();
    void BuildCopiesFilesUnchanged();
    void HelpPageIsSelfContainedUtf8();
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

void DataFilesTests::BuildCopiesFilesUnchanged_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("club names") << QStringLiteral("TeamNameList.txt");
    QTest::newRow("help page") << QStringLiteral("goalrun_help.html");
}

void DataFilesTests::BuildCopiesFilesUnchanged() {
    QFETCH(QString, name);
    const QByteArray source = ReadAll(QStringLiteral(GOALRUN_DATA_DIR "/") + name);
    const QByteArray copy = ReadAll(QStringLiteral(GOALRUN_APP_DIR "/") + name);
    QVERIFY(!source.isEmpty());
    QCOMPARE(copy, source);
}

void DataFilesTests::HelpPageIsSelfContainedUtf8() {
    const QByteArray bytes = ReadAll(QStringLiteral(GOALRUN_DATA_DIR "/goalrun_help.html"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString page = utf8.decode(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(page.contains(QStringLiteral("<meta charset=\"UTF-8\">")));
    // Nothing may be fetched when the page opens: no scripts, style sheets or pictures from
    // elsewhere, and no web addresses at all.
    static const QRegularExpression external(
        QStringLiteral("<script|<link|<img|<iframe|https?:|@import|url\\((?!#)"),
        QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(!page.contains(external), qPrintable(external.match(page).captured()));
    for (const char* word : {"順位表", "対戦表", "賞金一覧", "順位推移", "強化費投入", "試合開始",
                             "次季へ", "メッセージクリア", "8億1920万円", "1万円", "savedata"})
        QVERIFY2(page.contains(QString::fromUtf8(word)), word);
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
