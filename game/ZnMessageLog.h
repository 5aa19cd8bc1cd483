#pragma once

#include <algorithm>
#include <string>
#include <utility>
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
    void Add(const TZnMessage& message) override {
        if (message.Name.empty() || FNames.empty()) {
            Messages.push_back(message);
            return;
        }
        std::string& name =
            Messages.emplace_back(message.Id, message.Numbers, std::move(FNames.back())).Name;
        FNames.pop_back();
        // Room for the longest name yet: a kept name grows once at most, whichever it names.
        FLongest = std::max(FLongest, message.Name.size());
        name.reserve(FLongest);
        name = message.Name;
    }
    void Clear() override {
        for (TZnMessage& message : Messages)
            if (message.Name.capacity() > ShortName)
                FNames.push_back(std::move(message.Name));
        Messages.clear();
    }

    std::vector<TZnMessage> Messages;

private:
    // The longest name a string holds without storage of its own.
    static inline const size_t ShortName = std::string().capacity();
    // The storage of the long names cleared, kept for the names to come: a log cleared every
    // season stops allocating once its names have found room.
    std::vector<std::string> FNames;
    size_t FLongest = 0;
};
