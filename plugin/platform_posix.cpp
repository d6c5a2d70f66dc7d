#include <algorithm>
#include <filesystem>
#include <iostream>

#include "plugin/platform.h"
#include "plugin/profile_text.h"
#include "plugin/wildcard.h"
#include "scoring/file_io.h"
#include "scoring/text.h"

namespace {

// The host names files the Windows way; a backslash is a folder separator here too.
std::string posixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool byNameIgnoringCase(const Platform::FoundFile& a, const Platform::FoundFile& b) {
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

class PosixPlatform final : public Platform {
public:
    std::string readProfileString(const std::string& file, const std::string& section,
                                  const std::string& key) override {
        const auto text = readWholeFile(posixPath(file));
        if (!text) return {};
        return profile_text::lookUp(*text, section, key).value_or(std::string());
    }

    void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) override {
        const std::string path = posixPath(file);
        const std::string old = readWholeFile(path).value_or(std::string());
        writeWholeFile(path, profile_text::withValue(old, section, key, value));
    }

    std::vector<FoundFile> findFiles(const std::string& pattern) override {
        const std::string path = posixPath(pattern);
        const auto slash = path.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        const std::string namePattern = slash == std::string::npos ? path : path.substr(slash + 1);

        std::vector<FoundFile> found;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, error)) {
            std::string name = entry.path().filename().string();
            if (matchesWildcard(name, namePattern)) found.push_back({name, folder + name});
        }
        // Listed in name order, as the system's search lists a folder.
        std::sort(found.begin(), found.end(), byNameIgnoringCase);
        return found;
    }

    void showMessage(const std::string& text, const std::string& caption, MessageStyle) override {
        std::cerr << (caption.empty() ? "Message" : caption) << ": " << text << '\n';
    }
};

}  // namespace

Platform& hostPlatform() {
    static PosixPlatform platform;
    return platform;
}
