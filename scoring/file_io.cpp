#include "scoring/file_io.h"

#include <cerrno>
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

std::error_code lastError() {
    return errno != 0 ? std::error_code(errno, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

std::error_code writeTo(const std::string& path, const char* mode, std::string_view text) {
    if (path.empty()) return std::make_error_code(std::errc::invalid_argument);
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (!file) return lastError();
    std::error_code error;
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size()) error = lastError();
    if (std::fclose(file) != 0 && !error) error = lastError();
    return error;
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

std::error_code writeWholeFile(const std::string& path, std::string_view text) { return writeTo(path, "wb", text); }

std::error_code appendToFile(const std::string& path, std::string_view text) { return writeTo(path, "ab", text); }

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}
