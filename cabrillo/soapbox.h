#pragma once

#include <string>
#include <string_view>

// The soapbox may hold several lines, but a settings value and a Cabrillo tag line hold one.

// As the settings file keeps it: each CR written as "<CR>", then each LF as "<LF>".
std::string soapboxToStorage(std::string_view text);

// Back from the settings file: each "<CR>" a CR, then each "<LF>" an LF. A "<CR>" that the
// operator typed comes back as a line break too.
std::string soapboxFromStorage(std::string_view stored);

// The stored soapbox as the value of the file's SOAPBOX line: each line after the first starts
// a SOAPBOX line of its own.
std::string soapboxFileForm(std::string_view stored);
