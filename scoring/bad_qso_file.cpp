#include "scoring/bad_qso_file.h"

#include <vector>

#include "scoring/file_io.h"
#include "scoring/text.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kFieldSeparator = "  ";
constexpr std::string_view kQsoTag = "QSO:";
constexpr std::size_t kDateTimeField = 3;
constexpr std::size_t kWorkedCallField = 7;

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto end = line.find(kFieldSeparator);
        fields.push_back(line.substr(0, end));
        if (end == std::string_view::npos) return fields;
        line.remove_prefix(end + kFieldSeparator.size());
    }
}

bool isLineOf(std::string_view line, std::string_view call, std::string_view dateTime) {
    const auto fields = splitFields(line);
    return fields.size() > kWorkedCallField && fields[0] == kQsoTag && fields[kDateTimeField] == dateTime &&
           fields[kWorkedCallField] == call;
}

std::string withLineEnd(std::string_view line) { return std::string(line).append(kLineEnd); }

}  // namespace

std::string BadQsoFile::nameFor(const COleDateTime& contestEnd) {
    return "BadQSO_RedodIVER_" + contestEnd.Format("%d_%m_%Y") + ".txt";
}

std::string BadQsoFile::lineFor(const CInfo& record, std::string_view ownCall, std::string_view reason) {
    const std::string dateTime = record.time.Format("%Y-%m-%d %H%M");
    std::string line = "QSO:  " + std::to_string(record.frequencyKHz);
    for (const std::string_view field :
         {std::string_view(record.mode), std::string_view(dateTime), ownCall, std::string_view(record.rstSent),
          std::string_view(record.exchangeSent), std::string_view(record.call), std::string_view(record.rstReceived),
          std::string_view(record.exchangeReceived)}) {
        line.append(kFieldSeparator).append(field);
    }
    return line.append(reason);
}

void BadQsoFile::create() const { writeWholeFile(m_name, withLineEnd(kHeader)); }

void BadQsoFile::appendLine(std::string_view line) const { appendToFile(m_name, withLineEnd(line)); }

void BadQsoFile::ensureExists() const {
    if (!fileExists(m_name)) appendToFile(m_name, {});
}

std::size_t BadQsoFile::countLines() const {
    std::size_t lines = 0;
    forEachLine(readWholeFile(m_name).value_or(std::string()), [&lines](std::string_view) { ++lines; });
    return lines;
}

void BadQsoFile::removeLinesOf(std::string_view call, std::string_view dateTime) const {
    const std::string old = readWholeFile(m_name).value_or(std::string());
    std::string rewritten = withLineEnd(kHeader);
    bool header = true;
    forEachLine(old, [&](std::string_view line) {
        if (!header && !isLineOf(line, call, dateTime)) rewritten.append(withLineEnd(line));
        header = false;
    });
    writeWholeFile(m_name, rewritten);
}
