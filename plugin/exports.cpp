#include "plugin/exports.h"

#include "plugin/test_app.h"
#include "scoring/text.h"

// Every export catches everything: nothing may unwind into the host.

namespace {

constexpr int kOneContestSet = 1;

COleDateTime dateOf(const ATL::COleDateTime* value) { return value ? *value : COleDateTime(); }

HandedQso handedQso(Text ownCall, Text call, OleDate time, unsigned int frequencyHz, Text mode, Text rstSent,
                    Text rstReceived, Text exchangeSent, Text exchangeReceived, Text dxccPrefix, Text continent,
                    Text band) {
    HandedQso qso;
    qso.ownCall = argText(ownCall);
    CInfo& record = qso.record;
    record.call = argText(call);
    record.dxccPrefix = argText(dxccPrefix);
    record.continent = argText(continent);
    record.band = argText(band);
    record.mode = argText(mode);
    record.rstReceived = argText(rstReceived);
    record.rstSent = argText(rstSent);
    record.exchangeReceived = argText(exchangeReceived);
    record.exchangeSent = argText(exchangeSent);
    record.zone = integerValueOf(record.exchangeReceived);
    record.frequencyKHz = frequencyHz / 1000;
    record.time = dateOf(time);
    return qso;
}

}  // namespace

int AddData0(Text ownCall, Text call, OleDate time, OleDate, OleDate, OleDate, unsigned int, unsigned int frequencyHz,
             Text mode, Text rstSent, Text rstReceived, Text exchangeSent, Text exchangeReceived, Text, Text, Text,
             Text, Text, Text, Text, Text, Text, Text dxccPrefix, int, int, int, double, double, Text, Text continent,
             Text, Text band, Text) {
    try {
        return theApp().plugin().addData(handedQso(ownCall, call, time, frequencyHz, mode, rstSent, rstReceived,
                                                   exchangeSent, exchangeReceived, dxccPrefix, continent, band))
                   ? 1
                   : 0;
    } catch (...) {
        return 0;
    }
}

int RemoveData0(Text ownCall, Text call, OleDate time, OleDate, OleDate, OleDate, unsigned int,
                unsigned int frequencyHz, Text mode, Text rstSent, Text rstReceived, Text exchangeSent,
                Text exchangeReceived, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text dxccPrefix, int, int,
                int, double, double, Text, Text continent, Text, Text band, Text) {
    try {
        theApp().plugin().removeData(handedQso(ownCall, call, time, frequencyHz, mode, rstSent, rstReceived,
                                               exchangeSent, exchangeReceived, dxccPrefix, continent, band));
    } catch (...) {
    }
    return 1;
}

int ResetStats0(Text hostFolderPrefix, int cabrilloExportRequest, Text contestantCall, OleDate periodStart,
                OleDate periodEnd, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text ownDxccPrefix, int, int,
                int, double, double, Text, Text ownContinent, Text) {
    try {
        theApp().plugin().resetStats({std::string(argText(hostFolderPrefix)), cabrilloExportRequest,
                                      std::string(argText(contestantCall)), dateOf(periodStart), dateOf(periodEnd),
                                      std::string(argText(ownDxccPrefix)), std::string(argText(ownContinent))});
    } catch (...) {
    }
    return 1;
}

int CheckCall0(Text call, unsigned int, unsigned int, Text mode, Text, Text, Text, Text, Text, Text, Text, Text, Text,
               Text dxccPrefix, int cqZone, int, int, double, double, Text, Text, Text, Text, Text, Text band,
               Text secondBand, char* expectedExchange, char*) {
    try {
        return theApp().plugin().checkCall(
            {argText(call), argText(mode), argText(dxccPrefix), cqZone, argText(band), argText(secondBand)},
            expectedExchange);
    } catch (...) {
        return 4;
    }
}

int IsValidExchg0(Text exchange, Text, Text dxccPrefix, Text, int, int, int rejectFlag) {
    try {
        return theApp().plugin().isValidExchange(argText(exchange), argText(dxccPrefix), rejectFlag) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

const char* GetResult0(int* status) {
    const char* summary = "";
    try {
        summary = theApp().plugin().getResult();
    } catch (...) {
    }
    if (status) *status = -1;
    return summary;
}

int GetExchgCount0(Text, Text, Text) { return kOneContestSet; }

#if !defined(_WIN32)
// On Windows the export table points GetNumberOfSets at GetExchgCount0's code instead.
int GetNumberOfSets() { return kOneContestSet; }
#endif

const char* GetSetName(int) { return ContestPlugin::kSetName; }

void SetupSet0() {
    try {
        theApp().plugin().setupSet();
    } catch (...) {
    }
}

unsigned long setVersion(Text) {
    try {
        theApp().plugin().switchToHtml();
    } catch (...) {
    }
    return 0;
}
