#pragma once

#include <vector>

#include "GameMessage.h"

// Where the game writes its messages: the window's log widget, or the CLI's list of messages.
class TZnMessageLog {
public:
    virtual ~TZnMessageLog() = default;
    // Appends `message` as the new last line and brings it into view.
    virtual void Add(const TZnMessage& message) = 0;
    virtual void Clear() = 0;
};

// A message log that keeps its messages in memory, to be worded when shown.
class TZnMessageList : public TZnMessageLog {
public:
    void Add(const TZnMessage& message) override { Messages.push_back(message); }
    void Clear() override { Messages.clear(); }

    std::vector<TZnMessage> Messages;
};
