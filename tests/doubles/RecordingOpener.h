#pragma once

#include <vector>

#include <QUrl>

#include "ZnUtils.h"

// Records what would have been opened, and answers as a desktop that does (or does not) open it.
class TZnRecordingOpener : public TZnOpener {
public:
    bool OpenUrl(const QUrl& url) override {
        Opened.push_back(url);
        return Opens;
    }
    std::vector<QUrl> Opened;
    bool Opens = true;
};
