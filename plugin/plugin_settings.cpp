#include "plugin/plugin_settings.h"

#include "scoring/text.h"

std::string PluginSettings::read(const std::string& key) const {
    return m_platform.readProfileString(kFile, kSection, key);
}

std::int32_t PluginSettings::readNumber(const std::string& key) const { return integerValueOf(read(key)); }

void PluginSettings::write(const std::string& key, const std::string& value) const {
    m_platform.writeProfileString(kFile, kSection, key, value);
}

void PluginSettings::writeNumber(const std::string& key, std::int32_t value) const {
    write(key, std::to_string(value));
}
