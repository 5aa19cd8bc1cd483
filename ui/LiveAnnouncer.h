#pragma once

#include <QLabel>

// A line that screen readers speak when it changes, wherever the keyboard is: an alert to the
// accessibility layer (role AlertMessage) that raises its name change and shows itself again on
// every announcement, which is what Orca speaks an alert on. The line stays readable on screen.
class TLiveAnnouncer : public QLabel {
    Q_OBJECT
public:
    explicit TLiveAnnouncer(QWidget* parent = nullptr);

    // Shows `text` and tells the accessibility layer, without moving the focus.
    void Announce(const QString& text);
};
