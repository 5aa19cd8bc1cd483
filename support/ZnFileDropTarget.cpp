#include "ZnFileDropTarget.h"

#include <algorithm>

#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include "ZnFileName.h"

namespace {

// Several targets may share one widget; the widget's own acceptDrops comes back only when the
// last of them leaves.
constexpr const char* TargetCountProperty = "_zn_file_drop_targets";
constexpr const char* AcceptedBeforeProperty = "_zn_accepted_drops_before";

bool HasLocalFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.cbegin(), urls.cend(), [](const QUrl& url) {
        return url.isLocalFile() && !url.toLocalFile().isEmpty();
    });
}

TDragContext MakeContext(const QDropEvent& event, TDropEffect effect) {
    TDragContext context;
    context.Data = event.mimeData();
    context.Modifiers = event.modifiers();
    context.Buttons = event.buttons();
    context.Point = event.position().toPoint();
    context.Effect = effect;
    return context;
}

// The Qt action for an effect the source offers; Qt::IgnoreAction for ekNone or an effect the
// source did not offer (Qt would otherwise quietly substitute its default action).
Qt::DropAction OfferedAction(const QDropEvent& event, TDropEffect effect) {
    const Qt::DropAction action = DropActionFromEffect(effect);
    return event.possibleActions().testFlag(action) ? action : Qt::IgnoreAction;
}

} // namespace

TDropEffects DropEffectsFromActions(Qt::DropActions actions) {
    TDropEffects effects;
    if (actions.testFlag(Qt::CopyAction))
        effects = effects | TDropEffects{ekCopy};
    if (actions.testFlag(Qt::MoveAction))
        effects = effects | TDropEffects{ekMove};
    if (actions.testFlag(Qt::LinkAction))
        effects = effects | TDropEffects{ekLink};
    return effects;
}

Qt::DropAction DropActionFromEffect(TDropEffect effect) {
    switch (effect) {
    case ekCopy:
        return Qt::CopyAction;
    case ekMove:
        return Qt::MoveAction;
    case ekLink:
        return Qt::LinkAction;
    case ekNone:
        break;
    }
    return Qt::IgnoreAction;
}

TDropEffect PreferredDropEffect(Qt::KeyboardModifiers modifiers) {
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    if (shift && ctrl)
        return ekLink;
    if (shift)
        return ekMove;
    return ekCopy;
}

TDropEffect ChooseDropEffect(TDropEffects accepted, TDropEffects offered,
                             Qt::KeyboardModifiers modifiers) {
    const TDropEffects common = accepted & offered;
    const TDropEffect preferred = PreferredDropEffect(modifiers);
    if (common.Contains(preferred))
        return preferred;
    for (TDropEffect effect : {ekCopy, ekMove, ekLink})
        if (common.Contains(effect))
            return effect;
    return ekNone;
}

TFileDropTarget::TFileDropTarget(QObject* parent) : QObject(parent) {}

TFileDropTarget::~TFileDropTarget() {
    Detach();
}

void TFileDropTarget::SetWinControl(QWidget* control) {
    if (control == Control)
        return;
    Detach();
    if (control != nullptr)
        Attach(control);
}

QStringList TFileDropTarget::LocalFilePaths(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // The path's bytes as the drag carried them: toLocalFile would keep a byte that is not
        // UTF-8 as the three characters of its percent escape.
        const QString path = DecodeFileName(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
        if (!path.isEmpty())
            paths.append(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    }
    return paths;
}

bool TFileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Control.data())
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
        return DragEnterOrOver(*static_cast<QDragMoveEvent*>(event), true);
    case QEvent::DragMove:
        return DragEnterOrOver(*static_cast<QDragMoveEvent*>(event), false);
    case QEvent::DragLeave:
        return DragLeave();
    case QEvent::Drop:
        return Drop(*static_cast<QDropEvent*>(event));
    default:
        return false;
    }
}

bool TFileDropTarget::DragEnterOrOver(QDragMoveEvent& event, bool enter) {
    const TDropEffect chosen =
        HasLocalFiles(event.mimeData())
            ? ChooseDropEffect(Effects, DropEffectsFromActions(event.possibleActions()),
                               event.modifiers())
            : ekNone;
    Matched = chosen != ekNone;
    if (!Matched) {
        // Not ours: the widget itself may still want this drag.
        event.setDropAction(Qt::IgnoreAction);
        event.ignore();
        return false;
    }
    TDragContext context = MakeContext(event, chosen);
    if (enter)
        emit fileDragEnter(context);
    else
        emit fileDragOver(context);
    const Qt::DropAction action = OfferedAction(event, context.Effect);
    event.setDropAction(action);
    event.setAccepted(action != Qt::IgnoreAction);
    return true;
}

bool TFileDropTarget::DragLeave() {
    if (!Matched)
        return false;
    Matched = false;
    emit fileDragLeave();
    return true;
}

bool TFileDropTarget::Drop(QDropEvent& event) {
    if (!Matched)
        return false;
    Matched = false;
    Dropped = LocalFilePaths(event.mimeData());
    TDragContext context = MakeContext(event, ekNone);
    emit fileDrop(context);
    // Taken, but with no effect unless a handler chose one: the source then keeps its files.
    event.setDropAction(OfferedAction(event, context.Effect));
    event.accept();
    return true;
}

void TFileDropTarget::Attach(QWidget* control) {
    const int count = control->property(TargetCountProperty).toInt();
    if (count == 0)
        control->setProperty(AcceptedBeforeProperty, control->acceptDrops());
    control->setProperty(TargetCountProperty, count + 1);
    control->installEventFilter(this);
    control->setAcceptDrops(true);
    Control = control;
}

void TFileDropTarget::Detach() {
    Matched = false;
    QWidget* const control = Control.data();
    Control = nullptr;
    if (control == nullptr)
        return;
    control->removeEventFilter(this);
    const int count = control->property(TargetCountProperty).toInt() - 1;
    if (count > 0) {
        control->setProperty(TargetCountProperty, count);
        return;
    }
    const bool acceptedBefore = control->property(AcceptedBeforeProperty).toBool();
    control->setProperty(TargetCountProperty, QVariant());
    control->setProperty(AcceptedBeforeProperty, QVariant());
    control->setAcceptDrops(acceptedBefore);
}
