#pragma once

#include <QLabel>

// A line that screen readers speak when it changes, wherever the keyboard is. To the
// accessibility layer it is a notification whose name and text are the line: each announcement
// replaces the text (a text change that carries the new line) and shows the notification again,
// which is what Orca speaks a notification on. The line stays readable on screen.
class TLiveAnnouncer : public QLabel {
    Q_OBJECT
public:
    explicit TLiveAnnouncer(QWidget* parent = nullptr);

    // Shows `text` and tells the accessibility layer, without moving the focus.
    void Announce(const QString& text);
};
