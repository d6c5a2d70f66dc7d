#include "tools/hostlog/log_reader.h"

#include <array>

#include "tools/hostlog/adif_reader.h"
#include "tools/hostlog/cabrillo_reader.h"
#include "tools/hostlog/file_text.h"
#include "tools/hostlog/text.h"

namespace hostlog {

namespace {

bool hasCabrilloLine(std::string_view text) {
    LineCursor lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const std::string_view start = trim(line);
        if (startsWithIgnoreCase(start, "START-OF-LOG:") || startsWithIgnoreCase(start, "QSO:")) return true;
    }
    return false;
}

bool hasAdifTag(std::string_view text) {
    constexpr std::array<std::string_view, 3> tags{"<EOH>", "<EOR>", "<CALL:"};
    for (std::string_view tag : tags) {
        if (findIgnoreCase(text, tag) != std::string_view::npos) return true;
    }
    return false;
}

// Editors on Windows like to put one in front of the text.
std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark) text.remove_prefix(byteOrderMark.size());
    return text;
}

}  // namespace

LogFormat detectLogFormat(std::string_view text) {
    if (hasCabrilloLine(text)) return LogFormat::Cabrillo;
    if (hasAdifTag(text)) return LogFormat::Adif;
    return LogFormat::Unknown;
}

LogReadResult readLog(const std::string& fileName, std::string_view text) {
    text = withoutByteOrderMark(text);
    switch (detectLogFormat(text)) {
    case LogFormat::Cabrillo:
        return readCabrillo(fileName, text);
    case LogFormat::Adif:
        return readAdif(fileName, text);
    case LogFormat::Unknown:
        break;
    }
    return LogReadResult{{}, {LogProblem{fileName, 0, "not an ADIF or Cabrillo log"}}};
}

LogReadResult readLogFile(const std::string& path) {
    const auto text = readFileText(path);
    if (!text) return LogReadResult{{}, {LogProblem{path, 0, "cannot read the file"}}};
    return readLog(path, *text);
}

}  // namespace hostlog
