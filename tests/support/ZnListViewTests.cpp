// Column definitions and the list view built from them: display positions, the Order swap,
// RebuildColumns with hidden and reordered definitions, sort marks, rows asked by tag; plain
// cells painted from kept layouts exactly as the stock delegate paints them; row panels skipped
// only where the style alone paints nothing.

#include <memory>
#include <stdexcept>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTest>

#include "ZnHeaderView.h"
#include "ZnListView.h"
#include "ZnRowPanelStyle.h"
#include "ZnTextDelegate.h"

namespace {

// A set of `count` definitions captioned "c0", "c1", …
void Fill(TZnColumnInfos& infos, int count) {
    for (int i = 0; i < count; ++i)
        infos.ColumnInfos().Add().Caption = QStringLiteral("c%1").arg(i);
}

QList<int> Tags(const TZnListView& view) {
    QList<int> tags;
    for (int p = 0; p < view.ColumnCount(); ++p)
        tags << view.Column(p).Tag;
    return tags;
}

QStringList Captions(const TZnListView& view) {
    QStringList captions;
    for (int p = 0; p < view.ColumnCount(); ++p)
        captions << view.Column(p).Caption;
    return captions;
}

// A league-table-like list: left, right and centred columns, Latin and CJK texts, cells too
// narrow for their text and an empty one.
void FillTable(TZnListView& view) {
    TZnListColumn name, points, form, note;
    name.Width = 150;
    points.Alignment = TZnAlignment::taRightJustify;
    points.Width = 34;
    form.Alignment = TZnAlignment::taCenter;
    form.Width = 60;
    note.Width = 48;
    view.SetColumns({name, points, form, note});
    view.AddItem({QStringLiteral("浦和レッドダイヤモンズ"), QStringLiteral("58"),
                  QStringLiteral("○○●△"), QStringLiteral("首位")});
    view.AddItem({QStringLiteral("Borussia Mönchengladbach Amateure"), QStringLiteral("1,234"),
                  QStringLiteral("WWDLW long"), QStringLiteral("Qualified")});
    view.AddItem({QStringLiteral("ＦＣ東京"), QStringLiteral("7"), QString(),
                  QStringLiteral("残留争い中の監督")});
    view.AddItem(
        {QStringLiteral("Ajax"), QStringLiteral("-12"), QStringLiteral("L"), QStringLiteral("—")});
    view.resize(300, 150);
}

// What a view shows, and the sizes its rows and columns ask for (twice: the second from what
// was kept); and what it paints onto an image three times over, where a cell painted alike a
// second time is kept as a picture that the third paint copies, and then in part.
struct TShown {
    QImage Image;
    QList<int> Sizes;
    QList<QImage> Painted;
};

TShown Shown(QAbstractItemView& view) {
    TShown shown{view.grab().toImage(), {}, {}};
    for (int pass = 0; pass < 2; ++pass) {
        for (int r = 0; r < view.model()->rowCount(); ++r)
            shown.Sizes << view.sizeHintForRow(r);
        for (int c = 0; c < view.model()->columnCount(); ++c)
            shown.Sizes << view.sizeHintForColumn(c);
    }
    for (int pass = 0; pass < 3; ++pass) {
        QImage image(view.size(), QImage::Format_RGB32);
        view.render(&image);
        shown.Painted << image;
    }
    // Then only a part that cuts cells across, over the colour they stand on, so that the cut
    // cells may come from their pictures: a picture reaches no pixel outside the part.
    const QRegion part = QRegion(0, 0, view.width() / 3, view.height()) +
                         QRect(0, view.height() / 2, view.width(), 7);
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(view.palette().color(QPalette::Base));
    view.render(&image, QPoint(), part);
    shown.Painted << image;
    return shown;
}

// The view shown with its own delegate and with the stock one.
std::pair<TShown, TShown> PaintBoth(QAbstractItemView& view) {
    QAbstractItemDelegate* own = view.itemDelegate();
    const TShown fast = Shown(view);
    QStyledItemDelegate stock;
    view.setItemDelegate(&stock);
    const TShown plain = Shown(view);
    view.setItemDelegate(own);
    return {fast, plain};
}

int KeptLayouts(const TZnListView& view) {
    return dynamic_cast<const TZnTextDelegate&>(*view.itemDelegate()).KeptLayouts();
}

// The union of the regions a widget is asked to paint.
class TPaintedRegion : public QObject {
public:
    QRegion Painted;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class ZnListViewTests : public QObject {
    Q_OBJECT
private slots:
    void NewDefinitionTakesItsIndexAsOrderAndName();
    void OrderSetterSwapsWithTheHolderOfTheValue();
    void OrderOutsideTheSetIsIgnored();
    void DefaultWidthAndDefaultVisibleSetTheirCurrentValues();
    void AssignCopiesEveryFieldWithoutSideEffects();
    void StoredOrdersLoadOneDefinitionAtATime();
    void AllVisibleInOrderGivesCollectionOrder();
    void HiddenAndReorderedDefinitionsKeepTheirTags();
    void ViewGainsAndLosesColumnsToMatchTheVisibleCount();
    void SortMarkGoesInFrontOfTheSortColumnCaption_data();
    void SortMarkGoesInFrontOfTheSortColumnCaption();
    void RowsOnDemandAreAskedByTagNotPosition();
    void HeldRowsKeepTheirTextsAndSelectionIsSingle();
    void RebuildWithoutDefinitionsIsRefused();
    void PlainCellsPaintAsTheStockDelegate_data();
    void PlainCellsPaintAsTheStockDelegate();
    void KeptLayoutsServeUnchangedCellsAndStayBounded();
    void CellRolesPaintAsTheStockDelegate_data();
    void CellRolesPaintAsTheStockDelegate();
    void RedrawPaintsOnlyTheChangedCells();
    void KeptCaptionSizesAreTheStockHeadersSizes();
    void RowPanelsPaintAsTheStyleAlone_data();
    void RowPanelsPaintAsTheStyleAlone();
};

void ZnListViewTests::NewDefinitionTakesItsIndexAsOrderAndName() {
    TZnColumnInfos infos;
    QCOMPARE(infos.IniSectionName(), QStringLiteral("DesignColumn"));
    Fill(infos, 4);
    const TZnListColumnInfo& fourth = infos.ColumnInfos()[3];
    QCOMPARE(fourth.Order(), 3);
    QCOMPARE(fourth.IdentName, QStringLiteral("ZnListColumnInfo3"));
    QCOMPARE(fourth.Width, 50);
    QCOMPARE(fourth.DefaultWidth(), 50);
    QVERIFY(fourth.Visible);
    QCOMPARE(fourth.ImageIndex, -1);
    QCOMPARE(fourth.Alignment, TZnAlignment::taLeftJustify);
    QCOMPARE(fourth.DisplayName(), QStringLiteral("c3"));
    infos.ColumnInfos()[3].Caption.clear();
    QCOMPARE(fourth.DisplayName(), QStringLiteral("TZnListColumnInfo"));
    QCOMPARE(&infos.ColumnInfos()[0].Collection(), &infos.ColumnInfos());
    QCOMPARE(infos.ColumnInfos().Owner(), &infos);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, infos.ColumnInfos()[4]);
}

void ZnListViewTests::OrderSetterSwapsWithTheHolderOfTheValue() {
    TZnColumnInfos infos;
    Fill(infos, 5);
    infos.ColumnInfos()[3].SetOrder(1);
    QCOMPARE(infos.ColumnInfos()[3].Order(), 1);
    QCOMPARE(infos.ColumnInfos()[1].Order(), 3);
    infos.ColumnInfos()[2].SetOrder(2);
    QCOMPARE(infos.ColumnInfos()[2].Order(), 2);
}

void ZnListViewTests::OrderOutsideTheSetIsIgnored() {
    TZnColumnInfos infos;
    Fill(infos, 3);
    infos.ColumnInfos()[1].SetOrder(3);
    infos.ColumnInfos()[1].SetOrder(-1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(infos.ColumnInfos()[i].Order(), i);
}

void ZnListViewTests::DefaultWidthAndDefaultVisibleSetTheirCurrentValues() {
    TZnColumnInfos infos;
    Fill(infos, 1);
    TZnListColumnInfo& info = infos.ColumnInfos()[0];
    info.SetDefaultWidth(80);
    QCOMPARE(info.Width, 80);
    info.Width = 120;
    QCOMPARE(info.DefaultWidth(), 80);
    info.SetDefaultVisible(false);
    QVERIFY(!info.Visible);
    info.Visible = true;
    QVERIFY(!info.DefaultVisible());
}

void ZnListViewTests::AssignCopiesEveryFieldWithoutSideEffects() {
    TZnColumnInfos source;
    Fill(source, 3);
    TZnListColumnInfo& from = source.ColumnInfos()[2];
    from.Alignment = TZnAlignment::taCenter;
    from.AutoSize = true;
    from.MaxWidth = 300;
    from.MinWidth = 20;
    from.ImageIndex = 4;
    from.SetDefaultWidth(70);
    from.Width = 90;
    from.SetDefaultVisible(false);
    from.Visible = true;
    from.IdentName = QStringLiteral("Named");
    from.SetOrder(0);
    TZnColumnInfos target;
    target.SetColumnInfos(source.ColumnInfos());
    QCOMPARE(target.ColumnInfos().Count(), 3);
    const TZnListColumnInfo& to = target.ColumnInfos()[2];
    QCOMPARE(to.Alignment, TZnAlignment::taCenter);
    QVERIFY(to.AutoSize);
    QCOMPARE(to.Caption, QStringLiteral("c2"));
    QCOMPARE(to.MaxWidth, 300);
    QCOMPARE(to.MinWidth, 20);
    QCOMPARE(to.ImageIndex, 4);
    QCOMPARE(to.Width, 90);
    QCOMPARE(to.DefaultWidth(), 70);
    QVERIFY(to.Visible);
    QVERIFY(!to.DefaultVisible());
    QCOMPARE(to.IdentName, QStringLiteral("Named"));
    QCOMPARE(to.Order(), 0);
    QCOMPARE(target.ColumnInfos()[0].Order(), 2);
}

void ZnListViewTests::StoredOrdersLoadOneDefinitionAtATime() {
    // Stored orders 1, 2, 0: the first two are not below the count at their moment and are
    // ignored; the third swaps with the first.
    TZnColumnInfos infos;
    for (int stored : {1, 2, 0})
        infos.ColumnInfos().Add().SetOrder(stored);
    QCOMPARE(infos.ColumnInfos()[0].Order(), 2);
    QCOMPARE(infos.ColumnInfos()[1].Order(), 1);
    QCOMPARE(infos.ColumnInfos()[2].Order(), 0);
    // Orders equal to the index load unchanged.
    TZnColumnInfos plain;
    for (int stored : {0, 1, 2, 3})
        plain.ColumnInfos().Add().SetOrder(stored);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(plain.ColumnInfos()[i].Order(), i);
}

void ZnListViewTests::AllVisibleInOrderGivesCollectionOrder() {
    TZnColumnInfos infos;
    Fill(infos, 4);
    TZnListView view;
    view.ColumnInfos = &infos;
    view.SortMarkUse = false;
    view.RebuildColumns();
    QCOMPARE(Tags(view), QList<int>({0, 1, 2, 3}));
    QCOMPARE(Captions(view), QStringList({"c0", "c1", "c2", "c3"}));
    for (int p = 0; p < 4; ++p)
        QCOMPARE(view.model()->headerData(p, Qt::Horizontal).toString(), Captions(view)[p]);
}

void ZnListViewTests::HiddenAndReorderedDefinitionsKeepTheirTags() {
    TZnColumnInfos infos;
    Fill(infos, 4);
    TZnListView view;
    view.ColumnInfos = &infos;
    view.SortMarkUse = false;
    infos.ColumnInfos()[0].Visible = false;
    QCOMPARE(infos.ColumnInfos().VisibleCount(), 3);
    QCOMPARE(infos.ColumnInfos()[0].DisplayPosition(), -1);
    QCOMPARE(infos.ColumnInfos()[1].DisplayPosition(), 0);
    view.RebuildColumns();
    QCOMPARE(Tags(view), QList<int>({1, 2, 3}));
    QVERIFY(infos.ColumnInfos().ItemAtPosition(3) == nullptr);

    infos.ColumnInfos()[0].Visible = true;
    infos.ColumnInfos()[3].SetOrder(0); // 3 takes the front, 0 goes to the back
    infos.ColumnInfos()[2].Visible = false;
    view.RebuildColumns();
    QCOMPARE(Tags(view), QList<int>({3, 1, 0}));
    QCOMPARE(Captions(view), QStringList({"c3", "c1", "c0"}));
    QCOMPARE(infos.ColumnInfos().ItemAtPosition(2), &infos.ColumnInfos()[0]);
}

void ZnListViewTests::ViewGainsAndLosesColumnsToMatchTheVisibleCount() {
    TZnColumnInfos infos;
    Fill(infos, 5);
    TZnListView view;
    view.ColumnInfos = &infos;
    view.SetColumns(std::vector<TZnListColumn>(2));
    view.RebuildColumns();
    QCOMPARE(view.ColumnCount(), 5);
    QCOMPARE(view.model()->columnCount(), 5);
    for (int i = 2; i < 5; ++i)
        infos.ColumnInfos()[i].Visible = false;
    view.RebuildColumns();
    QCOMPARE(view.ColumnCount(), 2);
    QCOMPARE(view.model()->columnCount(), 2);
}

void ZnListViewTests::SortMarkGoesInFrontOfTheSortColumnCaption_data() {
    QTest::addColumn<bool>("use");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("sortIndex");
    QTest::addColumn<bool>("hideSorted");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("ascending") << true << false << 0 << false << QStringList({"▲c0", "c1", "c2"});
    QTest::newRow("descending") << true << true << 0 << false << QStringList({"▼c0", "c1", "c2"});
    QTest::newRow("other column") << true << false << 2 << false
                                  << QStringList({"c0", "c1", "▲c2"});
    QTest::newRow("marks off") << false << true << 0 << false << QStringList({"c0", "c1", "c2"});
    QTest::newRow("hidden sort column") << true << false << 1 << true << QStringList({"c0", "c2"});
}

void ZnListViewTests::SortMarkGoesInFrontOfTheSortColumnCaption() {
    QFETCH(bool, use);
    QFETCH(bool, down);
    QFETCH(int, sortIndex);
    QFETCH(bool, hideSorted);
    QFETCH(QStringList, captions);
    TZnColumnInfos infos;
    Fill(infos, 3);
    if (hideSorted)
        infos.ColumnInfos()[sortIndex].Visible = false;
    TZnListView view;
    view.ColumnInfos = &infos;
    view.SortMarkUse = use;
    view.SortDown = down;
    view.SortColumnIndex = sortIndex;
    QCOMPARE(view.SortMark(), use ? (down ? QStringLiteral("▼") : QStringLiteral("▲")) : QString());
    view.RebuildColumns();
    QCOMPARE(Captions(view), captions);
    QCOMPARE(infos.ColumnInfos()[sortIndex].Caption, QStringLiteral("c%1").arg(sortIndex));
}

void ZnListViewTests::RowsOnDemandAreAskedByTagNotPosition() {
    TZnColumnInfos infos;
    Fill(infos, 3);
    TZnListView view;
    view.ColumnInfos = &infos;
    int asked = 0;
    view.SetOwnerData([&asked](int32_t row, int32_t tag) {
        ++asked;
        return QStringLiteral("r%1t%2").arg(row).arg(tag);
    });
    view.SetRowCount(4);
    view.RebuildColumns();
    QCOMPARE(view.model()->rowCount(), 4);
    QCOMPARE(view.CellText(3, 2), QStringLiteral("r3t2"));
    infos.ColumnInfos()[2].SetOrder(0);
    view.RebuildColumns();
    QCOMPARE(view.CellText(3, 0), QStringLiteral("r3t2"));
    QCOMPARE(view.model()->data(view.model()->index(1, 2)).toString(), QStringLiteral("r1t0"));
    QVERIFY(asked >= 3);
    QCOMPARE(view.CellText(4, 0), QString());
}

void ZnListViewTests::HeldRowsKeepTheirTextsAndSelectionIsSingle() {
    TZnListView view;
    TZnListColumn value;
    value.Alignment = TZnAlignment::taRightJustify;
    view.SetColumns({TZnListColumn(), value});
    QCOMPARE(view.AddItem({QStringLiteral("a"), QStringLiteral("1")}), 0);
    QCOMPARE(view.AddItem({QStringLiteral("b")}), 1);
    view.SetItemText(1, 1, QStringLiteral("2"));
    QCOMPARE(view.CellText(1, 1), QStringLiteral("2"));
    QCOMPARE(view.model()
                     ->data(view.model()->index(0, 1), Qt::TextAlignmentRole)
                     .value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    view.SelectRow(0);
    view.SelectRow(1);
    QCOMPARE(view.SelectedRow(), 1);
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(view.currentIndex().row(), 1);
}

void ZnListViewTests::RebuildWithoutDefinitionsIsRefused() {
    TZnListView view;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, view.RebuildColumns());
}

void ZnListViewTests::PlainCellsPaintAsTheStockDelegate_data() {
    // Each change comes after a first paint, so a layout kept from before it must not show.
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("elide");
    QTest::addColumn<bool>("redText");
    QTest::addColumn<bool>("focus");
    QTest::newRow("as the window shows it")
        << "Fusion" << 1 << false << false << int(Qt::ElideRight) << false << false;
    QTest::newRow("nothing selected")
        << "Fusion" << -1 << false << false << int(Qt::ElideRight) << false << false;
    QTest::newRow("bold font") << "Fusion" << 2 << true << false << int(Qt::ElideRight) << false
                               << false;
    QTest::newRow("other text colour")
        << "Fusion" << 0 << false << false << int(Qt::ElideRight) << true << false;
    QTest::newRow("right to left")
        << "Fusion" << 3 << false << true << int(Qt::ElideRight) << false << false;
    QTest::newRow("cut in the middle")
        << "Fusion" << 1 << false << false << int(Qt::ElideMiddle) << false << false;
    QTest::newRow("cut on the left")
        << "Fusion" << 1 << true << false << int(Qt::ElideLeft) << false << false;
    QTest::newRow("focus mark") << "Fusion" << 2 << false << false << int(Qt::ElideRight) << false
                                << true;
    QTest::newRow("windows style")
        << "Windows" << 1 << false << false << int(Qt::ElideRight) << false << true;
}

void ZnListViewTests::PlainCellsPaintAsTheStockDelegate() {
    QFETCH(QString, style);
    QFETCH(int, selectedRow);
    QFETCH(bool, bold);
    QFETCH(bool, rightToLeft);
    QFETCH(int, elide);
    QFETCH(bool, redText);
    QFETCH(bool, focus);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> own(QStyleFactory::create(style));
    QVERIFY(fusion != nullptr && own != nullptr);
    TZnListView view;
    view.setStyle(fusion.get());
    FillTable(view);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    Shown(view); // layouts and sizes kept with the defaults
    QVERIFY(KeptLayouts(view) > 0);

    if (style != QStringLiteral("Fusion"))
        view.setStyle(own.get());
    view.SelectRow(selectedRow);
    if (bold) {
        QFont font = view.font();
        font.setBold(true);
        view.setFont(font);
    }
    if (rightToLeft)
        view.setLayoutDirection(Qt::RightToLeft);
    view.setTextElideMode(static_cast<Qt::TextElideMode>(elide));
    if (redText) {
        QPalette colours = view.palette();
        colours.setColor(QPalette::Text, Qt::red);
        colours.setColor(QPalette::HighlightedText, Qt::yellow);
        view.setPalette(colours);
    }
    if (focus) {
        QApplication::setActiveWindow(&view);
        view.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QVERIFY(view.hasFocus());
    }
    const auto [fast, plain] = PaintBoth(view);
    QCOMPARE(fast.Image, plain.Image);     // every pixel
    QCOMPARE(fast.Painted, plain.Painted); // painted as usual, kept as pictures, from pictures
    QCOMPARE(fast.Sizes, plain.Sizes);
}

void ZnListViewTests::KeptLayoutsServeUnchangedCellsAndStayBounded() {
    TZnListView view;
    FillTable(view);
    view.setFocusPolicy(Qt::NoFocus); // no cell with the focus mark, which the style draws
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.grab();
    const int kept = KeptLayouts(view);
    QCOMPARE(kept, 15); // one per shown text
    view.grab();
    view.SelectRow(2); // the colour changes, not the layout
    view.grab();
    QCOMPARE(KeptLayouts(view), kept);

    // New texts on every paint: the oldest layouts go, and what shows is still the stock paint.
    int generation = 0;
    view.SetOwnerData([&generation](int32_t row, int32_t tag) {
        return QStringLiteral("%1-%2-%3").arg(generation).arg(row).arg(tag);
    });
    view.SetRowCount(4);
    const auto& delegate = dynamic_cast<const TZnTextDelegate&>(*view.itemDelegate());
    QImage image(view.size(), QImage::Format_RGB32);
    for (generation = 0; generation * 16 <= TZnTextDelegate::MaxKeptLayouts + 16; ++generation) {
        view.Redraw();
        view.grab();
        view.render(&image); // the second paint alike keeps the cells' pictures
        QVERIFY(delegate.KeptPictureBytes() <= TZnTextDelegate::MaxPictureBytes);
    }
    QCOMPARE(KeptLayouts(view), TZnTextDelegate::MaxKeptLayouts);
    QVERIFY(delegate.KeptPictureBytes() > TZnTextDelegate::MaxPictureBytes * 9 / 10);
    const auto [fast, plain] = PaintBoth(view);
    QCOMPARE(fast.Image, plain.Image);     // every pixel
    QCOMPARE(fast.Painted, plain.Painted); // painted as usual, kept as pictures, from pictures
    QCOMPARE(fast.Sizes, plain.Sizes);
}

void ZnListViewTests::CellRolesPaintAsTheStockDelegate_data() {
    // A cell's role and its value, set on every cell of a table (left, centred, right aligned),
    // the second row selected.
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<bool>("fromKeptLayouts"); // or all left to the stock delegate
    QFont bold;
    bold.setBold(true);
    QFont large;
    large.setPointSize(15);
    QPixmap dot(8, 8);
    dot.fill(Qt::darkGreen);
    QTest::newRow("plain") << int(Qt::UserRole) << QVariant() << false << true;
    QTest::newRow("bold font") << int(Qt::FontRole) << QVariant(bold) << false << true;
    QTest::newRow("large font") << int(Qt::FontRole) << QVariant(large) << false << true;
    QTest::newRow("text colour") << int(Qt::ForegroundRole) << QVariant(QColor(Qt::darkRed))
                                 << false << true;
    QTest::newRow("background") << int(Qt::BackgroundRole) << QVariant(QColor(Qt::yellow)) << false
                                << true;
    QTest::newRow("check box") << int(Qt::CheckStateRole) << QVariant(int(Qt::Checked)) << false
                               << false;
    QTest::newRow("icon") << int(Qt::DecorationRole) << QVariant(dot) << false << false;
    QTest::newRow("two lines") << int(Qt::DisplayRole) << QVariant(QStringLiteral("上\n下 two"))
                               << false << false;
    QTest::newRow("word wrap") << int(Qt::UserRole) << QVariant() << true << false;
}

void ZnListViewTests::CellRolesPaintAsTheStockDelegate() {
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(bool, wordWrap);
    QFETCH(bool, fromKeptLayouts);
    QTableWidget table(3, 3);
    auto* delegate = new TZnTextDelegate(&table);
    table.setItemDelegate(delegate);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setWordWrap(wordWrap);
    const QStringList texts = {QStringLiteral("得点 Goals"), QStringLiteral("2–1"),
                               QStringLiteral("ヴィッセル神戸 Vissel Kobe")};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(texts[(r + c) % 3]);
            item->setTextAlignment(QList<Qt::Alignment>{Qt::AlignLeft | Qt::AlignVCenter,
                                                        Qt::AlignCenter,
                                                        Qt::AlignRight | Qt::AlignVCenter}[c]);
            if (value.isValid())
                item->setData(role, value);
            table.setItem(r, c, item);
        }
    table.selectRow(1);
    table.resize(320, 140);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const auto [fast, plain] = PaintBoth(table);
    QCOMPARE(delegate->KeptLayouts() > 0, fromKeptLayouts);
    // A cell with a colour of its own gets a palette of its own at every paint: never kept.
    QCOMPARE(delegate->KeptPictures() > 0, fromKeptLayouts && role != Qt::ForegroundRole);
    QCOMPARE(fast.Image, plain.Image); // every pixel
    QCOMPARE(fast.Painted, plain.Painted);
    QCOMPARE(fast.Sizes, plain.Sizes);
}

void ZnListViewTests::RedrawPaintsOnlyTheChangedCells() {
    QList<QStringList> texts{{QStringLiteral("首位"), QStringLiteral("58"), QStringLiteral("○○●")},
                             {QStringLiteral("二位"), QStringLiteral("51"), QStringLiteral("●○○")},
                             {QStringLiteral("三位"), QStringLiteral("50"), QStringLiteral("△○●")}};
    const auto owner = [&texts](int32_t row, int32_t tag) { return texts[row][tag]; };
    TZnListView view;
    TZnColumnInfos infos;
    Fill(infos, 3);
    view.ColumnInfos = &infos;
    view.SetOwnerData(owner);
    view.SetRowCount(3);
    view.RebuildColumns();
    view.resize(300, 150);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.Redraw();
    QCoreApplication::processEvents();
    TPaintedRegion painted;
    view.viewport()->installEventFilter(&painted);
    const auto& delegate = dynamic_cast<const TZnTextDelegate&>(*view.itemDelegate());
    const int pictures = delegate.KeptPictures();

    // Two cells change apart in a row, and two in the first row; one is set to the text it had.
    texts[1][0] = QStringLiteral("二位 ");
    texts[1][2] = QStringLiteral("○○○");
    texts[0][0] = QStringLiteral("首位 ");
    texts[0][2] = QStringLiteral("○○●●");
    texts[2][1] = QStringLiteral("50");
    view.Redraw();
    QTRY_VERIFY(!painted.Painted.isEmpty());
    const auto cell = [&view](int row, int column) {
        return view.visualRect(view.model()->index(row, column));
    };
    // Each changed cell is painted again, the first row from its first change to its last (the
    // view measures that row again for each change told in it); a row without a change is not.
    QCOMPARE(painted.Painted,
             QRegion(cell(1, 0)) + cell(1, 2) + cell(0, 0) + cell(0, 1) + cell(0, 2));
    // Once the list has been painted whole, new texts are kept as pictures at their first paint
    // (all but one: the current cell's focus mark is left to the style).
    QCOMPARE(delegate.KeptPictures(), pictures + 3);

    // What shows is what the view painted whole shows: nothing left of the old texts.
    QCOMPARE(view.screen()->grabWindow(view.winId()).toImage(), view.grab().toImage());

    // A new selection paints its rows again, not the captions above them.
    TPaintedRegion captionsPainted;
    view.header()->viewport()->installEventFilter(&captionsPainted);
    painted.Painted = QRegion();
    view.SelectRow(2);
    QTRY_VERIFY(painted.Painted.contains(cell(2, 0)));
    QVERIFY(captionsPainted.Painted.isEmpty());

    // A change of rows paints everything again.
    painted.Painted = QRegion();
    view.SetRowCount(2);
    view.Redraw();
    QTRY_VERIFY(painted.Painted.contains(cell(1, 2)));

    // A list of items set anew, a cell at a time: only a text that changed is painted again.
    TZnListView items;
    items.ColumnInfos = &infos;
    items.RebuildColumns();
    items.AddItem({QStringLiteral("資金"), QStringLiteral("2億円")});
    items.AddItem({QStringLiteral("順位"), QStringLiteral("16位")});
    items.resize(300, 150);
    items.show();
    QVERIFY(QTest::qWaitForWindowExposed(&items));
    TPaintedRegion itemsPainted;
    items.viewport()->installEventFilter(&itemsPainted);
    items.SetItemText(0, 0, QStringLiteral("資金"));
    items.SetItemText(0, 1, QStringLiteral("2億円"));
    items.SetItemText(1, 1, QStringLiteral("15位"));
    QTRY_VERIFY(!itemsPainted.Painted.isEmpty());
    QCOMPARE(itemsPainted.Painted, QRegion(items.visualRect(items.model()->index(1, 1))));
}

void ZnListViewTests::KeptCaptionSizesAreTheStockHeadersSizes() {
    // Captions as a header meets them: short and long, CJK and Latin, empty, none at all, in a
    // font of their own, beside a sort mark.
    QStandardItemModel model(1, 6);
    model.setHeaderData(0, Qt::Horizontal, QStringLiteral("順位"));
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Goals against, whole season"));
    model.setHeaderData(2, Qt::Horizontal, QString(QLatin1String("")));
    QFont large = QApplication::font();
    large.setPointSize(large.pointSize() + 6);
    large.setItalic(true);
    model.setHeaderData(3, Qt::Horizontal, QStringLiteral("勝点"));
    model.setHeaderData(3, Qt::Horizontal, large, Qt::FontRole);
    model.setHeaderData(4, Qt::Horizontal, QStringLiteral("勝点"));
    model.setHeaderData(5, Qt::Horizontal, QString()); // no caption at all, unlike section 2
    // The sizes the captions ask for, before the header's least section size rounds them up.
    struct TKept : TZnHeaderView {
        using TZnHeaderView::sectionSizeFromContents;
        using TZnHeaderView::TZnHeaderView;
    };
    struct TStock : QHeaderView {
        using QHeaderView::QHeaderView;
        using QHeaderView::sectionSizeFromContents;
    };
    for (const bool sortMark : {false, true}) {
        TKept kept(Qt::Horizontal);
        TStock stock(Qt::Horizontal);
        for (QHeaderView* header :
             {static_cast<QHeaderView*>(&kept), static_cast<QHeaderView*>(&stock)}) {
            header->setModel(&model);
            header->setSortIndicatorShown(sortMark);
        }
        for (int pass = 0; pass < 2; ++pass) // the second from what was kept
            for (int section = 0; section < model.columnCount(); ++section)
                QCOMPARE(kept.sectionSizeFromContents(section),
                         stock.sectionSizeFromContents(section));
        // A caption that changes is measured anew.
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("順位（前節）"));
        QCOMPARE(kept.sectionSizeFromContents(0), stock.sectionSizeFromContents(0));
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("順位"));
    }
}

