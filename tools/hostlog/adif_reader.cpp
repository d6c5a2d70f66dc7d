#include "tools/hostlog/adif_reader.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "tools/hostlog/bands.h"
#include "tools/hostlog/date_time_fields.h"
#include "tools/hostlog/numbers.h"
#include "tools/hostlog/text.h"

namespace hostlog {

namespace {

constexpr std::string_view endOfHeaderTag = "<EOH>";
constexpr std::string_view endOfRecordTag = "<EOR>";

enum class TagKind { Field, EndOfRecord, EndOfHeader, Bad };

struct Tag {
    TagKind kind = TagKind::Bad;
    std::size_t position = 0;  // of the '<'
    std::string fieldName;     // upper case
    std::string_view data;
    std::string error;         // why a Bad tag is bad
};

// Walks the tags of an ADIF text, keeping count of lines for messages.
class TagScanner {
public:
    explicit TagScanner(std::string_view text) : m_text(text) {}

    void skipHeader() {
        // Without a header the file starts with a field tag; a header starts
        // with free text that may itself contain '<', so jump over it whole.
        if (m_text.empty() || m_text.front() == '<') return;
        const std::size_t end = findIgnoreCase(m_text, endOfHeaderTag);
        if (end != std::string_view::npos) m_position = end + endOfHeaderTag.size();
    }

    std::optional<Tag> next() {
        std::size_t start = m_text.find('<', m_position);
        while (start != std::string_view::npos) {
            const std::size_t end = m_text.find_first_of("<>", start + 1);
            if (end == std::string_view::npos) {
                m_position = m_text.size();
                return badTag(start, "tag not closed by '>'");
            }
            // A '<' before the '>' means the first one was stray text.
            if (m_text[end] == '>') return readTag(start, end);
            start = end;
        }
        m_position = m_text.size();
        return std::nullopt;
    }

    void skipPastNextEndOfRecord() {
        const std::size_t end = findIgnoreCase(m_text, endOfRecordTag, m_position);
        m_position = end == std::string_view::npos ? m_text.size() : end + endOfRecordTag.size();
    }

    // Tags are visited in order, so the count only ever moves forward.
    std::size_t lineOf(std::size_t offset) {
        const auto from = m_text.begin() + static_cast<std::ptrdiff_t>(m_countedUpTo);
        const auto to = m_text.begin() + static_cast<std::ptrdiff_t>(offset);
        m_linesBefore += static_cast<std::size_t>(std::count(from, to, '\n'));
        m_countedUpTo = offset;
        return m_linesBefore + 1;
    }

private:
    Tag readTag(std::size_t start, std::size_t end) {
        m_position = end + 1;
        const std::string_view content = m_text.substr(start + 1, end - start - 1);
        const std::size_t colon = content.find(':');
        const std::string name = toUpperAscii(trim(content.substr(0, colon)));
        if (colon == std::string_view::npos) {
            if (name == "EOR") return Tag{TagKind::EndOfRecord, start, {}, {}, {}};
            if (name == "EOH") return Tag{TagKind::EndOfHeader, start, {}, {}, {}};
            return badTag(start, "tag " + quoted(content) + " has no length");
        }
        // An optional ":TYPE" may follow the length; the type is not needed.
        const std::string_view afterName = content.substr(colon + 1);
        const auto length = parseUnsigned(trim(afterName.substr(0, afterName.find(':'))));
        if (name.empty() || !length) return badTag(start, "bad tag " + quoted(content));
        if (*length > m_text.size() - m_position) {
            return badTag(start, "field " + name + " runs past the end of the file");
        }
        const auto dataLength = static_cast<std::size_t>(*length);
        Tag tag{TagKind::Field, start, name, m_text.substr(m_position, dataLength), {}};
        m_position += dataLength;
        return tag;
    }

    static Tag badTag(std::size_t start, std::string error) {
        return Tag{TagKind::Bad, start, {}, {}, std::move(error)};
    }

    std::string_view m_text;
    std::size_t m_position = 0;
    std::size_t m_countedUpTo = 0;
    std::size_t m_linesBefore = 0;
};

class Record {
public:
    void add(std::string name, std::string_view data) { m_fields.emplace_back(std::move(name), data); }

    bool empty() const { return m_fields.empty(); }

    void clear() { m_fields.clear(); }

