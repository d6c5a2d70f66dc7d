#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/cabrillo_header.h"
#include "scoring/qso_record.h"

// The Cabrillo report builder: the header confirmed last in the header form, the name of the
// file it exports to, and the QSO lines of the export under way.
class CabrilloReport {
public:
    // The header form was confirmed; the QSO lines start again.
    void confirm(CabrilloHeader header, std::string fileNameBase);

    void clearQsoLines() { m_qsoLines.clear(); }
    void addQsoLine(const CInfo& record, std::string_view modeText);

    const std::vector<std::string>& qsoLines() const { return m_qsoLines; }

    // The file-name base with ".cbr", relative to the host's current directory.
    std::string fileName() const;

    // The whole Cabrillo 3.0 file: every header line, present even when empty, the QSO lines
    // and the end line, each ending in CR LF.
    std::string fileText(std::int32_t claimedScore, std::string_view hostVersion) const;

private:
    CabrilloHeader m_header;
    std::string m_fileNameBase;
    std::vector<std::string> m_qsoLines;
};
