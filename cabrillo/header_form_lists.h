#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cabrillo/cabrillo_header.h"

// The entries of one drop-down of the header form, in the order they are added to it. The
// operator may pick one or type any other text.
struct DropDownList {
    HeaderField field;
    std::span<const std::string_view> entries;
};

// Every drop-down of the header form.
std::span<const DropDownList> headerFormDropDowns();

// The entry a drop-down selects when the form opens: the first, in the order the drop-down
// shows them, that begins with the value, letter case ignored. None: the value is shown as typed.
std::optional<std::size_t> entryToSelect(std::span<const std::string> shownEntries, std::string_view value);
