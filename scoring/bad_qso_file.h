#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "scoring/ole_date_time.h"
#include "scoring/qso_record.h"

// The text file of rejected and dupe QSOs of the current scoring pass, in the current
// directory. It is opened and closed within each call, so the operator can read it at any time.
class BadQsoFile {
public:
    static constexpr std::string_view kHeader = "GACW WWSA CW DX Contest UBN file ";

    // "BadQSO_RedodIVER_<dd_mm_yyyy>.txt" after the contest end date.
    static std::string nameFor(const COleDateTime& contestEnd);

    // One QSO as a file line (without line end): the fields joined by two blanks, the reason last.
    static std::string lineFor(const CInfo& record, std::string_view ownCall, std::string_view reason);

    void setName(std::string name) { m_name = std::move(name); }
    const std::string& name() const { return m_name; }

    // Empties or creates the file with its header line.
    void create() const;
    void appendLine(std::string_view line) const;
    // What an append of nothing would leave behind: the file, created without header when missing.
    void ensureExists() const;
    // Lines in the file, header included; 0 when it cannot be read.
    std::size_t countLines() const;
    // Rewrites the file with its header and every QSO line except those of this worked call
    // at this date and minute ("%Y-%m-%d %H%M").
    void removeLinesOf(std::string_view call, std::string_view dateTime) const;

private:
    std::string m_name;
};
