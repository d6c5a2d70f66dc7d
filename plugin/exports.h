#pragma once

// The plug-in's exported functions, with the argument lists the host calls them with.
// Each is exported under its plain name and, on Windows, also under the decorated name that
// the host's compiler gives a C++ function of the second name in GACW_EXPORT with these types.

namespace ATL {
class COleDateTime;
}

#if defined(GACW_DECORATED_DECLARATIONS)  // only for deriving the decorated names
#define GACW_EXPORT(plain, decorated) decorated
#define GACW_LINKAGE
#elif defined(_WIN32)
#define GACW_EXPORT(plain, decorated) plain
#define GACW_LINKAGE extern "C"
#else
#define GACW_EXPORT(plain, decorated) plain
#define GACW_LINKAGE extern "C" __attribute__((visibility("default")))
#endif

using OleDate = ATL::COleDateTime*;
using Text = const char*;

GACW_LINKAGE int GACW_EXPORT(AddData0, AddData0)(
    Text ownCall, Text call, OleDate time, OleDate, OleDate, OleDate, unsigned int, unsigned int frequencyHz,
    Text mode, Text rstSent, Text rstReceived, Text exchangeSent, Text exchangeReceived, Text, Text, Text, Text,
    Text, Text, Text, Text, Text, Text dxccPrefix, int, int, int, double, double, Text, Text continent, Text,
    Text band, Text);

GACW_LINKAGE int GACW_EXPORT(RemoveData0, RemoveData0)(
    Text ownCall, Text call, OleDate time, OleDate, OleDate, OleDate, unsigned int, unsigned int frequencyHz,
    Text mode, Text rstSent, Text rstReceived, Text exchangeSent, Text exchangeReceived, Text, Text, Text, Text,
    Text, Text, Text, Text, Text, Text dxccPrefix, int, int, int, double, double, Text, Text continent, Text,
    Text band, Text);

GACW_LINKAGE int GACW_EXPORT(ResetStats0, ResetStats0)(
    Text hostFolderPrefix, int cabrilloExportRequest, Text contestantCall, OleDate periodStart, OleDate periodEnd,
    Text, Text, Text, Text, Text, Text, Text, Text, Text, Text ownDxccPrefix, int, int, int, double, double, Text,
    Text ownContinent, Text);

GACW_LINKAGE int GACW_EXPORT(CheckCall0, CheckCallFunc0)(
    Text call, unsigned int, unsigned int, Text mode, Text, Text, Text, Text, Text, Text, Text, Text, Text,
    Text dxccPrefix, int cqZone, int, int, double, double, Text, Text, Text, Text, Text, Text band,
    Text secondBand, char* expectedExchange, char*);

GACW_LINKAGE int GACW_EXPORT(IsValidExchg0, StatsIsValidExchg0)(Text exchange, Text, Text dxccPrefix, Text, int,
                                                                int, int rejectFlag);

GACW_LINKAGE const char* GACW_EXPORT(GetResult0, GetResult0)(int* status);

GACW_LINKAGE int GACW_EXPORT(GetExchgCount0, StatsGetExchgCount0)(Text, Text, Text);

GACW_LINKAGE int GACW_EXPORT(GetNumberOfSets, GetNumberOfSets)();

GACW_LINKAGE const char* GACW_EXPORT(GetSetName, GetSetName)(int index);

GACW_LINKAGE void GACW_EXPORT(SetupSet0, SetupSet0)();

GACW_LINKAGE unsigned long GACW_EXPORT(setVersion, setVersion)(Text);
