// The window's keys, hints and names: shortcuts and their tool tips, the file entries of the
// ゲーム menu, the slot entries' tips, and the names a screen reader speaks.

#include <QAccessible>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QTest>

#include "ConstsGoalrun.h"
#include "GameSeasonRecord.h"
#include "TimeBound.h"
#include "WindowRig.h"
#include "ZnMoneyText.h"
#include "ZnStream.h"

class WindowKeysTests : public QObject {
    Q_OBJECT
private slots:
    void ShortcutsTriggerTheirCommandsAndShowInTips();
    void FileEntriesRunTheFileCommands();
    void SlotTipsDescribeTheSavedGameOrSayEmpty();
    void ScreenReaderNamesEveryVisibleControlAndNoHiddenOne();
};

void WindowKeysTests::ShortcutsTriggerTheirCommandsAndShowInTips() {
    TWindowRig rig;
    const std::pair<const char*, const char*> keys[] = {
        {"N9", "Ctrl+N"},           {"ActGame", "F5"},         {"ActNextSeason", "F6"},
        {"FileOpenAct", "Ctrl+O"},  {"FileSaveAct", "Ctrl+S"}, {"FileSaveAsAct", "Ctrl+Shift+S"},
        {"ZnExitAction1", "Ctrl+Q"}};
    for (const auto& [name, key] : keys) {
        QCOMPARE(rig.Action(QString::fromLatin1(name)).shortcut(), QKeySequence(key));
        QVERIFY(!rig.Action(QString::fromLatin1(name)).statusTip().isEmpty());
    }
    QCOMPARE(rig.Find<QShortcut>("ShortcutBuildUp").key(), QKeySequence(QStringLiteral("Ctrl+B")));
    QCOMPARE(rig.Button("BtnGame").toolTip(), QStringLiteral("試合開始 (F5)"));
    // The tip names the command without its mnemonic and closing dots: "開く(&O)...".
    QCOMPARE(rig.Action(QStringLiteral("FileOpenAct")).toolTip(), QStringLiteral("開く (Ctrl+O)"));
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").toolTip(),
             QStringLiteral("強化費(万円) (Ctrl+B)"));

    TFormMain& window = rig.W();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F5);
    QCOMPARE(rig.Game.Matchday, 1);
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(rig.Find<QComboBox>("ComboBoxBuildUp").lineEdit()->hasFocus());
    rig.Button("BtnGame").setFocus();
    QTest::keyClick(&rig.Button("BtnGame"), Qt::Key_Return);
    QCOMPARE(rig.Game.Matchday, 2);
    rig.Dialogs.Answers = {QMessageBox::Ok};                  // discard the two matchdays
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); // an entry of the menu bar
    QVERIFY(!window.isVisible());
}

void WindowKeysTests::FileEntriesRunTheFileCommands() {
    TWindowRig rig;
    const QString path = rig.Folder.filePath(QStringLiteral("mine.sav"));
    rig.Play(3);
    // 上書き保存 of an untitled game asks for a name, then saves there.
    rig.Dialogs.FileAnswers = {path};
    rig.Action("FileSaveAct").trigger();
    QVERIFY(QFileInfo(path).isFile());
    rig.Play(2);
    // 開く of an unchanged file asks only about the unsaved matchdays and loads the file chosen.
    rig.Dialogs.FileAnswers = {path};
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Action("FileOpenAct").trigger();
    QCOMPARE(rig.Game.Matchday, 3);
    QCOMPARE(rig.Dialogs.Shown.size(), 1u);
}

