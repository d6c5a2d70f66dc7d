#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace hostlog {

// Decimal digits only (no sign, no blanks); nullopt when empty or too large.
std::optional<std::uint64_t> parseUnsigned(std::string_view digits);

// A non-negative decimal such as "14.0255" scaled by 10^fractionDigits and
// truncated, e.g. MHz to Hz with fractionDigits 6. Integer arithmetic keeps
// logged frequencies exact, which binary floating point would not.
std::optional<std::uint64_t> parseScaledDecimal(std::string_view text, unsigned fractionDigits);

}  // namespace hostlog
