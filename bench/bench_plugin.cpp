#include "bench/bench_plugin.h"

#include <filesystem>

host::PluginLibrary& pluginInScratchFolder(const std::string& folderName) {
    static const bool inFolder = [&folderName] {
        const auto folder = std::filesystem::temp_directory_path() / folderName;
        std::filesystem::create_directories(folder / "Plugins");
        std::filesystem::current_path(folder);
        return true;
    }();
    (void)inFolder;
    static host::PluginLibrary library(GACW_PLUGIN_PATH);
    return library;
}
