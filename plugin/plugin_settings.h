#pragma once

#include <cstdint>
#include <string>

#include "plugin/platform.h"

// The plug-in's own settings: section "Settings" of "Plugins\GACW-WWSA-CW.ini", relative to the
// host's current directory. Every value is text; a number is read as the integer value of it.
class PluginSettings {
public:
    static constexpr const char* kFile = "Plugins\\GACW-WWSA-CW.ini";
    static constexpr const char* kSection = "Settings";

    explicit PluginSettings(Platform& platform) : m_platform(platform) {}

    std::string read(const std::string& key) const;
    std::int32_t readNumber(const std::string& key) const;
    void write(const std::string& key, const std::string& value) const;
    void writeNumber(const std::string& key, std::int32_t value) const;

private:
    Platform& m_platform;
};
