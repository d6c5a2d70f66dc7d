#pragma once

#include <functional>
#include <optional>

#include "cabrillo/header_form_dialog.h"

// The header form as a test's operator answers it: what it showed, the operator's edits, then
// OK or CANCEL.
class AnsweringForm final : public HeaderFormDialog {
public:
    std::function<void(CabrilloHeader&)> edit = [](CabrilloHeader&) {};
    bool pressOk = true;
    std::optional<CabrilloHeader> shown;
    int runs = 0;

    bool run(CabrilloHeader& fields) override {
        ++runs;
        shown = fields;
        edit(fields);
        return pressOk;
    }
};
