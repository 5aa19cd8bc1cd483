#pragma once

#include <string>

#include <QPlainTextEdit>

#include "ZnMessageLog.h"

// The window's message log: a read-only text box that the game writes its messages into, one
// line each, always scrolled to the newest.
class TMessageLogEdit : public QPlainTextEdit, public TZnMessageLog {
    Q_OBJECT
public:
    explicit TMessageLogEdit(QWidget* parent = nullptr);
    void AddLine(const std::string& line) override;
    void Clear() override { clear(); }
    // Room for a few lines of messages.
    QSize sizeHint() const override;
};
