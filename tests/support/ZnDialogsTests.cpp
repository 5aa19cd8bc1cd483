// The message box the real dialogs show, built without being shown.

#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

#include "ZnDialogs.h"
#include "ZnTranslation.h"

class ZnDialogsTests : public QObject {
    Q_OBJECT

private slots:
    void MessageBoxShowsMarkupAsTextOnItsOwnLines();
    void DetailsAreOfferedOnlyWhenGiven();
    void QtTranslationMakesStandardButtonsJapanese();
};

void ZnDialogsTests::MessageBoxShowsMarkupAsTextOnItsOwnLines() {
    const QString name = QStringLiteral("/tmp/<font color=red size=7>WARNING</font>.sav");
    const auto box =
        MakeMessageBox(name + QStringLiteral("\r\nファイルは開けません"), QStringLiteral("エラー"),
                       QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, nullptr);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->text(), name + QStringLiteral("\nファイルは開けません"));
    // The label that shows the text is plain too, and breaks the line where the text does.
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), box->text());
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Ok));
}

void ZnDialogsTests::DetailsAreOfferedOnlyWhenGiven() {
    const QString reason = QStringLiteral("<b>ファイルが短すぎます。</b>");
    const auto with =
        MakeMessageBox(QStringLiteral("x"), QStringLiteral("エラー"), QMessageBox::Critical,
                       QMessageBox::Ok, QMessageBox::Ok, nullptr, reason);
    QCOMPARE(with->detailedText(), reason);
    const auto without =
        MakeMessageBox(QStringLiteral("x"), QStringLiteral("エラー"), QMessageBox::Critical,
                       QMessageBox::Ok, QMessageBox::Ok, nullptr);
    QVERIFY(without->detailedText().isEmpty());
}

void ZnDialogsTests::QtTranslationMakesStandardButtonsJapanese() {
    const QString file =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
    if (!QFileInfo::exists(file))
        QSKIP("Qt's Japanese translation is not installed");
    QVERIFY(SetWindowLanguage(QStringLiteral("ja")));
    const auto box =
        MakeMessageBox(QStringLiteral("x"), QStringLiteral("確認"), QMessageBox::Question,
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, nullptr);
    QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

QTEST_MAIN(ZnDialogsTests)
#include "ZnDialogsTests.moc"
