#include "bench/synthetic_log.h"

#include <array>
#include <random>
#include <string>

namespace {

struct Country {
    const char* prefix;
    const char* continent;
    int zone;
};

constexpr std::array<Country, 24> kCountries = {{
    {"K", "NA", 5},   {"VE", "NA", 4},  {"PY", "SA", 11}, {"LU", "SA", 13}, {"DL", "EU", 14}, {"F", "EU", 14},
    {"G", "EU", 14},  {"I", "EU", 15},  {"SP", "EU", 15}, {"OK", "EU", 15}, {"UA", "EU", 16}, {"UA9", "AS", 17},
    {"JA", "AS", 25}, {"BY", "AS", 24}, {"VK", "OC", 30}, {"ZL", "OC", 32}, {"ZS", "AF", 38}, {"CN", "AF", 33},
    {"EA", "EU", 14}, {"YO", "EU", 20}, {"LZ", "EU", 20}, {"CE", "SA", 12}, {"XE", "NA", 6},  {"HS", "AS", 26},
}};

constexpr std::array<const char*, 6> kBands = {"160m", "80m", "40m", "20m", "15m", "10m"};
constexpr std::array<unsigned, 6> kBandHz = {1825000, 3525000, 7025000, 14025000, 21025000, 28025000};
constexpr double kContestStart = 46152.5;  // a Saturday noon
constexpr double kDay = 1.0;

}  // namespace

std::vector<host::QsoArguments> syntheticLog(std::size_t qsoCount) {
    std::mt19937 random(14025);
    const std::size_t stations = qsoCount / 3 + 50;
    std::vector<host::QsoArguments> log;
    log.reserve(qsoCount);
    for (std::size_t i = 0; i < qsoCount; ++i) {
        const std::size_t station = random() % stations;
        const Country& country = kCountries[station % kCountries.size()];
        const std::size_t band = (i / 97 + random() % 2) % kBands.size();
        host::QsoArguments q;
        q.ownCall = "DL1ABC";
        q.call = std::string(country.prefix) + std::to_string(station % 10) + "X" + std::to_string(station);
        q.time = {kContestStart + 2 * kDay * static_cast<double>(i) / static_cast<double>(qsoCount), 0};
        q.frequencyHz = kBandHz[band] + static_cast<unsigned>(random() % 20000);
        q.exchangeSent = "14";
        q.exchangeReceived = std::to_string(country.zone);
        q.dxccPrefix = country.prefix;
        q.continent = country.continent;
        q.band = kBands[band];
        log.push_back(std::move(q));
    }
    return log;
}

host::PassArguments syntheticPass() {
    return {"", 0, "DL1ABC", {kContestStart, 0}, {kContestStart + 2 * kDay, 0}, "DL", "EU"};
}
