#pragma once

#include <string>
#include <vector>

#include "display/display.h"
#include "plugin/platform.h"

// A display that only counts what was asked of it.
class RecordingDisplay final : public Display {
public:
    bool running = false;
    int starts = 0;
    int shutdowns = 0;
    int refreshRequests = 0;
    int zoneResets = 0;

    bool isRunning() const override { return running; }
    void start() override {
        ++starts;
        running = true;
    }
    void shutdown() override {
        ++shutdowns;
        running = false;
    }
    void requestRefresh() override {
        if (running) ++refreshRequests;
    }
    void resetZoneDisplay() override { ++zoneResets; }
};

// The real platform of this build, with the operator's messages recorded instead of shown.
class RecordingPlatform final : public Platform {
public:
    struct Message {
        std::string text, caption;
        MessageStyle style;
    };
    std::vector<Message> messages;

    std::string readProfileString(const std::string& file, const std::string& section,
                                  const std::string& key) override {
        return hostPlatform().readProfileString(file, section, key);
    }
    void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) override {
        hostPlatform().writeProfileString(file, section, key, value);
    }
    std::vector<FoundFile> findFiles(const std::string& pattern) override {
        return hostPlatform().findFiles(pattern);
    }
    void showMessage(const std::string& text, const std::string& caption, MessageStyle style) override {
        messages.push_back({text, caption, style});
    }
};
