#include "tests/support/scratch_folder.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() : m_previous(fs::current_path()) {
    static std::atomic<int> counter{0};
    m_path = fs::temp_directory_path() /
             ("gacw-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
    fs::current_path(m_path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::current_path(m_previous, ignored);
    fs::remove_all(m_path, ignored);
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
