// The career page and the help window, each on its own, as the main window will hold them.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "CareerPage.h"
#include "GameCareer.h"
#include "HelpViewer.h"
#include "TimeBound.h"

class CareerPageTests : public QObject {
    Q_OBJECT
private slots:
    void TableListsSeasonsNewestFirstAndChartShowsTheirLines();
    void TenThousandSeasonsShowAndDrawInTime();
    void HelpLinksStayInsideAndAddressesGoToTheDesktop();
};

void CareerPageTests::TableListsSeasonsNewestFirstAndChartShowsTheirLines() {
    TZnCareer career;
    career.Append({0, 4, 48, 14, 6, 10, 40, 33, 5120, 21000, 3, false});
    career.Append({1, 0, 70, 22, 4, 4, 61, 20, 81920, 112345, 5, true});
    career.Append({2, 15, 12, 2, 6, 22, 18, 70, 1, 9999, 6, false});
    TCareerPage page;
    page.resize(700, 500);
    page.Refresh(career);
    auto* table = page.findChild<QTableView*>(QStringLiteral("ListViewCareer"));
    auto* chart = page.findChild<TZnCareerChart*>(QStringLiteral("ZCareerChart"));
    QVERIFY(table != nullptr && chart != nullptr);
    const QAbstractItemModel& model = *table->model();
    QStringList captions;
    for (int c = 0; c < model.columnCount(); ++c)
        captions << model.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(captions.join(u' '),
             QStringLiteral("季 順位 勝点 勝 分 負 得点 失点 賞金 資金 レベル 優勝"));
    QCOMPARE(model.rowCount(), 3);
    auto row = [&model](int r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells << model.index(r, c).data().toString();
        return cells.join(u'|');
    };
    QCOMPARE(row(0), QStringLiteral("3|16|12|2|6|22|18|70|1万円|9999万円|6|"));
    QCOMPARE(row(1), QStringLiteral("2|1|70|22|4|4|61|20|8億1920万円|11億2345万円|5|★"));
    QCOMPARE(row(2), QStringLiteral("1|5|48|14|6|10|40|33|5120万円|2億1000万円|3|"));

    QCOMPARE(chart->Seasons().size(), size_t{3});
    QCOMPARE(chart->ToolTipAt(chart->RankPosition(1)),
             QStringLiteral("2季 1位 勝点70 22勝4分4敗 得点61 失点20\n"
                            "賞金8億1920万円 資金11億2345万円 レベル5 優勝"));
    QVERIFY(!chart->accessibleDescription().isEmpty());

    page.Refresh(TZnCareer{});
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(table->isHidden());
    QVERIFY(chart->Seasons().empty());
    QCOMPARE(chart->accessibleDescription(), QStringLiteral("まだ終えたシーズンはありません。"));
}

void CareerPageTests::TenThousandSeasonsShowAndDrawInTime() {
    TZnCareer career;
    for (int s = 0; s < 10000; ++s)
        career.Append({s, s % 16, 45, 13, 6, 11, 40, 35, 160, 20000 + s, 3 + s / 100, s % 16 == 0});
    TCareerPage page;
    page.resize(800, 600);
    page.show();
    qint64 ns = std::numeric_limits<qint64>::max(); // the best of three, on a busy machine
    QPixmap pixmap;
    for (int i = 0; i < 3; ++i) {
        page.Refresh(TZnCareer{});
        TCpuTimer timer;
        timer.start();
        page.Refresh(career);
        pixmap = page.grab();
        ns = std::min(ns, timer.nsecsElapsed());
    }
    qInfo("10,000 seasons, 800x600 page, refresh and draw: %.2f ms", static_cast<double>(ns) / 1e6);
    // The aim is 50 ms on a quiet machine (the README's figure); tests share the machine with
    // others, so this bound only catches a slowdown of a different order.
    QVERIFY2(ns < TimeBound(250'000'000), qPrintable(QString::number(ns)));
    QCOMPARE(page.findChild<QTableView*>()->model()->index(0, 0).data().toString(),
             QStringLiteral("10000"));
}

void CareerPageTests::HelpLinksStayInsideAndAddressesGoToTheDesktop() {
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("help")));
    auto write = [&folder](const char* name, const char* html) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(html);
    };
    write("help/help.html", "<meta charset=\"UTF-8\"><p>目次</p><p id=\"end\">終わり</p>");
    write("help/more.html", "<meta charset=\"UTF-8\"><p>続きのページ</p>");
    write("help/notes.txt", "手元のメモ");
    write("outside.html", "<p>外のファイル</p>");
    std::vector<QUrl> opened;
    const auto opener = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    QWidget window;
    const QString help = folder.filePath(QStringLiteral("help/help.html"));
    THelpViewer* viewer = THelpViewer::Show(&window, help, opener);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("ゴールラン ヘルプ"));
    QTextBrowser& browser = *viewer->Browser();
    QVERIFY(browser.toPlainText().contains(QStringLiteral("目次")));

    // Web addresses go to the desktop; other schemes and local files beyond the help pages
    // are not followed at all.
    for (const char* link :
         {"https://example.org/goalrun", "http://example.org/", "mailto:coach@example.org",
          "ftp://example.org/x", "file:///etc/hostname", "../outside.html", "notes.txt",
          "help:more.html"})
        emit browser.anchorClicked(QUrl(QString::fromLatin1(link)));
    QCOMPARE(opened, (std::vector<QUrl>{QUrl(QStringLiteral("https://example.org/goalrun")),
                                        QUrl(QStringLiteral("http://example.org/"))}));
    QCOMPARE(browser.source(), QUrl::fromLocalFile(help));
    QVERIFY(browser.toPlainText().contains(QStringLiteral("目次")));

    emit browser.anchorClicked(QUrl(QStringLiteral("#end")));
    QCOMPARE(browser.source().fragment(), QStringLiteral("end"));
    emit browser.anchorClicked(QUrl(QStringLiteral("more.html")));
    QVERIFY(browser.toPlainText().contains(QStringLiteral("続きのページ")));
    QCOMPARE(opened.size(), size_t{2});
    emit browser.anchorClicked(QUrl(QStringLiteral("../outside.html")));
    QVERIFY(browser.toPlainText().contains(QStringLiteral("続きのページ")));
    viewer->findChild<QToolButton*>(QStringLiteral("HelpBack"))->click();
    QVERIFY(browser.toPlainText().contains(QStringLiteral("目次")));
    viewer->findChild<QToolButton*>(QStringLiteral("HelpForward"))->click();
    QVERIFY(browser.toPlainText().contains(QStringLiteral("続きのページ")));

    // A readable size at first, the player's own size after.
    QVERIFY(viewer->width() >= 720 && viewer->height() >= 560);
    viewer->resize(760, 580);
    viewer->close();
    QWidget second;
    QCOMPARE(THelpViewer::Show(&second, help, opener)->size(), QSize(760, 580));

    // The window is reused, and a pipe in place of the page is refused without waiting on it.
    const QString pipe = folder.filePath(QStringLiteral("pipe.html"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QCOMPARE(THelpViewer::Show(&window, pipe, opener), viewer);
    QVERIFY(browser.toPlainText().startsWith(QStringLiteral("ヘルプを読み込めませんでした。")));
}

QTEST_MAIN(CareerPageTests)
#include "CareerPageTests.moc"
