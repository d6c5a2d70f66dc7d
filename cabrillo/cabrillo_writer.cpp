#include "cabrillo/cabrillo_writer.h"

#include <filesystem>

#include "scoring/file_io.h"

namespace {

std::string notWritten(const std::string& fileName, const std::error_code& error) {
    return "Cabrillo file not written: " + fileName + " (" + error.message() + ")";
}

}  // namespace

std::string temporaryFileFor(const std::string& fileName) { return fileName + ".part"; }

std::string writeCabrilloFile(const std::string& fileName, std::string_view text) {
    const std::string temporary = temporaryFileFor(fileName);
    std::error_code error = writeWholeFile(temporary, text);
    if (!error) std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return notWritten(fileName, error);
    }
    return "File produced: " + fileName;
}
