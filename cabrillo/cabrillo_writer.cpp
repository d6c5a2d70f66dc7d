#include "cabrillo/cabrillo_writer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::error_code lastError() {
    return errno != 0 ? std::error_code(errno, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

std::error_code writeAndClose(std::FILE* file, std::string_view text) {
    std::error_code error;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) error = lastError();
    if (std::fclose(file) != 0 && !error) error = lastError();
    return error;
}

std::string notWritten(const std::string& fileName, const std::error_code& error) {
    return "Cabrillo file not written: " + fileName + " (" + error.message() + ")";
}

}  // namespace

std::string temporaryFileFor(const std::string& fileName) { return fileName + ".part"; }

std::string writeCabrilloFile(const std::string& fileName, std::string_view text) {
    const std::string temporary = temporaryFileFor(fileName);
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return notWritten(fileName, lastError());

    std::error_code error = writeAndClose(file, text);
    if (!error) std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return notWritten(fileName, error);
    }
    return "File produced: " + fileName;
}
