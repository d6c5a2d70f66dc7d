#pragma once

#include <string>

#include "tools/host/plugin_library.h"

// The plug-in loaded once, working in a scratch folder of its own (with the host's "Plugins"
// folder) where its bad-QSO and settings files land.
host::PluginLibrary& pluginInScratchFolder(const std::string& folderName);
