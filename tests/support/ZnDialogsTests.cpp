// The message box the real dialogs show, built without being shown.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ZnDialogs.h"

class ZnDialogsTests : public QObject {
    Q_OBJECT

private slots:
    void MessageBoxShowsMarkupAsTextOnItsOwnLines();
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

QTEST_MAIN(ZnDialogsTests)
#include "ZnDialogsTests.moc"
