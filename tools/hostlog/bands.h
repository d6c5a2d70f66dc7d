#pragma once

#include <cstdint>
#include <string_view>

namespace hostlog {

// Amateur band containing the frequency ("40m", "20m", ...), or empty when
// the frequency lies outside every band.
std::string_view bandFromFrequencyHz(std::uint64_t frequencyHz);

}  // namespace hostlog
