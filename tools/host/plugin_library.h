#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

// The host's side of the plug-in boundary: loads the library by path and calls its exports
// with the argument lists and positions a host uses. Arguments the plug-in does not read are
// filled from `Filler`, so a caller can check that they change nothing.

namespace host {

// The host's date-time value as it passes it: days since 1899-12-30, then a status.
struct OleDate {
    double days = 0.0;
    std::int32_t status = 0;  // 0 valid, 1 invalid, 2 null
};

struct QsoArguments {
    std::string ownCall;
    std::string call;
    OleDate time;
    std::uint32_t frequencyHz = 0;
    std::string mode = "CW";
    std::string rstSent = "599";
    std::string rstReceived = "599";
    std::string exchangeSent;
    std::string exchangeReceived;
    std::string dxccPrefix;
    std::string continent;
    std::string band;
};

struct PassArguments {
    std::string hostFolderPrefix;
    int cabrilloExportRequest = 0;
    std::string contestantCall;
    OleDate periodStart;
    OleDate periodEnd;
    std::string ownDxccPrefix;
    std::string ownContinent;
};

struct CallCheckArguments {
    std::string call;
    std::string mode = "CW";
    std::string dxccPrefix;
    int cqZone = 0;
    std::string band;
    std::string secondBand;
};

struct CallCheckReply {
    int code = 0;
    std::string expectedExchange;  // what the plug-in wrote into the 100-byte buffer
    bool bufferWritten = false;
};

// What goes into the positions the plug-in does not read.
struct Filler {
    std::string text;
    int number = 0;
    double real = 0.0;
    OleDate date;
};

class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PluginLibrary {
public:
    // The name to find an export by, given its plain name.
    using ExportNameOf = std::string (*)(const std::string& plainName);

    // Loads the library and finds every export under its plain name, or under the name `nameOf`
    // gives for it (a Windows build's decorated names); throws LoadError.
    explicit PluginLibrary(const std::string& path, ExportNameOf nameOf = nullptr);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    void setFiller(const Filler& filler) { m_filler = filler; }

    int resetStats(const PassArguments& pass);
    int addData(const QsoArguments& qso);
    int removeData(const QsoArguments& qso);
    CallCheckReply checkCall(const CallCheckArguments& query);
    int isValidExchange(const std::string& exchange, const std::string& dxccPrefix, int rejectFlag = 0);
    // The summary text, and the status the plug-in set.
    std::string getResult(int* status = nullptr);
    int getExchangeCount();
    int getNumberOfSets();
    const char* getSetName(int index);
    void setupSet();
    unsigned long setVersion();

private:
    struct Exports;
    void* m_module = nullptr;
    std::unique_ptr<Exports> m_exports;
    Filler m_filler;
};

}  // namespace host
