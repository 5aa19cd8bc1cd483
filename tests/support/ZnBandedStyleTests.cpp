// A scroll bar painted in bands: the style's own pixels, without the painting threads.

#include <vector>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "ZnBandedStyle.h"

class ZnBandedStyleTests : public QObject {
    Q_OBJECT

private slots:
    void TallScrollBarIsPaintedWithoutThePaintingThreads();
    void BandsPaintAsTheStyleInEveryState_data();
    void BandsPaintAsTheStyleInEveryState();
};

namespace {

// The threads of this process, the painting threads among them once started.
qsizetype ThreadCount() {
    return QDir(QStringLiteral("/proc/self/task"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .size();
}

void SetUp(QScrollBar& bar, int height, int value) {
    bar.setRange(0, 40);
    bar.setPageStep(12);
    bar.setValue(value);
    bar.resize(bar.sizeHint().width(), height);
}

} // namespace

// First, before any test here has started the painting threads: they stay for half a minute.
void ZnBandedStyleTests::TallScrollBarIsPaintedWithoutThePaintingThreads() {
    QScrollBar banded(Qt::Vertical);
    TZnBandedStyle::PaintInBands(banded);
    SetUp(banded, 400, 20);
    const qsizetype before = ThreadCount();
    for (int i = 0; i < 3; ++i)
        banded.grab();
    QCOMPARE(ThreadCount(), before);
    // The same scroll bar in the style alone hands its groove to the threads.
    QScrollBar stock(Qt::Vertical);
    SetUp(stock, 400, 20);
    stock.grab();
    QVERIFY2(ThreadCount() > before, "the style alone should use the painting threads here");
}

void ZnBandedStyleTests::BandsPaintAsTheStyleInEveryState_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("value");
    // Under a band, a band, a band and a row, two bands, and bands that end inside the control.
    for (const int height : {60, 95, 96, 129, 150, 190, 400})
        for (const int value : {0, 17, 40})
            QTest::addRow("%d px, value %d", height, value) << height << value;
}

void ZnBandedStyleTests::BandsPaintAsTheStyleInEveryState() {
    QFETCH(int, height);
    QFETCH(int, value);
    QScrollBar stock(Qt::Vertical);
    QScrollBar banded(Qt::Vertical);
    TZnBandedStyle::PaintInBands(banded);
    // As it stands, then with the pointer over its lower arrow, then with that arrow pressed: the
    // state each bar keeps itself. Off the screen, where no real pointer reaches them.
    const auto inEveryState = [height, value](QScrollBar& bar) {
        SetUp(bar, height, value);
        std::vector<QImage> shown{bar.grab().toImage()};
        const QPointF arrow(bar.width() / 2.0, height - 4);
        QHoverEvent hover(QEvent::HoverMove, arrow, arrow, QPointF(-1, -1));
        QCoreApplication::sendEvent(&bar, &hover);
        shown.push_back(bar.grab().toImage());
        QMouseEvent press(QEvent::MouseButtonPress, arrow, bar.mapToGlobal(arrow), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&bar, &press);
        shown.push_back(bar.grab().toImage());
        QMouseEvent release(QEvent::MouseButtonRelease, arrow, bar.mapToGlobal(arrow),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&bar, &release);
        return std::pair{shown, bar.value()};
    };
    const auto [stockShown, stockValue] = inEveryState(stock);
    const auto [bandedShown, bandedValue] = inEveryState(banded);
    QCOMPARE(bandedValue, stockValue);
    QCOMPARE(stockShown.size(), bandedShown.size());
    for (size_t i = 0; i < stockShown.size(); ++i)
        QVERIFY2(bandedShown[i] == stockShown[i], qPrintable(QString::number(i)));
    // The states show: the pressed arrow looks unlike the resting one.
    QVERIFY(stockShown[2] != stockShown[0]);
}

QTEST_MAIN(ZnBandedStyleTests)
#include "ZnBandedStyleTests.moc"
