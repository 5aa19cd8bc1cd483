#include "LiveAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The announcer as an alert whose name is its text.
class TLiveAnnouncerAccessible : public QAccessibleWidget {
public:
    explicit TLiveAnnouncerAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
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
    setText(text);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // An alert that shows is what a screen reader speaks at once.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
