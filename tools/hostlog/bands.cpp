#include "tools/hostlog/bands.h"

#include <array>

namespace hostlog {

namespace {

struct AmateurBand {
    std::string_view name;
    std::uint64_t lowKhz;
    std::uint64_t highKhz;
};

// Edges in kHz, inclusive; wide enough to hold every region's allocation.
constexpr std::array<AmateurBand, 12> amateurBands{{
    {"160m", 1800, 2000},
    {"80m", 3500, 4000},
    {"60m", 5250, 5450},
    {"40m", 7000, 7300},
    {"30m", 10100, 10150},
    {"20m", 14000, 14350},
    {"17m", 18068, 18168},
    {"15m", 21000, 21450},
    {"12m", 24890, 24990},
    {"10m", 28000, 29700},
    {"6m", 50000, 54000},
    {"2m", 144000, 148000},
}};

}  // namespace

std::string_view bandFromFrequencyHz(std::uint64_t frequencyHz) {
    for (const AmateurBand& band : amateurBands) {
        if (frequencyHz >= band.lowKhz * 1000 && frequencyHz <= band.highKhz * 1000) return band.name;
    }
    return {};
}

}  // namespace hostlog
