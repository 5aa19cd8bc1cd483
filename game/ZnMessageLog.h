#pragma once

#include <string>
#include <vector>

// Where the game writes its messages: the window's log widget, or the CLI's list of lines.
class TZnMessageLog {
public:
    virtual ~TZnMessageLog() = default;
    // Appends `line` (UTF-8) as the new last line and brings it into view.
    virtual void AddLine(const std::string& line) = 0;
    virtual void Clear() = 0;
};

// A message log that keeps its lines in memory.
class TZnLineLog : public TZnMessageLog {
public:
    void AddLine(const std::string& line) override { Lines.push_back(line); }
    void Clear() override { Lines.clear(); }

    std::vector<std::string> Lines;
};
