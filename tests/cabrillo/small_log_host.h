#pragma once

#include "tests/support/host_qso.h"
#include "tools/host/plugin_library.h"

// The small log of the golden Cabrillo file, handed over as the host hands QSOs to the library:
// PY1AA, K1AA and PY1AA again (a dupe) on 20m, UA9AA on 40m with a four-character zone, K1ZZ on
// 160m, all worked by DL1ABC on 12 May 2018.
void handOverSmallLog(host::PluginLibrary& plugin);
