// A plain Qt Widgets window with the game window's kinds and numbers of controls (menus, status
// bar, splitters, three pages, four tree views with their rows, thirty checkable buttons, a text
// log, a combo box and buttons) but none of its code: the yardstick of the start-up benchmark.

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "StartupProbe.h"

namespace {

QTreeView* Table(QWidget* parent, int rows, const QStringList& captions) {
    auto* model = new QStandardItemModel(rows, static_cast<int>(captions.size()), parent);
    model->setHorizontalHeaderLabels(captions);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < captions.size(); ++column)
            model->setItem(row, column, new QStandardItem(QStringLiteral("潮見町%1").arg(row)));
    auto* view = new QTreeView(parent);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    return view;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), font.family()});
    window.setFont(font);
    window.setWindowTitle(QStringLiteral("ゴールラン"));
    for (const char* title : {"ゲーム(&G)", "ロード(&L)", "セーブ(&S)", "ヘルプ(&H)"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        for (int i = 0; i < 10; ++i)
            menu->addAction(QStringLiteral("%1savedata.sav").arg(i));
    }
    window.statusBar();

    auto* pages = new QTabWidget;
    pages->addTab(
        Table(pages, 16,
              {"チーム", "順位", "勝点", "試合数", "勝", "分", "負", "得点", "失点", "得失差"}),
        QStringLiteral("順位表"));
    auto* fixtures = new QWidget;
    auto* fixturesLayout = new QVBoxLayout(fixtures);
    auto* strip = new QWidget;
    auto* stripLayout = new QGridLayout(strip);
    for (int i = 0; i < 30; ++i) {
        auto* button = new QToolButton;
        button->setText(QStringLiteral("第%1節").arg(i + 1));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        stripLayout->addWidget(button, i / 8, i % 8);
    }
    fixturesLayout->addWidget(strip);
    fixturesLayout->addWidget(Table(fixtures, 8, {"Home", "", "Away"}));
    pages->addTab(fixtures, QStringLiteral("対戦表"));
    pages->addTab(Table(pages, 16, {"最終順位", "賞金"}), QStringLiteral("賞金一覧"));

    auto* log = new QPlainTextEdit;
    log->setReadOnly(true);
    log->appendPlainText(
        QStringLiteral("あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。"));
    log->appendPlainText(QStringLiteral("そのために、2億円を資金として捻出しました。"));
    log->appendPlainText(QStringLiteral("それでは、健闘を祈ります。"));
    auto* left = new QSplitter(Qt::Vertical);
    left->addWidget(pages);
    left->addWidget(log);

    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    auto* amounts = new QComboBox;
    amounts->setEditable(true);
    for (int i = 0; i < 38; ++i)
        amounts->addItem(QString::number(i * 100));
    grid->addWidget(new QLabel(QStringLiteral("強化費(万円)")), 0, 0);
    grid->addWidget(amounts, 1, 0);
    grid->addWidget(new QPushButton(QStringLiteral("強化費投入")), 1, 1);
    grid->addWidget(new QPushButton(QStringLiteral("試合開始")), 2, 1);
    grid->addWidget(new QPushButton(QStringLiteral("メッセージクリア")), 3, 0);
    grid->addWidget(new QPushButton(QStringLiteral("次季へ")), 3, 1);
    auto* right = new QSplitter(Qt::Vertical);
    right->addWidget(Table(right, 11, {"項目", "値"}));
    right->addWidget(panel);

    auto* main = new QSplitter(Qt::Horizontal);
    main->addWidget(left);
    main->addWidget(right);
    window.setCentralWidget(main);
    window.resize(600, 420);
    InstallStartupProbe(window);
    window.show();
    return QApplication::exec();
}
