#pragma once

#include <string>
#include <vector>

// What the plug-in needs of the operating system, so that its logic stays portable.
class Platform {
public:
    struct FoundFile {
        std::string name;  // without folder, as the search reports it
        std::string path;  // what to open it by
    };

    enum class MessageStyle { plain, information };

    virtual ~Platform() = default;

    // Private-profile (INI) access with the system's semantics: section and key names ignore
    // letter case, a missing key reads as empty, failures are silent.
    virtual std::string readProfileString(const std::string& file, const std::string& section,
                                          const std::string& key) = 0;
    virtual void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& value) = 0;

    // Files matching a wildcard pattern ("folder\*.ini"), in the order the system lists them.
    virtual std::vector<FoundFile> findFiles(const std::string& pattern) = 0;

    // A modal message to the operator; an empty caption means the system's default.
    virtual void showMessage(const std::string& text, const std::string& caption, MessageStyle style) = 0;
};

// The platform of this build.
Platform& hostPlatform();
