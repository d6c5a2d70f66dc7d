#include <windows.h>

#include <memory>

#include "plugin/platform.h"

namespace {

constexpr DWORD kFirstValueSize = 256;

// What the found names are relative to: the pattern up to its last separator, kept as given.
std::string folderOf(const std::string& pattern) {
    const auto end = pattern.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : pattern.substr(0, end + 1);
}

struct SearchCloser {
    void operator()(HANDLE search) const { FindClose(search); }
};
using Search = std::unique_ptr<void, SearchCloser>;

BOOL CALLBACK keepMainWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The calling thread's main window: its first visible top-level window that has no owner.
HWND mainWindowOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepMainWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

const char* captionOrDefault(const std::string& caption) { return caption.empty() ? nullptr : caption.c_str(); }

class WindowsPlatform final : public Platform {
public:
    std::string readProfileString(const std::string& file, const std::string& section,
                                  const std::string& key) override {
        // A value that does not fit comes back cut, with the length size - 1: read it again larger.
        std::string value(kFirstValueSize, '\0');
        for (;;) {
            const auto size = static_cast<DWORD>(value.size());
            const DWORD length =
                GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), size, file.c_str());
            if (length + 1 < size) {
                value.resize(length);
                return value;
            }
            value.resize(value.size() * 2);
        }
    }

    void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) override {
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
    }

    std::vector<FoundFile> findFiles(const std::string& pattern) override {
        std::vector<FoundFile> found;
        WIN32_FIND_DATAA entry;
        const HANDLE handle = FindFirstFileA(pattern.c_str(), &entry);
        if (handle == INVALID_HANDLE_VALUE) return found;
        const Search search(handle);
        const std::string folder = folderOf(pattern);
        do {
            found.push_back({entry.cFileName, folder + entry.cFileName});
        } while (FindNextFileA(handle, &entry));
        return found;
    }

    void showMessage(const std::string& text, const std::string& caption, MessageStyle style) override {
        if (style == MessageStyle::plain) {
            MessageBoxA(nullptr, text.c_str(), captionOrDefault(caption), MB_OK);
            return;
        }
        HWND owner = mainWindowOfThisThread();
        if (!owner) owner = GetActiveWindow();
        MessageBoxA(owner, text.c_str(), captionOrDefault(caption), MB_OK | MB_ICONINFORMATION);
    }
};

}  // namespace

Platform& hostPlatform() {
    static WindowsPlatform platform;
    return platform;
}
