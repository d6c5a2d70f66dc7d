#include "cabrillo/header_form_dialog.h"

namespace {

// Builds without a window system export as if the operator pressed OK at once, so that a host
// without a screen still gets a Cabrillo file from the saved header.
class UnattendedHeaderForm final : public HeaderFormDialog {
public:
    bool run(CabrilloHeader&) override { return true; }
};

}  // namespace

HeaderFormDialog& platformHeaderForm() {
    static UnattendedHeaderForm form;
    return form;
}
