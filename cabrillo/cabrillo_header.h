#pragma once

#include <string>

// The header of the Cabrillo file as the operator fills it in the header form. The soapbox is
// the operator's text, its lines separated by CR LF as a multi-line edit control holds them.
struct CabrilloHeader {
    std::string ownCall;
    std::string name;
    std::string address;
    std::string addressCity;
    std::string addressStateProvince;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string claimed;  // the score saved last; the form shows it, the file takes the computed one
    std::string contest;  // shown and saved by the form; the file's CONTEST line is fixed
    std::string email;
    std::string club;
    std::string soapbox;
    std::string operators;
    std::string categoryOperator;
    std::string categoryStation;
    std::string categoryOverlay;  // saved, not written to the file
    std::string categoryMode;
    std::string categoryBand;
    std::string categoryAssisted;
    std::string categoryTransmitter;
    std::string categoryPower;
    std::string location;

    bool operator==(const CabrilloHeader&) const = default;
};

// One field of the header, so that tables can name the field a key or a control stands for.
using HeaderField = std::string CabrilloHeader::*;
