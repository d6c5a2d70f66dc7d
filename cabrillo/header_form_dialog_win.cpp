#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cabrillo/dialog_win.h"
#include "cabrillo/header_form_dialog.h"
#include "cabrillo/header_form_lists.h"
#include "resources/resource.h"

namespace {

struct ControlField {
    int id;
    HeaderField field;
};

// The form's controls, top to bottom, and the field each one shows.
constexpr ControlField kControls[] = {
    {IDC_CONTEST, &CabrilloHeader::contest},
    {IDC_CALLSIGN, &CabrilloHeader::ownCall},
    {IDC_CLAIMED, &CabrilloHeader::claimed},
    {IDC_CATEGORY_OPERATOR, &CabrilloHeader::categoryOperator},
    {IDC_LOCATION, &CabrilloHeader::location},
    {IDC_CATEGORY_BAND, &CabrilloHeader::categoryBand},
    {IDC_CATEGORY_ASSISTED, &CabrilloHeader::categoryAssisted},
    {IDC_CATEGORY_MODE, &CabrilloHeader::categoryMode},
    {IDC_CATEGORY_OVERLAY, &CabrilloHeader::categoryOverlay},
    {IDC_CATEGORY_POWER, &CabrilloHeader::categoryPower},
    {IDC_CATEGORY_STATION, &CabrilloHeader::categoryStation},
    {IDC_CATEGORY_TRANSMITTER, &CabrilloHeader::categoryTransmitter},
    {IDC_NAME, &CabrilloHeader::name},
    {IDC_ADDRESS, &CabrilloHeader::address},
    {IDC_ADDRESS_CITY, &CabrilloHeader::addressCity},
    {IDC_ADDRESS_STATE_PROVINCE, &CabrilloHeader::addressStateProvince},
    {IDC_ADDRESS_POSTALCODE, &CabrilloHeader::addressPostalCode},
    {IDC_ADDRESS_COUNTRY, &CabrilloHeader::addressCountry},
    {IDC_OPERATORS, &CabrilloHeader::operators},
    {IDC_CLUB, &CabrilloHeader::club},
    {IDC_SOAPBOX, &CabrilloHeader::soapbox},
    {IDC_EMAIL, &CabrilloHeader::email},
};

int controlOf(HeaderField field) {
    return std::find_if(std::begin(kControls), std::end(kControls),
                        [&](const ControlField& control) { return control.field == field; })
        ->id;
}

std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The entries in the order the drop-down shows them, sorted or not as its style says.
std::vector<std::string> shownEntries(HWND dropDown) {
    std::vector<std::string> entries;
    const auto count = SendMessageA(dropDown, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string entry(static_cast<std::size_t>(SendMessageA(dropDown, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        entry.resize(static_cast<std::size_t>(
            SendMessageA(dropDown, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        entries.push_back(std::move(entry));
    }
    return entries;
}

void showInDropDown(HWND dropDown, const std::string& value) {
    if (const auto entry = entryToSelect(shownEntries(dropDown), value)) {
        SendMessageA(dropDown, CB_SETCURSEL, *entry, 0);
    } else {
        SetWindowTextA(dropDown, value.c_str());
    }
}

// The Cabrillo header form: one text per control, shown on open and read back on OK.
class Cabrillo final : public Dialog {
public:
    explicit Cabrillo(CabrilloHeader& fields) : m_fields(fields) {}

private:
    bool onInit() override {
        for (const auto& control : kControls) SetWindowTextA(item(control.id), (m_fields.*control.field).c_str());
        for (const auto& list : headerFormDropDowns()) {
            const HWND dropDown = item(controlOf(list.field));
            for (const auto entry : list.entries) {
                SendMessageA(dropDown, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(entry).c_str()));
            }
            showInDropDown(dropDown, m_fields.*list.field);
        }
        return true;
    }

    void onOk() override {
        for (const auto& control : kControls) m_fields.*control.field = windowText(item(control.id));
        end(IDOK);
    }

    CabrilloHeader& m_fields;
};

class DialogHeaderForm final : public HeaderFormDialog {
public:
    bool run(CabrilloHeader& fields) override {
        CabrilloHeader edited = fields;
        Cabrillo form(edited);
        // A form that cannot be shown cancels the export, as CANCEL does.
        if (form.runModal(IDD_CABRILLO, GetActiveWindow()) != IDOK) return false;
        fields = std::move(edited);
        return true;
    }
};

}  // namespace

HeaderFormDialog& platformHeaderForm() {
    static DialogHeaderForm form;
    return form;
}
