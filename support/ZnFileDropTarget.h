#pragma once

// Lets a widget accept files dragged onto it from a file manager (or any program that drags
// local file URLs), and reports the dropped paths.
//
// Use: create a TFileDropTarget owned by the window, SetWinControl(window), connect fileDrop and
// read DroppedFiles() there. The window needs nothing else: the target switches acceptDrops on
// and answers the drag itself.

#include <cstdint>
#include <initializer_list>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QWidget;

// What a drop does to the dragged files, as the source is told.
enum TDropEffect : std::uint8_t { ekNone, ekCopy, ekMove, ekLink };

// A set of drop effects; bit i stands for the effect with ordinal i.
class TDropEffects {
public:
    constexpr TDropEffects() = default;
    constexpr TDropEffects(std::initializer_list<TDropEffect> effects) {
        for (TDropEffect effect : effects)
            Bits |= Bit(effect);
    }

    [[nodiscard]] constexpr bool Contains(TDropEffect effect) const {
        return (Bits & Bit(effect)) != 0;
    }
    [[nodiscard]] constexpr bool IsEmpty() const { return Bits == 0; }
    // The effects in both sets.
    [[nodiscard]] constexpr TDropEffects operator&(TDropEffects other) const {
        TDropEffects both;
        both.Bits = Bits & other.Bits;
        return both;
    }
    // The effects in either set.
    [[nodiscard]] constexpr TDropEffects operator|(TDropEffects other) const {
        TDropEffects either;
        either.Bits = Bits | other.Bits;
        return either;
    }
    constexpr bool operator==(const TDropEffects&) const = default;

private:
    static constexpr std::uint8_t Bit(TDropEffect effect) {
        return static_cast<std::uint8_t>(1U << effect);
    }
    std::uint8_t Bits = 0;
};

// The effects a drag source offers, from its Qt actions; actions other than copy, move and link
// are ignored.
[[nodiscard]] TDropEffects DropEffectsFromActions(Qt::DropActions actions);
// The Qt action of one effect; ekNone is Qt::IgnoreAction.
[[nodiscard]] Qt::DropAction DropActionFromEffect(TDropEffect effect);

// The effect the keys ask for: Shift alone asks to move, Ctrl+Shift to link, anything else
// (Ctrl alone, no key) to copy.
[[nodiscard]] TDropEffect PreferredDropEffect(Qt::KeyboardModifiers modifiers);

// The effect answered to a drag. Of the effects both `accepted` by the target and `offered` by
// the source, the one the keys prefer, else the first of copy, move, link. ekNone when they have
// none of these in common: the drag is then not taken at all.
[[nodiscard]] TDropEffect ChooseDropEffect(TDropEffects accepted, TDropEffects offered,
                                           Qt::KeyboardModifiers modifiers);

// What a handler learns of a drag, and may answer.
struct TDragContext {
    const QMimeData* Data = nullptr; // valid only during the signal
    Qt::KeyboardModifiers Modifiers;
    Qt::MouseButtons Buttons;
    QPoint Point; // the pointer, in the attached widget's coordinates
    // At enter and over: the chosen effect; a handler may change it (ekNone refuses the drag).
    // At a drop: ekNone unless a handler sets it, so the source removes or changes nothing.
    TDropEffect Effect = ekNone;
};

class TFileDropTarget : public QObject {
    Q_OBJECT
public:
    explicit TFileDropTarget(QObject* parent = nullptr);
    ~TFileDropTarget() override;
    TFileDropTarget(const TFileDropTarget&) = delete;
    TFileDropTarget& operator=(const TFileDropTarget&) = delete;

    // The widget that accepts the drops, or none. Attaching installs an event filter (the target
    // attached last sees a drag first) and turns acceptDrops on; detaching, or the widget's
    // destruction, undoes both.
    [[nodiscard]] QWidget* WinControl() const { return Control; }
    void SetWinControl(QWidget* control);

    // Default {ekCopy}.
    [[nodiscard]] TDropEffects DropEffects() const { return Effects; }
    void SetDropEffects(TDropEffects effects) { Effects = effects; }

    // The full paths of the latest drop, in the drag's order; replaced at every drop, and empty
    // when the drop carried no readable local file.
    [[nodiscard]] const QStringList& DroppedFiles() const { return Dropped; }

    // The local files of a drag's data, as full paths in the data's order.
    [[nodiscard]] static QStringList LocalFilePaths(const QMimeData* data);

signals:
    // Fired only for drags that carry local files and share an effect with DropEffects.
    void fileDragEnter(TDragContext& context);
    void fileDragOver(TDragContext& context);
    // Only after an enter or over that fired.
    void fileDragLeave();
    // DroppedFiles is already filled.
    void fileDrop(TDragContext& context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool DragEnterOrOver(QDragMoveEvent& event, bool enter);
    bool DragLeave();
    bool Drop(QDropEvent& event);
    void Attach(QWidget* control);
    void Detach();

    QPointer<QWidget> Control;
    TDropEffects Effects{ekCopy};
    QStringList Dropped;
    bool Matched = false; // the drag in progress carries files and got an effect
};
