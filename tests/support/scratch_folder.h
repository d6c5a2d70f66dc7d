#pragma once

#include <filesystem>
#include <string>

// A fresh empty folder that is the current directory while the object lives, as the host's
// folder is for the plug-in, and is removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// The whole content of a file, or "<missing>" when it cannot be read.
std::string fileText(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);
