#pragma once

#include <string>
#include <vector>

#include "GameMessage.h"
#include "ZnMessageLog.h"
#include "ZnWording.h"

// The line the player reads for `message`.
std::string MessageText(const TZnWording& wording, const TZnMessage& message);

// A message log that words each message as it comes, into lines.
class TZnLineLog : public TZnMessageLog {
public:
    explicit TZnLineLog(const TZnWording& wording = Japanese()) : Wording(wording) {}
    void Add(const TZnMessage& message) override { Lines.push_back(MessageText(Wording, message)); }
    void Clear() override { Lines.clear(); }

    const TZnWording& Wording;
    std::vector<std::string> Lines;
};
