#pragma once

#include "cabrillo/cabrillo_header.h"

// The header form in front of the operator.
class HeaderFormDialog {
public:
    virtual ~HeaderFormDialog() = default;

    // Shows the form modally. `fields` come in with the values to show and go back with what
    // the operator confirmed; true when the operator pressed OK.
    virtual bool run(CabrilloHeader& fields) = 0;
};

// The header form of this build: the dialog on Windows; elsewhere no person answers it, and it
// is taken as confirmed with the values it opened with.
HeaderFormDialog& platformHeaderForm();