    // Trimmed data of the field, empty when absent; a repeated field counts
    // with its last occurrence.
    std::string_view value(std::string_view name) const {
        const auto found = std::find_if(m_fields.rbegin(), m_fields.rend(),
                                        [name](const auto& field) { return field.first == name; });
        return found == m_fields.rend() ? std::string_view{} : trim(found->second);
    }

    // First of the fields, in order of preference, that has data.
    std::string_view firstGiven(std::initializer_list<std::string_view> names) const {
        for (std::string_view name : names) {
            if (const std::string_view data = value(name); !data.empty()) return data;
        }
        return {};
    }

private:
    std::vector<std::pair<std::string, std::string_view>> m_fields;
};

class AdifReader {
public:
    AdifReader(const std::string& fileName, std::string_view text) : m_fileName(fileName), m_scanner(text) {}

    LogReadResult read() {
        m_scanner.skipHeader();
        bool inRecord = false;
        while (const auto tag = m_scanner.next()) {
            if (!inRecord) {
                m_recordLine = m_scanner.lineOf(tag->position);
                inRecord = true;
            }
            switch (tag->kind) {
            case TagKind::Field:
                m_record.add(tag->fieldName, tag->data);
                break;
            case TagKind::EndOfHeader:
                // Fields before <EOH> belonged to a header that began with '<'.
                m_record.clear();
                inRecord = false;
                break;
            case TagKind::EndOfRecord:
                if (!m_record.empty()) addQso();
                m_record.clear();
                inRecord = false;
                break;
            case TagKind::Bad:
                addProblem(tag->error);
                m_record.clear();
                inRecord = false;
                m_scanner.skipPastNextEndOfRecord();
                break;
            }
        }
        if (!m_record.empty()) addProblem("record not ended by <EOR>");
        return std::move(m_result);
    }

private:
    void addQso() {
        LoggedQso qso;
        qso.sourceLine = m_recordLine;
        if (std::string error = fillQso(qso); !error.empty()) {
            addProblem(std::move(error));
            return;
        }
        m_result.qsos.push_back(std::move(qso));
    }

    // Returns why the record is not a usable QSO, or empty.
    std::string fillQso(LoggedQso& qso) const {
        qso.call = toUpperAscii(m_record.value("CALL"));
        if (qso.call.empty()) return "record has no CALL";

        const std::string_view dateText = m_record.value("QSO_DATE");
        const auto date = parseCompactDate(dateText);
        if (!date) return dateText.empty() ? "record has no QSO_DATE" : "bad QSO_DATE " + quoted(dateText);
        const std::string_view timeText = m_record.value("TIME_ON");
        const auto time = parseTimeOfDay(timeText);
        if (!time) return timeText.empty() ? "record has no TIME_ON" : "bad TIME_ON " + quoted(timeText);
        setDateTime(qso, *date, *time);

        if (const std::string_view frequencyText = m_record.value("FREQ"); !frequencyText.empty()) {
            constexpr unsigned hertzDigitsOfMegahertz = 6;
            const auto frequency = parseScaledDecimal(frequencyText, hertzDigitsOfMegahertz);
            if (!frequency) return "bad FREQ " + quoted(frequencyText);
            qso.frequencyHz = *frequency;
        }
        const std::string_view band = m_record.value("BAND");
        qso.band = band.empty() ? std::string(bandFromFrequencyHz(qso.frequencyHz)) : toLowerAscii(band);

        qso.myCall = toUpperAscii(m_record.firstGiven({"STATION_CALLSIGN", "OPERATOR"}));
        qso.mode = m_record.value("MODE");
        qso.rstSent = m_record.value("RST_SENT");
        qso.rstReceived = m_record.value("RST_RCVD");
        // Loggers without contest support still record the zones.
        qso.exchangeSent = m_record.firstGiven({"STX_STRING", "STX", "MY_CQ_ZONE"});
        qso.exchangeReceived = m_record.firstGiven({"SRX_STRING", "SRX", "CQZ"});
        return {};
    }

    void addProblem(std::string message) {
        m_result.problems.push_back(LogProblem{m_fileName, m_recordLine, std::move(message)});
    }

    const std::string& m_fileName;
    TagScanner m_scanner;
    Record m_record;
    std::size_t m_recordLine = 0;
    LogReadResult m_result;
};

}  // namespace

LogReadResult readAdif(const std::string& fileName, std::string_view text) {
    return AdifReader(fileName, text).read();
}

}  // namespace hostlog
