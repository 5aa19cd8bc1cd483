#include "LiveAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The announcer as a notification whose name and read-only text are its line.
class TLiveAnnouncerAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TLiveAnnouncerAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return Line();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text: the whole line, with nothing selected and the caret at its start.
    QString text(int start, int end) const override { return Line().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Line().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

private:
    QString Line() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* AnnouncerFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("TLiveAnnouncer") && object != nullptr && object->isWidgetType())
        return new TLiveAnnouncerAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

TLiveAnnouncer::TLiveAnnouncer(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    (void)installed;
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void TLiveAnnouncer::Announce(const QString& text) {
    const QString before = this->text();
    setText(text);
    // The old line goes and the new one comes: the text change carries the announcement.
    QAccessibleTextRemoveEvent removed(this, 0, before);
    QAccessible::updateAccessibility(&removed);
    QAccessibleTextInsertEvent inserted(this, 0, text);
    QAccessible::updateAccessibility(&inserted);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // A notification that shows is what a screen reader speaks at once.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
