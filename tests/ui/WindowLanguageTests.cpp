// The window's language: an English desktop gets an English window, with no Japanese character
// in any text it shows or names, and the menu's switch back gives exactly the Japanese texts.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDateTime>
#include <QDialog>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "GameRecords.h"
#include "GameSeasonRecord.h"
#include "RecordsBookView.h"
#include "SeasonReviewDialog.h"
#include "WindowRig.h"
#include "WindowState.h"
#include "ZnTranslation.h"

namespace {

bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) ||
            (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

// Where `object` stands: its class and name and those of its parents, each with its place
// among the siblings of its class and name. Not its place among all its siblings: the framework
// moves a child to the end when it raises it, as a scroll area does with a scroll bar's frame
// that a longer text has brought, even on a page not shown.
QString PlaceOf(const QObject& object) {
    QString place;
    for (const QObject* o = &object; o != nullptr; o = o->parent()) {
        int same = 0;
        if (o->parent() != nullptr)
            for (const QObject* sibling : o->parent()->children()) {
                if (sibling == o)
                    break;
                same += sibling->metaObject() == o->metaObject() &&
                        sibling->objectName() == o->objectName();
            }
        place.prepend(QStringLiteral("/%1:%2:%3")
                          .arg(QString::fromLatin1(o->metaObject()->className()), o->objectName())
                          .arg(same));
    }
    return place;
}

// Every text the window shows or names, keyed by the object it belongs to and what it is.
QMap<QString, QString> WindowTexts(TFormMain& window) {
    QMap<QString, QString> texts{{QStringLiteral("title"), window.windowTitle()}};
    const auto add = [&texts](const QObject& object, const QString& what, const QString& text) {
        texts.insert(PlaceOf(object) + QLatin1Char(' ') + what, text);
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        add(*widget, QStringLiteral("name"), widget->accessibleName());
        add(*widget, QStringLiteral("tip"), widget->toolTip() + widget->statusTip());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(*widget, QStringLiteral("text"), button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(*widget, QStringLiteral("text"), label->text());
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            add(*widget, QStringLiteral("text"), menu->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(*widget, QStringLiteral("tab%1").arg(i), tabs->tabText(i));
        if (const auto* list = qobject_cast<const QAbstractItemView*>(widget);
            list != nullptr && list->model() != nullptr)
            for (int c = 0; c < list->model()->columnCount(); ++c)
                add(*widget, QStringLiteral("column%1").arg(c),
                    list->model()->headerData(c, Qt::Horizontal).toString());
    }
    const TZnListView& panel = *window.findChild<TZnListView*>(QStringLiteral("ZLVMyClub"));
    for (int32_t row = 0; row < panel.RowCount(); ++row)
        add(panel, QStringLiteral("row%1").arg(row),
            panel.CellText(row, 0) + panel.CellText(row, 1));
    texts.insert(QStringLiteral("log"),
                 window.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText());
    for (const QAction* action : window.findChildren<QAction*>()) {
        // Each language is named in itself.
        if (!action->objectName().startsWith(QStringLiteral("MenuLanguage_")))
            add(*action, QStringLiteral("text"),
                action->text() + action->toolTip() + action->statusTip());
    }
    return texts;
}

// The texts of the boxes a new game, the about entry and a failed load show.
QStringList BoxTexts(TWindowRig& rig) {
    QStringList texts;
    rig.Dialogs.OnExecDialog = [&texts](QDialog& box) {
        texts << box.windowTitle();
        for (const QWidget* child : box.findChildren<QWidget*>())
            texts << child->toolTip() << child->accessibleName();
        return QDialog::Accepted;
    };
    rig.Dialogs.Shown.clear();
    // No new game; the changed game is not saved before the load.
    rig.Dialogs.Answers = {QMessageBox::Cancel, QMessageBox::No};
    rig.Action(QStringLiteral("N9")).trigger();
    rig.Action(QStringLiteral("ZnAboutAction1")).trigger();
    rig.Dialogs.FileAnswers.push_back(rig.Folder.filePath(QStringLiteral("missing.sav")));
    rig.Action(QStringLiteral("FileOpenAct")).trigger();
    for (const auto& shown : rig.Dialogs.Shown)
        texts << shown.Text << shown.Caption << shown.Details << shown.ButtonTexts;
    return texts;
}

} // namespace

class WindowLanguageTests : public QObject {
    Q_OBJECT
private slots:
    void EnglishDesktopGetsEnglishWindowAndTheMenuBringsJapaneseBack();
    void CompiledTranslationsCarryTheCommitsTime();
};

void WindowLanguageTests::EnglishDesktopGetsEnglishWindowAndTheMenuBringsJapaneseBack() {
    // Run under LANGUAGE=en LANG=en_US.UTF-8; the window starts in Japanese, as under C.UTF-8.
    TWindowRig rig;
    rig.Play(3);
    const QMap<QString, QString> japanese = WindowTexts(rig.W());
    const QStringList japaneseBoxes = BoxTexts(rig);
    QCOMPARE(rig.W().windowTitle(), QStringLiteral("ゴールラン"));

    QCOMPARE(StartLanguage(*OpenWindowSettings()), QStringLiteral("en"));
    SetWindowLanguage(QStringLiteral("en"));
    QCoreApplication::processEvents();
    const QMap<QString, QString> english = WindowTexts(rig.W());
    QCOMPARE(english.keys(), japanese.keys());
    for (auto text = english.begin(); text != english.end(); ++text)
        QVERIFY2(!HasJapanese(*text), qPrintable(text.key() + QStringLiteral(": ") + *text));
    for (const QString& text : BoxTexts(rig))
        QVERIFY2(!HasJapanese(text), qPrintable(text));
    QVERIFY(rig.Action(QStringLiteral("MenuLanguage_en")).isChecked());
    // Counts take the language's plural forms: "1 match", "2 matches".
    TZnSeasonReview review = CurrentSeasonReview(rig.Game);
    review.ResultsKnown = true;
    review.LongestUnbeaten = 1;
    review.LongestWinning = 2;
    TSeasonReviewDialog reviewDialog;
    reviewDialog.ShowReview(review, QStringLiteral("A"));
    TZnRecordsBook book;
    book.Seasons = 1;
    book.LongestUnbeaten = TZnRecordEntry{1, 0};
    TRecordsBookView records;
    records.ShowRecords(book);
    QStringList counts;
    for (const auto* table :
         {reviewDialog.findChild<QTableWidget*>(), records.findChild<QTableWidget*>()})
        for (int row = 0; row < table->rowCount(); ++row)
            counts << table->item(row, 1)->text();
    QVERIFY2(counts.contains(QStringLiteral("1 match")) &&
                 counts.contains(QStringLiteral("2 matches")) &&
                 counts.contains(QStringLiteral("1 match (Season 1)")),
             qPrintable(counts.join(QLatin1Char('|'))));
    // F1 opens the English help page, the Japanese one while there is none.
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    for (const bool english : {false, true}) {
        if (english) {
            QFile page(rig.Folder.filePath(base + QStringLiteral("_help_en.html")));
            QVERIFY(page.open(QIODevice::WriteOnly));
            SetWindowLanguage(QStringLiteral("en"));
            QCoreApplication::processEvents();
        }
        rig.Action(QStringLiteral("ZnViewHelpHtmlAction1")).trigger();
        QCOMPARE(rig.Opener.Opened.back().fileName(),
                 base + (english ? QStringLiteral("_help_en.html") : QStringLiteral("_help.html")));
    }

    // The menu switches back at once, and the choice wins over the desktop's from then on.
    rig.Action(QStringLiteral("MenuLanguage_ja")).trigger();
    QCoreApplication::processEvents();
    QCOMPARE(WindowTexts(rig.W()), japanese);
    QCOMPARE(BoxTexts(rig), japaneseBoxes);
    QCOMPARE(StartLanguage(*OpenWindowSettings()), QStringLiteral("ja"));
}

// Two builds of one commit give the same program: each compiled translation keeps the commit's
// time, not the time it was compiled.
void WindowLanguageTests::CompiledTranslationsCarryTheCommitsTime() {
    if (GOALRUN_RESOURCE_TIME < 0)
        QSKIP("the build does not know the commit's time");
    QStringList files;
    for (QDirIterator entries(QStringLiteral(":/i18n")); entries.hasNext();) {
        const QFileInfo file(entries.next());
        QCOMPARE(file.lastModified().toSecsSinceEpoch(), GOALRUN_RESOURCE_TIME);
        files << file.fileName();
    }
    QVERIFY(files.contains(QStringLiteral("goalrun_en.qm")));
}

QTEST_MAIN(WindowLanguageTests)
#include "WindowLanguageTests.moc"
