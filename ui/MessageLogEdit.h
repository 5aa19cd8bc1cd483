#pragma once

#include <vector>

#include <QPlainTextEdit>

#include "ZnMessageLog.h"
#include "ZnWording.h"

// The window's message log: a read-only text box that the game writes its messages into, one
// line each, always scrolled to the newest. It keeps the messages, so that they can be worded
// again in another language.
class TMessageLogEdit : public QPlainTextEdit, public TZnMessageLog {
    Q_OBJECT
public:
    explicit TMessageLogEdit(QWidget* parent = nullptr);
    void Add(const TZnMessage& message) override;
    void Clear() override;
    // Words the kept messages anew in `wording`, and those that follow.
    void SetWording(const TZnWording& wording);
    // Room for a few lines of messages.
    QSize sizeHint() const override;

private:
    void AddLine(const TZnMessage& message);

    const TZnWording* FWording = &Japanese();
    std::vector<TZnMessage> FMessages;
};
