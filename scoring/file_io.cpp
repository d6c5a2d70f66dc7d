#include "scoring/file_io.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::string& path, const char* mode) {
    if (path.empty()) return nullptr;
    return File(std::fopen(path.c_str(), mode));
}

bool writeTo(const std::string& path, const char* mode, std::string_view text) {
    if (path.empty()) return false;
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (!file) return false;
    const bool written = text.empty() || std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    const File file = openFile(path, "rb");
    if (!file) return std::nullopt;
    std::string text;
    char buffer[8192];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) text.append(buffer, got);
    return text;
}

bool writeWholeFile(const std::string& path, std::string_view text) { return writeTo(path, "wb", text); }

bool appendToFile(const std::string& path, std::string_view text) { return writeTo(path, "ab", text); }

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}
