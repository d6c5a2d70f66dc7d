#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plugin/platform.h"

// The host's version from its settings file, the first "*.ini" in the folder that
// `folderPrefix` names whose name contains "Dorv2.ini". "Dorv" when there is no such file;
// empty (keep the version known so far) when the file has no "Dorv=" line or cannot be read.
std::optional<std::string> lookUpHostVersion(Platform& platform, std::string_view folderPrefix);

// Whether the plug-in's live display may start under this host version.
bool displayAllowedFor(std::string_view hostVersion);
