#include "tests/cabrillo/small_log_host.h"

#include "tests/support/host_qso.h"

void handOverSmallLog(host::PluginLibrary& plugin) {
    for (const auto& q : {hostQso("PY1AA", "PY", "SA", "11", 720), hostQso("K1AA", "K", "NA", "05", 750, "20m", 14030999),
                          hostQso("PY1AA", "PY", "SA", "11", 760), hostQso("UA9AA", "UA9", "AS", "0019", 765, "40m", 7012000),
                          hostQso("K1ZZ", "K", "NA", "05", 770, "160m", 1830000)}) {
        plugin.addData(q);
    }
}