void WindowKeysTests::SlotTipsDescribeTheSavedGameOrSayEmpty() {
    TWindowRig rig;
    rig.Play(4);
    rig.Slot("MIDataSave", 3).trigger();
    rig.Action("ActMILoad").trigger();
    const QString summary = rig.Slot("MIDataLoad", 3).statusTip();
    QVERIFY2(
        summary.startsWith(QStringLiteral("1季目 第4節まで %1位 資金%2円 (")
                               .arg(rig.Game.MyClub().Rank + 1)
                               .arg(QString::fromStdString(MoneyText(rig.Game.Coach().Money)))),
        qPrintable(summary));
    QCOMPARE(rig.Slot("MIDataLoad", 3).toolTip(), summary);
    QCOMPARE(rig.Slot("MIDataLoad", 0).toolTip(), QStringLiteral("空き"));

    // A season won: the file keeps no finished flag, the tip still says so.
    rig.Game.Coach().Money = 2000000000;
    while (rig.Game.CanPlayMatchday()) {
        rig.Game.InvestBuildUp("5000000");
        rig.Game.PlayMatchday();
    }
    QVERIFY(rig.Game.Finished);
    rig.Slot("MIDataSave", 4).trigger();
    rig.Action("ActMILoad").trigger();
    QVERIFY2(rig.Slot("MIDataLoad", 4).toolTip().startsWith(QStringLiteral("1季目 優勝 1位 ")),
             qPrintable(rig.Slot("MIDataLoad", 4).toolTip()));

    // Ten slots of the longest career (about 700 KB each) open the menu at once (aim: 20 ms),
    // the tip the same as for the short file; a broken image still says so.
    TZnGameGoalrun longest(KeepSeedSource());
    longest.NewGame();
    for (int i = 0; i < 4; ++i)
        longest.PlayMatchday();
    for (int32_t s = 0; s < static_cast<int32_t>(CareerCapacity); ++s) {
        longest.Career.Append({s, 3, 40, 10, 10, 10, 30, 30, PrizeTable[3], 5000, 2, false});
        longest.Career.Details.back() = CurrentSeasonDetail(longest);
    }
    longest.Season = static_cast<int32_t>(CareerCapacity);
    TZnWriteStream stream;
    longest.SaveToStream(stream);
    QVERIFY(stream.Bytes.size() > 600'000);
    const QByteArray bytes(reinterpret_cast<const char*>(stream.Bytes.data()),
                           static_cast<qsizetype>(stream.Bytes.size()));
    for (int n = 0; n < 10; ++n) {
        QFile file(rig.Folder.filePath(
            QStringLiteral("savedata/%1savedata.sav").arg(n, 2, 10, QChar('0'))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(n == 9 ? bytes.left(5000) : bytes);
    }
    qint64 best = -1;
    for (int i = 0; i < 3; ++i) {
        TCpuTimer timer;
        timer.start();
        rig.Action("ActMILoad").trigger();
        best = best < 0 ? timer.nsecsElapsed() : std::min(best, timer.nsecsElapsed());
    }
    qInfo("ten slots of the longest career: %.2f ms", static_cast<double>(best) / 1e6);
    QVERIFY2(best < TimeBound(20'000'000), qPrintable(QString::number(best)));
    QVERIFY2(rig.Slot("MIDataLoad", 0).toolTip().startsWith(QStringLiteral("10001季目 第4節まで ")),
             qPrintable(rig.Slot("MIDataLoad", 0).toolTip()));
    QVERIFY(
        rig.Slot("MIDataLoad", 9).toolTip().startsWith(QStringLiteral("読み込めないファイル (")));
}

namespace {

// The names of every accessible object under `iface`.
void CollectNames(QAccessibleInterface& iface, QStringList& names) {
    for (int i = 0; i < iface.childCount(); ++i) {
        if (QAccessibleInterface* child = iface.child(i)) {
            names << child->text(QAccessible::Name);
            CollectNames(*child, names);
        }
    }
}

} // namespace

void WindowKeysTests::ScreenReaderNamesEveryVisibleControlAndNoHiddenOne() {
    TWindowRig rig;
    // The box's field, which takes the focus, speaks the label's text; on this desktop the combo
    // box itself speaks its value and points to its label.
    auto& combo = rig.Find<QComboBox>("ComboBoxBuildUp");
    const auto labels =
        QAccessible::queryAccessibleInterface(&combo)->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->object(), &rig.Find<QLabel>("Label1"));
    const std::pair<QWidget*, QString> named[] = {
        {combo.lineEdit(), QStringLiteral("強化費(万円)")},
        {&rig.Find<QWidget>("RichEdit1"), QStringLiteral("メッセージ")},
        {&rig.Find<QWidget>("ZLVMyClub"), QStringLiteral("担当チーム")},
        {&rig.Find<QWidget>("ZLVRankTable"), QStringLiteral("順位表")},
        {&rig.Find<QWidget>("ZRankChart"), QStringLiteral("順位推移のグラフ")},
    };
    for (const auto& [widget, expected] : named)
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), expected);
    rig.ShowPage("TabSheet4");
    rig.Play(3);
    QCOMPARE(rig.Find<QWidget>("ZRankChart").accessibleDescription(),
             QStringLiteral("P: 第3節 %1位 勝点%2")
                 .arg(rig.Game.MyClub().Rank + 1)
                 .arg(rig.Game.MyClub().Points));

    QStringList names;
    CollectNames(*QAccessible::queryAccessibleInterface(&rig.W()), names);
    QVERIFY(names.contains(QStringLiteral("メッセージ")));
    QVERIFY(!names.contains(QStringLiteral("BtnGame30")));
}

QTEST_MAIN(WindowKeysTests)
#include "WindowKeysTests.moc"
