#include "tools/hostlog/numbers.h"

#include <limits>

namespace hostlog {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool appendDigit(std::uint64_t& value, char digit) {
    constexpr auto maximum = std::numeric_limits<std::uint64_t>::max();
    const auto digitValue = static_cast<std::uint64_t>(digit - '0');
    if (value > (maximum - digitValue) / 10) return false;
    value = value * 10 + digitValue;
    return true;
}

}  // namespace

std::optional<std::uint64_t> parseUnsigned(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (!isDigit(c) || !appendDigit(value, c)) return std::nullopt;
    }
    return value;
}

std::optional<std::uint64_t> parseScaledDecimal(std::string_view text, unsigned fractionDigits) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;

    std::uint64_t value = 0;
    for (char c : whole) {
        if (!isDigit(c) || !appendDigit(value, c)) return std::nullopt;
    }
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (!isDigit(fraction[i])) return std::nullopt;
        if (i < fractionDigits && !appendDigit(value, fraction[i])) return std::nullopt;
    }
    for (std::size_t i = fraction.size(); i < fractionDigits; ++i) {
        if (!appendDigit(value, '0')) return std::nullopt;
    }
    return value;
}

}  // namespace hostlog
