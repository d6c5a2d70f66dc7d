#pragma once

#include <string>
#include <string_view>

// Writes the Cabrillo file whole or not at all: the text goes to a temporary file beside it,
// which then replaces the old file, so a failed export never leaves a cut log where a good one
// was. Returns the message for the operator, which says whether the file was produced.
std::string writeCabrilloFile(const std::string& fileName, std::string_view text);

// Where the text goes before it replaces `fileName`.
std::string temporaryFileFor(const std::string& fileName);
