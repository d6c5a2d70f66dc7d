#include "cabrillo/qso_line.h"

#include "scoring/text.h"

std::string receivedExchangeColumn(const std::string& exchange) {
    if (exchange.size() != 4) return exchange;
    return formatText("0%s %s", exchange.substr(0, 1).c_str(), exchange.substr(2).c_str());
}

std::string qsoLine(const CInfo& record, std::string_view modeText, std::string_view ownCall) {
    return formatText("QSO: %5i %2s %s %-13s 59  %-5s  %-12s  59  %s\r\n", static_cast<int>(record.frequencyKHz),
                      std::string(modeText).c_str(), record.time.Format("%Y-%m-%d %H%M").c_str(),
                      std::string(ownCall).c_str(), record.exchangeSent.c_str(), record.call.c_str(),
                      receivedExchangeColumn(record.exchangeReceived).c_str());
}
