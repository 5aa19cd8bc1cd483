#pragma once

#include <utility>
#include <vector>

#include <QUrl>

#include "ZnUtils.h"

// Records what would have been opened, and answers as a desktop that does (or does not) open it,
// at once or later.
class TZnRecordingOpener : public TZnOpener {
public:
    bool OpenUrl(const QUrl& url, TFailed failed = {}) override {
        Opened.push_back(url);
        Failures.push_back(std::move(failed));
        return Opens;
    }
    std::vector<QUrl> Opened;
    // Beside each address, what tells the caller that the handler failed after starting; a
    // test calls it to play that desktop.
    std::vector<TFailed> Failures;
    bool Opens = true;
};
