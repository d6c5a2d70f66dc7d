#include "cabrillo/header_form.h"

#include "cabrillo/soapbox.h"

namespace {

enum class KeyUse { readAndSaved, readOnly, savedOnly };
enum class WhenMissing { empty, contestantCall };
enum class Stored { asTyped, soapboxEscaped };

struct SettingsKey {
    const char* key;
    HeaderField field;
    KeyUse use;
    WhenMissing whenMissing;
    Stored stored;
};

// In the order OK saves them.
constexpr SettingsKey kSettingsKeys[] = {
    {"Operators", &CabrilloHeader::operators, KeyUse::readAndSaved, WhenMissing::contestantCall, Stored::asTyped},
    {"Name", &CabrilloHeader::name, KeyUse::readAndSaved, WhenMissing::empty, Stored::asTyped},
    {"Address", &CabrilloHeader::address, KeyUse::readAndSaved, WhenMissing::empty, Stored::asTyped},
    {"Address_City", &CabrilloHeader::addressCity, KeyUse::readAndSaved, WhenMissing::empty, Stored::asTyped},
    {"Address_St_Prov", &CabrilloHeader::addressStateProvince, KeyUse::readAndSaved, WhenMissing::empty,
     Stored::asTyped},
    {"Address_PostalCode", &CabrilloHeader::addressPostalCode, KeyUse::readAndSaved, WhenMissing::empty,
     Stored::asTyped},
    {"Address_Country", &CabrilloHeader::addressCountry, KeyUse::readAndSaved, WhenMissing::empty, Stored::asTyped},
    // Written with each computed score by the summary, never by the form.
    {"Claimed", &CabrilloHeader::claimed, KeyUse::readOnly, WhenMissing::empty, Stored::asTyped},
    {"Category", &CabrilloHeader::categoryOperator, KeyUse::savedOnly, WhenMissing::empty, Stored::asTyped},
    {"Category_Overlay", &CabrilloHeader::categoryOverlay, KeyUse::savedOnly, WhenMissing::empty, Stored::asTyped},
    {"Contest", &CabrilloHeader::contest, KeyUse::savedOnly, WhenMissing::empty, Stored::asTyped},
    {"Email", &CabrilloHeader::email, KeyUse::readAndSaved, WhenMissing::empty, Stored::asTyped},
    {"Club", &CabrilloHeader::club, KeyUse::readAndSaved, WhenMissing::empty, Stored::asTyped},
    {"SoapBox", &CabrilloHeader::soapbox, KeyUse::readAndSaved, WhenMissing::empty, Stored::soapboxEscaped},
};

struct StartValue {
    HeaderField field;
    const char* value;
};

// Fields the settings do not carry over: they start here every time the form opens.
constexpr StartValue kStartValues[] = {
    {&CabrilloHeader::contest, "GACW-WWSA-CW"},
    {&CabrilloHeader::categoryOperator, "SINGLE-OP"},
    {&CabrilloHeader::categoryOverlay, "NONE"},
    {&CabrilloHeader::categoryMode, "CW"},
    {&CabrilloHeader::categoryBand, "ALL"},
    {&CabrilloHeader::categoryPower, "HIGH"},
    {&CabrilloHeader::categoryTransmitter, "ONE"},
    {&CabrilloHeader::location, "DX"},
    {&CabrilloHeader::categoryStation, "FIXED"},
    {&CabrilloHeader::categoryAssisted, "NON-ASSISTED"},
};

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kForbiddenInFileNames = "/\\:*?\"<>|";
constexpr const char* kBaseOfNoCall = "TOLV";

bool cannotStandInFileName(char c) {
    return static_cast<unsigned char>(c) < 0x20 || kForbiddenInFileNames.find(c) != std::string_view::npos;
}

}  // namespace

CabrilloHeader openHeaderForm(const std::string& contestantCall, const SettingsLookUp& lookUp) {
    CabrilloHeader form;
    form.ownCall = contestantCall;
    for (const auto& key : kSettingsKeys) {
        if (key.use == KeyUse::savedOnly) continue;
        std::string value = lookUp(key.key);
        // The settings read a missing key as empty, so an empty value counts as missing.
        if (value.empty() && key.whenMissing == WhenMissing::contestantCall) value = contestantCall;
        form.*key.field = key.stored == Stored::soapboxEscaped ? soapboxFromStorage(value) : value;
    }
    for (const auto& start : kStartValues) form.*start.field = start.value;
    return form;
}

CabrilloHeader confirmedHeader(const CabrilloHeader& opened, CabrilloHeader answered) {
    answered.claimed = opened.claimed;
    return answered;
}

std::vector<SavedSetting> settingsSavedOnOk(const CabrilloHeader& confirmed) {
    std::vector<SavedSetting> saved;
    for (const auto& key : kSettingsKeys) {
        if (key.use == KeyUse::readOnly) continue;
        const std::string& value = confirmed.*key.field;
        saved.push_back({key.key, key.stored == Stored::soapboxEscaped ? soapboxToStorage(value) : value});
    }
    return saved;
}

std::string fileNameBaseFor(std::string_view contestantCall) {
    const auto first = contestantCall.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return kBaseOfNoCall;
    const auto last = contestantCall.find_last_not_of(kWhiteSpace);
    std::string base(contestantCall.substr(first, last - first + 1));
    for (char& c : base) {
        if (cannotStandInFileName(c)) c = '_';
    }
    return base;
}
