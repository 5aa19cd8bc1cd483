// The yardstick of the start-up benchmark: a minimal Japanese Qt Widgets window, none of the
// game's code. A main window with a menu, tabs, a tree, a text box and three buttons, every text
// Japanese, in the game window's font and design size.

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "StartupProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), font.family()});
    window.setFont(font);
    window.setWindowTitle(QStringLiteral("ゴールラン"));

    // The menu.
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("ゲーム(&G)"));
    menu->addAction(QStringLiteral("試合開始"));
    menu->addAction(QStringLiteral("終了"));

    // The tabs, the first of them a tree.
    auto* tabs = new QTabWidget;
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("チーム"), QStringLiteral("勝点")});
    for (const char* club : {"潮見町", "北浜", "若葉台"})
        tree->addTopLevelItem(new QTreeWidgetItem({QString::fromUtf8(club), QStringLiteral("０")}));
    tabs->addTab(tree, QStringLiteral("順位表"));
    tabs->addTab(new QWidget, QStringLiteral("対戦表"));

    // The text box.
    auto* text = new QPlainTextEdit;
    text->setPlainText(QStringLiteral("あなたを監督に招いたのは、我がチームを優勝に導いてもらう"
                                      "ためです。それでは、健闘を祈ります。"));

    // The three buttons.
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    grid->addWidget(tabs, 0, 0, 1, 3);
    grid->addWidget(text, 1, 0, 1, 3);
    int column = 0;
    for (const char* caption : {"試合開始", "強化費投入", "次季へ"})
        grid->addWidget(new QPushButton(QString::fromUtf8(caption)), 2, column++);

    window.setCentralWidget(central);
    window.resize(600, 420);
    InstallStartupProbe(window);
    window.show();
    return QApplication::exec();
}
