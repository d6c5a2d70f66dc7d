#include "tests/cabrillo/small_log_host.h"

namespace {

constexpr double kMay12 = 43232.0;  // 2018-05-12 00:00
constexpr double kMinute = 1.0 / 1440.0;

host::QsoArguments qso(const std::string& call, const std::string& prefix, const std::string& continent,
                       const std::string& zone, int minuteOfDay, std::uint32_t frequencyHz, const std::string& band) {
    host::QsoArguments q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = {kMay12 + minuteOfDay * kMinute, 0};
    q.frequencyHz = frequencyHz;
    q.exchangeSent = "14";
    q.exchangeReceived = zone;
    q.dxccPrefix = prefix;
    q.continent = continent;
    q.band = band;
    return q;
}

}  // namespace

void handOverSmallLog(host::PluginLibrary& plugin) {
    for (const auto& q : {qso("PY1AA", "PY", "SA", "11", 720, 14025000, "20m"),
                          qso("K1AA", "K", "NA", "05", 750, 14030999, "20m"),
                          qso("PY1AA", "PY", "SA", "11", 760, 14025000, "20m"),
                          qso("UA9AA", "UA9", "AS", "0019", 765, 7012000, "40m"),
                          qso("K1ZZ", "K", "NA", "05", 770, 1830000, "160m")}) {
        plugin.addData(q);
    }
}

host::PassArguments passOfDl1abc(int cabrilloExportRequest) {
    return {"", cabrilloExportRequest, "DL1ABC", {kMay12 + 0.5, 0}, {kMay12 + 1.5, 0}, "DL", "EU"};
}