void ZnListViewTests::RowPanelsPaintAsTheStyleAlone_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<bool>("alternate");
    for (const char* style : {"Fusion", "Windows"}) {
        QTest::addRow("%s, a row selected", style) << QString(style) << 1 << false;
        QTest::addRow("%s, nothing selected", style) << QString(style) << -1 << false;
        QTest::addRow("%s, alternate rows", style) << QString(style) << -1 << true;
        QTest::addRow("%s, alternate rows, one selected", style) << QString(style) << 2 << true;
    }
}

void ZnListViewTests::RowPanelsPaintAsTheStyleAlone() {
    QFETCH(QString, style);
    QFETCH(int, selectedRow);
    QFETCH(bool, alternate);
    const QString before = QApplication::style()->name();
    const auto restore = qScopeGuard([&before] { QApplication::setStyle(before); });
    QApplication::setStyle(style);
    TZnListView skipping; // made under the application's style, which it takes
    TZnListView alone;
    QVERIFY(dynamic_cast<TZnRowPanelStyle*>(skipping.style()) != nullptr);
    alone.setStyle(QApplication::style());
    for (TZnListView* view : {&skipping, &alone}) {
        FillTable(*view);
        view->setAlternatingRowColors(alternate);
        view->SelectRow(selectedRow);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    // Whole and in part, where a cell outside the part painted gets no panel.
    const TShown skipped = Shown(skipping);
    const TShown painted = Shown(alone);
    QCOMPARE(skipped.Image, painted.Image);
    QCOMPARE(skipped.Painted, painted.Painted);
    QVERIFY(DrawsItemsAsCommon(*skipping.style()));
}

QTEST_MAIN(ZnListViewTests)
#include "ZnListViewTests.moc"
