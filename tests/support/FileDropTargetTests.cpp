// The file drop target: which effect a drag gets, which drags fire events at all, and what a
// drop leaves in DroppedFiles. Drags are simulated by sending Qt's drag events to the widget.

#include "ZnFileDropTarget.h"

#include <memory>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWidget>

Q_DECLARE_METATYPE(TDropEffects)
Q_DECLARE_METATYPE(TDropEffect)

namespace {

constexpr Qt::DropActions ShellActions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
const Qt::KeyboardModifiers NoKey = Qt::NoModifier;
const Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
const Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
const Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

std::unique_ptr<QMimeData> FileData(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

// Counts the target's signals and remembers what the handlers saw.
struct TRecorder {
    int Enters = 0;
    int Overs = 0;
    int Leaves = 0;
    int Drops = 0;
    TDropEffect LastEffect = ekNone;
    QStringList FilesAtDrop;
    // What the drop handler answers; ekNone leaves the context as it came.
    TDropEffect DropAnswer = ekNone;

    explicit TRecorder(TFileDropTarget& target) {
        QObject::connect(&target, &TFileDropTarget::fileDragEnter, [this](TDragContext& c) {
            ++Enters;
            LastEffect = c.Effect;
        });
        QObject::connect(&target, &TFileDropTarget::fileDragOver, [this](TDragContext& c) {
            ++Overs;
            LastEffect = c.Effect;
        });
        QObject::connect(&target, &TFileDropTarget::fileDragLeave, [this] { ++Leaves; });
        QObject::connect(&target, &TFileDropTarget::fileDrop, [this, &target](TDragContext& c) {
            ++Drops;
            LastEffect = c.Effect;
            FilesAtDrop = target.DroppedFiles();
            if (DropAnswer != ekNone)
                c.Effect = DropAnswer;
        });
    }
    [[nodiscard]] int Total() const { return Enters + Overs + Leaves + Drops; }
};

struct TAnswer {
    bool Accepted = false;
    Qt::DropAction Action = Qt::IgnoreAction;
};

TAnswer Enter(QWidget& widget, const QMimeData& data, Qt::DropActions offered = ShellActions,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QDragEnterEvent event(QPoint(10, 10), offered, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(&widget, &event);
    return {event.isAccepted(), event.dropAction()};
}

TAnswer Move(QWidget& widget, const QMimeData& data, Qt::DropActions offered = ShellActions,
             Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QDragMoveEvent event(QPoint(12, 14), offered, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(&widget, &event);
    return {event.isAccepted(), event.dropAction()};
}

TAnswer Drop(QWidget& widget, const QMimeData& data, Qt::DropActions offered = ShellActions) {
    QDropEvent event(QPointF(12, 14), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
    return {event.isAccepted(), event.dropAction()};
}

void Leave(QWidget& widget) {
    QDragLeaveEvent event;
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class FileDropTargetTests : public QObject {
    Q_OBJECT

private slots:
    void ChoosesEffectByKeysAndOffers_data();
    void ChoosesEffectByKeysAndOffers();
    void ConvertsEffectsAndActions();
    void AttachingTurnsDropsOnAndDetachingRestores();
    void AnswersDragWithChosenEffect_data();
    void AnswersDragWithChosenEffect();
    void HandlerMayRefuseDragAtEnter();
    void DropGivesFullPathsInOrderAndNextDropReplaces();
    void DropEffectIsNoneUnlessHandlerSetsIt();
    void DragsWithoutMatchFireNothing_data();
    void DragsWithoutMatchFireNothing();
    void LeaveFiresOnlyAfterMatchedDrag();
    void NewestTargetOnWidgetSeesDragFirst();
    void DragOverChildReachesTargetOnWindow();
    void DestroyedWidgetDetachesTarget();
};

void FileDropTargetTests::ChoosesEffectByKeysAndOffers_data() {
    QTest::addColumn<TDropEffects>("accepted");
    QTest::addColumn<TDropEffects>("offered");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<TDropEffect>("expected");

    const TDropEffects all{ekCopy, ekMove, ekLink};
    const TDropEffects copy{ekCopy};
    const TDropEffects copyMove{ekCopy, ekMove};
    QTest::newRow("copy only, no key") << copy << all << NoKey << ekCopy;
    QTest::newRow("copy only, shift wants move") << copy << all << Shift << ekCopy;
    QTest::newRow("copy only, ctrl+shift wants link") << copy << all << CtrlShift << ekCopy;
    QTest::newRow("copy only, ctrl") << copy << all << Ctrl << ekCopy;
    QTest::newRow("copy+move, shift moves") << copyMove << all << Shift << ekMove;
    QTest::newRow("copy+move, no key copies") << copyMove << all << NoKey << ekCopy;
    QTest::newRow("copy+move, ctrl+shift: no link") << copyMove << all << CtrlShift << ekCopy;
    QTest::newRow("all, ctrl+shift links") << all << all << CtrlShift << ekLink;
    QTest::newRow("all, alt counts as no key")
        << all << all << Qt::KeyboardModifiers(Qt::AltModifier) << ekCopy;
    QTest::newRow("move+link, no key: first allowed")
        << TDropEffects{ekMove, ekLink} << all << NoKey << ekMove;
    QTest::newRow("source offers move only") << copyMove << TDropEffects{ekMove} << NoKey << ekMove;
    QTest::newRow("source offers link only") << copy << TDropEffects{ekLink} << NoKey << ekNone;
    QTest::newRow("target accepts nothing") << TDropEffects{} << all << NoKey << ekNone;
    QTest::newRow("target accepts only none") << TDropEffects{ekNone} << all << NoKey << ekNone;
    QTest::newRow("source offers nothing") << all << TDropEffects{} << Shift << ekNone;
}

void FileDropTargetTests::ChoosesEffectByKeysAndOffers() {
    QFETCH(TDropEffects, accepted);
    QFETCH(TDropEffects, offered);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(TDropEffect, expected);
    QCOMPARE(ChooseDropEffect(accepted, offered, keys), expected);
}

void FileDropTargetTests::ConvertsEffectsAndActions() {
    QCOMPARE(PreferredDropEffect(NoKey), ekCopy);
    QCOMPARE(PreferredDropEffect(Ctrl), ekCopy);
    QCOMPARE(PreferredDropEffect(Shift), ekMove);
    QCOMPARE(PreferredDropEffect(CtrlShift), ekLink);

    QCOMPARE(DropEffectsFromActions(Qt::CopyAction | Qt::LinkAction),
             (TDropEffects{ekCopy, ekLink}));
    QCOMPARE(DropEffectsFromActions(Qt::IgnoreAction), TDropEffects{});
    // Bits other than copy, move and link are ignored.
    QCOMPARE(DropEffectsFromActions(Qt::DropActions::fromInt(0x8000 | Qt::LinkAction)),
             TDropEffects{ekLink});
    QCOMPARE(DropEffectsFromActions(ShellActions), (TDropEffects{ekCopy, ekMove, ekLink}));
    QCOMPARE(DropActionFromEffect(ekNone), Qt::IgnoreAction);
    QCOMPARE(DropActionFromEffect(ekCopy), Qt::CopyAction);
    QCOMPARE(DropActionFromEffect(ekMove), Qt::MoveAction);
    QCOMPARE(DropActionFromEffect(ekLink), Qt::LinkAction);

    TDropEffects set{ekMove};
    QVERIFY(!set.Contains(ekCopy));
    QVERIFY(set.Contains(ekMove));
    QVERIFY((set & TDropEffects{ekCopy}).IsEmpty());
    QVERIFY(!(set | TDropEffects{ekNone}).Contains(ekLink));
}

void FileDropTargetTests::AttachingTurnsDropsOnAndDetachingRestores() {
    QWidget widget;
    TFileDropTarget target;
    QCOMPARE(target.DropEffects(), TDropEffects{ekCopy});
    QVERIFY(!widget.acceptDrops());
    target.SetWinControl(&widget);
    QCOMPARE(target.WinControl(), &widget);
    QVERIFY(widget.acceptDrops());

    target.SetWinControl(nullptr);
    QVERIFY(!widget.acceptDrops());
    // Detached, the widget answers drags itself again: files no longer fire anything.
    TRecorder recorder(target);
    const auto data = FileData({QStringLiteral("/tmp/a.sav")});
    widget.setAcceptDrops(true);
    Enter(widget, *data);
    QCOMPARE(recorder.Total(), 0);

    // A widget that accepted drops before keeps doing so after the target leaves.
    QWidget accepting;
    accepting.setAcceptDrops(true);
    target.SetWinControl(&accepting);
    target.SetWinControl(nullptr);
    QVERIFY(accepting.acceptDrops());
}

void FileDropTargetTests::AnswersDragWithChosenEffect_data() {
    QTest::addColumn<TDropEffects>("accepted");
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<Qt::DropAction>("action");
    QTest::addColumn<TDropEffect>("effect");
    QTest::newRow("default, no key") << TDropEffects{ekCopy} << NoKey << Qt::CopyAction << ekCopy;
    QTest::newRow("default, shift") << TDropEffects{ekCopy} << Shift << Qt::CopyAction << ekCopy;
    QTest::newRow("copy+move, shift")
        << TDropEffects{ekCopy, ekMove} << Shift << Qt::MoveAction << ekMove;
    QTest::newRow("all, ctrl+shift")
        << TDropEffects{ekCopy, ekMove, ekLink} << CtrlShift << Qt::LinkAction << ekLink;
}

void FileDropTargetTests::AnswersDragWithChosenEffect() {
    QFETCH(TDropEffects, accepted);
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(Qt::DropAction, action);
    QFETCH(TDropEffect, effect);
    QWidget widget;
    TFileDropTarget target;
    target.SetDropEffects(accepted);
    target.SetWinControl(&widget);
    TRecorder recorder(target);
    const auto data = FileData({QStringLiteral("/tmp/one.sav")});

    const TAnswer enter = Enter(widget, *data, ShellActions, keys);
    QVERIFY(enter.Accepted);
    QCOMPARE(enter.Action, action);
    QCOMPARE(recorder.Enters, 1);
    QCOMPARE(recorder.LastEffect, effect);

    // A key pressed during the drag is taken into account at the next move.
    const TAnswer over = Move(widget, *data, ShellActions, NoKey);
    QVERIFY(over.Accepted);
    QCOMPARE(over.Action, Qt::CopyAction);
    QCOMPARE(recorder.Overs, 1);
    QCOMPARE(recorder.LastEffect, ekCopy);
}

void FileDropTargetTests::HandlerMayRefuseDragAtEnter() {
    QWidget widget;
    TFileDropTarget target;
    target.SetWinControl(&widget);
    connect(&target, &TFileDropTarget::fileDragEnter, [](TDragContext& c) { c.Effect = ekNone; });
    const auto data = FileData({QStringLiteral("/tmp/one.sav")});
    const TAnswer enter = Enter(widget, *data);
    QVERIFY(!enter.Accepted);
    QCOMPARE(enter.Action, Qt::IgnoreAction);
}

void FileDropTargetTests::DropGivesFullPathsInOrderAndNextDropReplaces() {
    QWidget widget;
    TFileDropTarget target;
    target.SetWinControl(&widget);
    TRecorder recorder(target);

    const QStringList three{QStringLiteral("/home/player/saves/09savedata.sav"),
                            QStringLiteral("/tmp/a/../b/01savedata.sav"),
                            QStringLiteral("/tmp/ゴール/ファイル名 with blanks.sav")};
    const auto first = FileData(three);
    Enter(widget, *first);
    Move(widget, *first);
    const TAnswer dropped = Drop(widget, *first);
    QVERIFY(dropped.Accepted);
    const QStringList expected{three[0], QStringLiteral("/tmp/b/01savedata.sav"), three[2]};
    QCOMPARE(target.DroppedFiles(), expected);
    QCOMPARE(recorder.FilesAtDrop, expected);
    QCOMPARE(recorder.Drops, 1);
    QCOMPARE(recorder.Leaves, 0);

    // Web addresses among the files are no files: only the local ones count, in order.
    auto second = std::make_unique<QMimeData>();
    second->setUrls({QUrl(QStringLiteral("https://vomera.example/x.sav")),
                     QUrl::fromLocalFile(QStringLiteral("/tmp/second.sav"))});
    Enter(widget, *second);
    Drop(widget, *second);
    QCOMPARE(target.DroppedFiles(), QStringList{QStringLiteral("/tmp/second.sav")});
    QCOMPARE(recorder.Drops, 2);
}

void FileDropTargetTests::DropEffectIsNoneUnlessHandlerSetsIt() {
    QWidget widget;
    TFileDropTarget target;
    target.SetWinControl(&widget);
    TRecorder recorder(target);
    const auto data = FileData({QStringLiteral("/tmp/one.sav")});

    Enter(widget, *data);
    const TAnswer plain = Drop(widget, *data);
    QCOMPARE(recorder.LastEffect, ekNone);
    QVERIFY(plain.Accepted);
    QCOMPARE(plain.Action, Qt::IgnoreAction);

    recorder.DropAnswer = ekCopy;
    Enter(widget, *data);
    const TAnswer copied = Drop(widget, *data);
    QVERIFY(copied.Accepted);
    QCOMPARE(copied.Action, Qt::CopyAction);

    // An effect the source never offered is not passed off as another one.
    recorder.DropAnswer = ekMove;
    Enter(widget, *data, Qt::CopyAction);
    QCOMPARE(Drop(widget, *data, Qt::CopyAction).Action, Qt::IgnoreAction);
}

void FileDropTargetTests::DragsWithoutMatchFireNothing_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Qt::DropActions>("offered");
    QTest::newRow("text") << QStringLiteral("text") << ShellActions;
    QTest::newRow("web address") << QStringLiteral("web") << ShellActions;
    QTest::newRow("files offered as link only")
        << QStringLiteral("files") << Qt::DropActions(Qt::LinkAction);
}

void FileDropTargetTests::DragsWithoutMatchFireNothing() {
    QFETCH(QString, kind);
    QFETCH(Qt::DropActions, offered);
    QWidget widget;
    TFileDropTarget target;
    target.SetWinControl(&widget);
    TRecorder recorder(target);

    std::unique_ptr<QMimeData> data;
    if (kind == QLatin1String("files")) {
        data = FileData({QStringLiteral("/tmp/one.sav")});
    } else {
        data = std::make_unique<QMimeData>();
        if (kind == QLatin1String("text"))
            data->setText(QStringLiteral("/tmp/one.sav"));
        else
            data->setUrls({QUrl(QStringLiteral("https://vomera.example/one.sav"))});
    }

    const TAnswer enter = Enter(widget, *data, offered);
    QVERIFY(!enter.Accepted);
    QVERIFY(!Move(widget, *data, offered).Accepted);
    QVERIFY(!Drop(widget, *data, offered).Accepted);
    Leave(widget);
    // Qt delivers a drop only to a widget that took the drag; a drop that reaches the target
    // directly after such a drag is not taken either.
    QDropEvent drop(QPointF(1, 1), offered, data.get(), Qt::LeftButton, Qt::NoModifier);
    QObject& filter = target;
    QVERIFY(!filter.eventFilter(&widget, &drop));
    QCOMPARE(recorder.Total(), 0);
    QVERIFY(target.DroppedFiles().isEmpty());
}

void FileDropTargetTests::LeaveFiresOnlyAfterMatchedDrag() {
    QWidget widget;
    TFileDropTarget target;
    target.SetWinControl(&widget);
    TRecorder recorder(target);
    const auto files = FileData({QStringLiteral("/tmp/one.sav")});
    auto text = std::make_unique<QMimeData>();
    text->setText(QStringLiteral("not a file"));

    Leave(widget);
    QCOMPARE(recorder.Leaves, 0);

    Enter(widget, *files);
    Move(widget, *files);
    Leave(widget);
    QCOMPARE(recorder.Leaves, 1);
    // One leave per drag: a stray second leave fires nothing.
    Leave(widget);
    QCOMPARE(recorder.Leaves, 1);

    Enter(widget, *text);
    Leave(widget);
    QCOMPARE(recorder.Leaves, 1);
    // Qt hands a leave only to a widget that took the drag; the target keeps its own account
    // as well, so a leave that reaches it after a drag it did not take fires nothing.
    QDragLeaveEvent stray;
    QObject& filter = target;
    QVERIFY(!filter.eventFilter(&widget, &stray));
    QCOMPARE(recorder.Leaves, 1);

    // A drag that ends in a drop has no leave.
    Enter(widget, *files);
    Drop(widget, *files);
    Leave(widget);
    QCOMPARE(recorder.Leaves, 1);
    QCOMPARE(recorder.Drops, 1);
}

void FileDropTargetTests::NewestTargetOnWidgetSeesDragFirst() {
    QWidget widget;
    TFileDropTarget older;
    TFileDropTarget newer;
    older.SetWinControl(&widget);
    newer.SetWinControl(&widget);
    TRecorder olderSeen(older);
    TRecorder newerSeen(newer);
    const auto data = FileData({QStringLiteral("/tmp/one.sav")});

    Enter(widget, *data);
    Drop(widget, *data);
    QCOMPARE(newerSeen.Drops, 1);
    QCOMPARE(olderSeen.Total(), 0);

    // The newer one steps aside: the older gets the drags, and drops stay switched on.
    newer.SetWinControl(nullptr);
    QVERIFY(widget.acceptDrops());
    Enter(widget, *data);
    Drop(widget, *data);
    QCOMPARE(olderSeen.Drops, 1);
    QCOMPARE(newerSeen.Drops, 1);

    older.SetWinControl(nullptr);
    QVERIFY(!widget.acceptDrops());
}

void FileDropTargetTests::DragOverChildReachesTargetOnWindow() {
    // The target sits on the window; the drag arrives over a control inside it that takes no
    // drops itself.
    QWidget window;
    auto* panel = new QWidget(&window);
    panel->setGeometry(5, 5, 50, 50);
    TFileDropTarget target;
    target.SetWinControl(&window);
    TRecorder recorder(target);
    const auto data = FileData({QStringLiteral("/tmp/child.sav")});

    const TAnswer enter = Enter(*panel, *data);
    QVERIFY(enter.Accepted);
    QCOMPARE(enter.Action, Qt::CopyAction);
    Move(*panel, *data);
    QCOMPARE(recorder.Enters, 1);
    QCOMPARE(recorder.Overs, 1);
}

void FileDropTargetTests::DestroyedWidgetDetachesTarget() {
    TFileDropTarget target;
    auto widget = std::make_unique<QWidget>();
    target.SetWinControl(widget.get());
    widget.reset();
    QCOMPARE(target.WinControl(), nullptr);
    target.SetWinControl(nullptr);

    // A target owned by its widget goes with it.
    auto owner = std::make_unique<QWidget>();
    auto* owned = new TFileDropTarget(owner.get());
    owned->SetWinControl(owner.get());
    owner.reset();
}

QTEST_MAIN(FileDropTargetTests)
#include "FileDropTargetTests.moc"
