#include "cabrillo/cabrillo_report.h"

#include <variant>

#include "cabrillo/qso_line.h"
#include "cabrillo/soapbox.h"

namespace {

// Header values that are not a field of the form.
enum class ExportValue { claimedScore, createdBy, soapbox };

struct HeaderLine {
    std::string_view tag;
    std::variant<std::string_view, HeaderField, ExportValue> value;  // fixed text, form field or export value
};

constexpr HeaderLine kHeaderLines[] = {
    {"START-OF-LOG", std::string_view("3.0")},
    {"CALLSIGN", &CabrilloHeader::ownCall},
    {"CONTEST", std::string_view("GACW-WWSA-CW")},
    {"CATEGORY-OPERATOR", &CabrilloHeader::categoryOperator},
    {"CATEGORY-ASSISTED", &CabrilloHeader::categoryAssisted},
    {"CATEGORY-BAND", &CabrilloHeader::categoryBand},
    {"CATEGORY-MODE", &CabrilloHeader::categoryMode},
    {"CATEGORY-POWER", &CabrilloHeader::categoryPower},
    {"CATEGORY-STATION", &CabrilloHeader::categoryStation},
    {"CATEGORY-TRANSMITTER", &CabrilloHeader::categoryTransmitter},
    {"CLAIMED-SCORE", ExportValue::claimedScore},
    {"CLUB", &CabrilloHeader::club},
    {"CREATED-BY", ExportValue::createdBy},
    {"LOCATION", &CabrilloHeader::location},
    {"EMAIL", &CabrilloHeader::email},
    {"NAME", &CabrilloHeader::name},
    {"ADDRESS", &CabrilloHeader::address},
    {"ADDRESS-CITY", &CabrilloHeader::addressCity},
    {"ADDRESS-STATE-PROVINCE", &CabrilloHeader::addressStateProvince},
    {"ADDRESS-POSTALCODE", &CabrilloHeader::addressPostalCode},
    {"ADDRESS-COUNTRY", &CabrilloHeader::addressCountry},
    {"OPERATORS", &CabrilloHeader::operators},
    {"SOAPBOX", ExportValue::soapbox},
};

constexpr std::string_view kEndOfLog = "END-OF-LOG:\r\n";

struct ExportValues {
    const CabrilloHeader& header;
    std::int32_t claimedScore;
    std::string_view hostVersion;

    std::string operator()(std::string_view fixed) const { return std::string(fixed); }
    std::string operator()(HeaderField field) const { return header.*field; }
    std::string operator()(ExportValue value) const {
        switch (value) {
            case ExportValue::claimedScore: return std::to_string(claimedScore);
            case ExportValue::createdBy: return "Dorv " + std::string(hostVersion);
            case ExportValue::soapbox: return soapboxFileForm(soapboxToStorage(header.soapbox));
        }
        return {};
    }
};

}  // namespace

void CabrilloReport::confirm(CabrilloHeader header, std::string fileNameBase) {
    m_header = std::move(header);
    m_fileNameBase = std::move(fileNameBase);
    m_qsoLines.clear();
}

void CabrilloReport::addQsoLine(const CInfo& record, std::string_view modeText) {
    m_qsoLines.push_back(qsoLine(record, modeText, m_header.ownCall));
}

std::string CabrilloReport::fileName() const { return m_fileNameBase + ".cbr"; }

std::string CabrilloReport::fileText(std::int32_t claimedScore, std::string_view hostVersion) const {
    const ExportValues values{m_header, claimedScore, hostVersion};
    std::string text;
    for (const auto& line : kHeaderLines) {
        text.append(line.tag).append(": ").append(std::visit(values, line.value)).append("\r\n");
    }
    for (const auto& line : m_qsoLines) text += line;
    text += kEndOfLog;
    return text;
}
