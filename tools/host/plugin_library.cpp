#include "tools/host/plugin_library.h"

#include <cstring>

#include "tools/host/module_loader.h"

namespace host {
namespace {

using T = const char*;
using D = OleDate*;
using U = unsigned int;

using QsoFunction = int (*)(T, T, D, D, D, D, U, U, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, int, int, int, double,
                            double, T, T, T, T, T);
using ResetFunction = int (*)(T, int, T, D, D, T, T, T, T, T, T, T, T, T, T, int, int, int, double, double, T, T, T);
using CheckCallFunction = int (*)(T, U, U, T, T, T, T, T, T, T, T, T, T, T, int, int, int, double, double, T, T, T, T,
                                  T, T, T, char*, char*);
using ValidExchangeFunction = int (*)(T, T, T, T, int, int, int);
using ResultFunction = const char* (*)(int*);
using ExchangeCountFunction = int (*)(T, T, T);
using SetCountFunction = int (*)();
using SetNameFunction = const char* (*)(int);
using SetupFunction = void (*)();
using VersionFunction = unsigned long (*)(T);

constexpr std::size_t kExchangeBufferSize = 100;

}  // namespace

struct PluginLibrary::Exports {
    QsoFunction addData;
    QsoFunction removeData;
    ResetFunction resetStats;
    CheckCallFunction checkCall;
    ValidExchangeFunction isValidExchange;
    ResultFunction getResult;
    ExchangeCountFunction getExchangeCount;
    SetCountFunction getNumberOfSets;
    SetNameFunction getSetName;
    SetupFunction setupSet;
    VersionFunction setVersion;
};

namespace {

template <typename Function>
Function exportOf(void* module, PluginLibrary::ExportNameOf nameOf, const char* plainName) {
    const std::string name = nameOf ? nameOf(plainName) : plainName;
    void* address = findExport(module, name.c_str());
    if (!address) throw LoadError("export not found: " + name);
    return reinterpret_cast<Function>(address);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path, ExportNameOf nameOf) : m_module(loadModule(path)) {
    if (!m_module) throw LoadError("cannot load " + path + ": " + lastLoadError());
    try {
        m_exports = std::make_unique<Exports>(Exports{
            exportOf<QsoFunction>(m_module, nameOf, "AddData0"),
            exportOf<QsoFunction>(m_module, nameOf, "RemoveData0"),
            exportOf<ResetFunction>(m_module, nameOf, "ResetStats0"),
            exportOf<CheckCallFunction>(m_module, nameOf, "CheckCall0"),
            exportOf<ValidExchangeFunction>(m_module, nameOf, "IsValidExchg0"),
            exportOf<ResultFunction>(m_module, nameOf, "GetResult0"),
            exportOf<ExchangeCountFunction>(m_module, nameOf, "GetExchgCount0"),
            exportOf<SetCountFunction>(m_module, nameOf, "GetNumberOfSets"),
            exportOf<SetNameFunction>(m_module, nameOf, "GetSetName"),
            exportOf<SetupFunction>(m_module, nameOf, "SetupSet0"),
            exportOf<VersionFunction>(m_module, nameOf, "setVersion"),
        });
    } catch (...) {
        unloadModule(m_module);
        throw;
    }
}

PluginLibrary::~PluginLibrary() { unloadModule(m_module); }

int PluginLibrary::resetStats(const PassArguments& pass) {
    OleDate start = pass.periodStart, end = pass.periodEnd;
    const T f = m_filler.text.c_str();
    const int n = m_filler.number;
    const double r = m_filler.real;
    return m_exports->resetStats(pass.hostFolderPrefix.c_str(), pass.cabrilloExportRequest,
                                 pass.contestantCall.c_str(), &start, &end, f, f, f, f, f, f, f, f, f,
                                 pass.ownDxccPrefix.c_str(), n, n, n, r, r, f, pass.ownContinent.c_str(), f);
}

namespace {

int callWithQso(QsoFunction function, const QsoArguments& qso, const Filler& filler) {
    OleDate time = qso.time;
    OleDate unread[3] = {filler.date, filler.date, filler.date};
    const T f = filler.text.c_str();
    const int n = filler.number;
    const double r = filler.real;
    return function(qso.ownCall.c_str(), qso.call.c_str(), &time, &unread[0], &unread[1], &unread[2],
                    static_cast<U>(n), qso.frequencyHz, qso.mode.c_str(), qso.rstSent.c_str(),
                    qso.rstReceived.c_str(), qso.exchangeSent.c_str(), qso.exchangeReceived.c_str(), f, f, f, f, f, f,
                    f, f, f, qso.dxccPrefix.c_str(), n, n, n, r, r, f, qso.continent.c_str(), f, qso.band.c_str(), f);
}

}  // namespace

int PluginLibrary::addData(const QsoArguments& qso) { return callWithQso(m_exports->addData, qso, m_filler); }

int PluginLibrary::removeData(const QsoArguments& qso) { return callWithQso(m_exports->removeData, qso, m_filler); }

CallCheckReply PluginLibrary::checkCall(const CallCheckArguments& query) {
    // A marker shows whether the plug-in wrote the buffer at all.
    char buffer[kExchangeBufferSize];
    std::memset(buffer, '#', sizeof buffer);
    buffer[sizeof buffer - 1] = '\0';
    char unreadBuffer[kExchangeBufferSize] = {};
    const T f = m_filler.text.c_str();
    const int n = m_filler.number;
    const double r = m_filler.real;
    CallCheckReply reply;
    reply.code = m_exports->checkCall(query.call.c_str(), static_cast<U>(n), static_cast<U>(n), query.mode.c_str(), f,
                                      f, f, f, f, f, f, f, f, query.dxccPrefix.c_str(), query.cqZone, n, n, r, r, f, f,
                                      f, f, f, query.band.c_str(), query.secondBand.c_str(), buffer, unreadBuffer);
    reply.bufferWritten = buffer[0] != '#';
    if (reply.bufferWritten) reply.expectedExchange = buffer;
    return reply;
}

int PluginLibrary::isValidExchange(const std::string& exchange, const std::string& dxccPrefix, int rejectFlag) {
    const T f = m_filler.text.c_str();
    return m_exports->isValidExchange(exchange.c_str(), f, dxccPrefix.c_str(), f, m_filler.number, m_filler.number,
                                      rejectFlag);
}

std::string PluginLibrary::getResult(int* status) {
    int set = 0;
    const char* summary = m_exports->getResult(&set);
    if (status) *status = set;
    return summary ? summary : "";
}

int PluginLibrary::getExchangeCount() {
    const T f = m_filler.text.c_str();
    return m_exports->getExchangeCount(f, f, f);
}

int PluginLibrary::getNumberOfSets() { return m_exports->getNumberOfSets(); }

const char* PluginLibrary::getSetName(int index) { return m_exports->getSetName(index); }

void PluginLibrary::setupSet() { m_exports->setupSet(); }

unsigned long PluginLibrary::setVersion() { return m_exports->setVersion(m_filler.text.c_str()); }

}  // namespace host
