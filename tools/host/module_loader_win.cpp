#include <windows.h>

#include <algorithm>

#include "tools/host/module_loader.h"

namespace host {

void* loadModule(const std::string& path) {
    // LoadLibrary wants backslashes; the tests name files the Unix way too.
    std::string windowsPath = path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return LoadLibraryA(windowsPath.c_str());
}

void* findExport(void* module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void unloadModule(void* module) {
    if (module) FreeLibrary(static_cast<HMODULE>(module));
}

std::string lastLoadError() {
    const DWORD error = GetLastError();
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return message;
}

}  // namespace host
