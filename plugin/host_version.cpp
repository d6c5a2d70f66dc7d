#include "plugin/host_version.h"

#include <algorithm>
#include <array>

#include "scoring/file_io.h"
#include "scoring/text.h"

namespace {
constexpr std::string_view kHostSettingsName = "Dorv2.ini";
constexpr std::string_view kVersionKey = "Dorv=";
constexpr std::array<std::string_view, 6> kVersionsWithoutDisplay = {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"};
}  // namespace

std::optional<std::string> lookUpHostVersion(Platform& platform, std::string_view folderPrefix) {
    const auto files = platform.findFiles(std::string(folderPrefix) + "*.ini");
    const auto settings = std::find_if(files.begin(), files.end(), [](const Platform::FoundFile& file) {
        return file.name.find(kHostSettingsName) != std::string::npos;
    });
    if (settings == files.end()) return std::string("Dorv");

    std::optional<std::string> version;
    const std::string text = readWholeFile(settings->path).value_or(std::string());
    forEachLine(text, [&version](std::string_view line) {
        if (!version && line.find(kVersionKey) != std::string_view::npos) {
            version = std::string(line.substr(kVersionKey.size()));  // the line less its first five characters
        }
    });
    return version;
}

bool displayAllowedFor(std::string_view hostVersion) {
    return std::find(kVersionsWithoutDisplay.begin(), kVersionsWithoutDisplay.end(), hostVersion) ==
           kVersionsWithoutDisplay.end();
}
