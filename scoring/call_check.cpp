#include "scoring/call_check.h"

#include <array>

#include "scoring/contest_rules.h"
#include "scoring/text.h"

namespace {

// Countries that span several CQ zones: the host's zone for them is only a guess.
constexpr std::array<std::string_view, 5> kMultiZoneCountries = {"VK", "VE", "K", "UA9", "BY"};

// Host versions that want "valid contact" rather than "not applicable" for other bands and modes.
int notApplicableCode(std::string_view hostVersion) {
    return hostVersion == "2.19" || hostVersion == "2.20" ? kValidContact : kNotApplicable;
}

bool isApplicable(const CallCheckQuery& query) {
    if (!query.band.empty() && !query.secondBand.empty() && !equalsIgnoringCase(query.band, query.secondBand)) {
        return false;
    }
    return contestBands().contains(query.band) && query.mode == "CW";
}

bool isMultiZoneCountry(std::string_view prefix) {
    for (const auto country : kMultiZoneCountries) {
        if (prefix == country) return true;
    }
    return false;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CallCheckAnswer checkCall(const QsoLog& log, std::string_view hostVersion, const CallCheckQuery& query) {
    CallCheckAnswer answer;
    if (!isApplicable(query)) {
        answer.code = notApplicableCode(hostVersion);
        return answer;
    }
    if (query.dxccPrefix.empty()) {
        answer.code = kValidContact;
        return answer;
    }
    if (log.holdsCallOnBand(query.call, query.band)) {
        answer.code = kDupe;
        return answer;
    }
    answer.code = log.holdsPrefixOnBand(query.band, query.dxccPrefix) ? kValidContact : kNewMultiplier;
    answer.hasExpectedExchange = true;
    answer.expectedExchange = formatText(isMultiZoneCountry(query.dxccPrefix) ? "%i?" : "%i", query.cqZone);
    return answer;
}

bool isValidExchange(std::string_view exchange, std::string_view dxccPrefix, std::int32_t rejectFlag) {
    if (rejectFlag != 0) return false;
    if (exchange.size() == 2) {
        return isDigit(exchange[0]) && isDigit(exchange[1]) && (exchange[0] - '0') * 10 + (exchange[1] - '0') <= 40;
    }
    if (exchange.size() == 1 && isDigit(exchange[0])) {
        const int digit = exchange[0] - '0';
        return (dxccPrefix == "VE" && digit >= 1 && digit <= 5) || (dxccPrefix == "K" && digit >= 3 && digit <= 5);
    }
    return false;
}
