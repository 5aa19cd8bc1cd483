// The catalogs as the window and goalrun-cli read them: one language for each
// translations/goalrun_<code>.ts the build found, and the engine's words of each looked up in it.
// That each translation shows the values its source shows is the catalog check's
// (TranslationFilesTest): the same places in the same order.

#include "ZnCatalog.h"

#include <string>

#include <QDir>
#include <QTest>

#include "ZnMessageText.h"
#include "ZnWording.h"

class CatalogTests : public QObject {
    Q_OBJECT
private slots:
    void LanguagesAreTheCatalogsPresent();
    void EnglishWordsComeFromTheCatalog();
};

void CatalogTests::LanguagesAreTheCatalogsPresent() {
    QStringList codes{QStringLiteral("ja")};
    for (const QString& file :
         QDir(QStringLiteral(GOALRUN_TRANSLATIONS_DIR))
             .entryList({QStringLiteral("goalrun_*.ts")}, QDir::Files, QDir::Name))
        codes << file.mid(8, file.size() - 11);
    QCOMPARE(CatalogLanguages(), codes);
    QVERIFY(codes.contains(QStringLiteral("en")));
    for (const QString& code : codes) {
        const TZnWording* wording = CatalogWording(code);
        QVERIFY(wording != nullptr);
        QCOMPARE(QString::fromStdString(wording->Code), code);
        QCOMPARE(CatalogWording(code), wording); // made once, kept
    }
    QCOMPARE(CatalogWording(QStringLiteral("ja")), &Japanese());
    QCOMPARE(CatalogWording(QStringLiteral("xx")), nullptr);
    QCOMPARE(CatalogWording(QStringLiteral("../i18n/goalrun_en")), nullptr);
}

// English money is the amount of 万円 written out in yen; no Japanese byte in any English text.
void CatalogTests::EnglishWordsComeFromTheCatalog() {
    const TZnWording& en = *CatalogWording(QStringLiteral("en"));
    QCOMPARE(en.Money(20000), "¥200,000,000");
    QCOMPARE(en.Money(1), "¥10,000");
    QCOMPARE(en.Money(0), "¥0");
    QCOMPARE(en.Money(-3), "¥0");
    QCOMPARE(en.Money(2147483647), "¥21,474,836,470,000");
    QCOMPARE(MessageText(en, {TZnMessageId::MatchWon, {7, 1}, "B"}),
             "Matchday 7, away: won against B!");
    QCOMPARE(MessageText(en, {TZnMessageId::RecordsDamaged, {0b1010}}),
             "Could not read the records of past seasons, this season's matches of your club: "
             "damaged in the file.");
    QCOMPARE(SeasonName(en, 0), "Season 1");
    QCOMPARE(en.NextMatch, "Matchday %1: %2 - %3");
    std::vector<std::string> texts = {en.ProductTitle,   en.None,         en.LastResult,
                                      en.SeasonName,     en.Odds,         en.PredictionLow,
                                      en.PredictionHigh, en.Prediction,   en.Title,
                                      en.CannotOpen,     en.CannotCreate, en.Money(12345)};
    texts.insert(texts.end(), en.RankCaptions.begin(), en.RankCaptions.end());
    texts.insert(texts.end(), en.ClubCaptions.begin(), en.ClubCaptions.end());
    texts.insert(texts.end(), en.Outcomes.begin(), en.Outcomes.end());
    texts.insert(texts.end(), en.RecordKinds.begin(), en.RecordKinds.end());
    texts.insert(texts.end(), en.Venues.begin(), en.Venues.end());
    texts.push_back(en.AmountUnit);
    for (size_t id = 0; id < MessageCount; ++id)
        texts.push_back(MessageText(en, {static_cast<TZnMessageId>(id), {1, 1, 15, 1}, "A"}));
    for (const std::string& text : texts)
        QVERIFY2(text.find_first_of("\xE3\xE4\xE5\xE6\xE7\xE8\xE9") == std::string::npos,
                 text.c_str());
}

QTEST_GUILESS_MAIN(CatalogTests)
#include "CatalogTests.moc"
