#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a private-profile (INI) file, read and changed the way the system's profile
// functions do it: section and key names ignore letter case, values are trimmed.
namespace profile_text {

std::optional<std::string> lookUp(std::string_view text, std::string_view section, std::string_view key);

// The same text with one key set: an existing key keeps its line's place, a new key goes to the
// end of its section, a new section to the end of the text. Every other line stays as it was.
std::string withValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace profile_text
