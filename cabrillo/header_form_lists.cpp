#include "cabrillo/header_form_lists.h"

#include "scoring/text.h"

namespace {

constexpr std::string_view kCategoryOperators[] = {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"};
constexpr std::string_view kCategoryBands[] = {"ALL", "80M", "40M", "20M", "15M", "10M"};
constexpr std::string_view kCategoryAssisted[] = {"ASSISTED", "NON-ASSISTED"};
constexpr std::string_view kCategoryOverlays[] = {"CLASSIC", "ROOKIE"};
constexpr std::string_view kCategoryPowers[] = {"HIGH", "LOW", "QRP"};
constexpr std::string_view kCategoryStations[] = {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"};
constexpr std::string_view kCategoryTransmitters[] = {"ONE", "TWO", "UNLIMITED"};
// DX, no area, the US states, then the Canadian areas.
constexpr std::string_view kLocations[] = {
    "DX", "--/--", "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IN", "IA",
    "KS", "KY",    "LA", "ME", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY",
    "NC", "ND",    "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV",
    "WI", "WY",    "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI",
};

constexpr DropDownList kDropDowns[] = {
    {&CabrilloHeader::categoryOperator, kCategoryOperators},
    {&CabrilloHeader::location, kLocations},
    {&CabrilloHeader::categoryBand, kCategoryBands},
    {&CabrilloHeader::categoryAssisted, kCategoryAssisted},
    {&CabrilloHeader::categoryOverlay, kCategoryOverlays},
    {&CabrilloHeader::categoryPower, kCategoryPowers},
    {&CabrilloHeader::categoryStation, kCategoryStations},
    {&CabrilloHeader::categoryTransmitter, kCategoryTransmitters},
};

bool beginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::span<const DropDownList> headerFormDropDowns() { return kDropDowns; }

std::optional<std::size_t> entryToSelect(std::span<const std::string> shownEntries, std::string_view value) {
    for (std::size_t i = 0; i < shownEntries.size(); ++i) {
        if (beginsWithIgnoringCase(shownEntries[i], value)) return i;
    }
    return std::nullopt;
}
