#pragma once

#include <string>

// Loading a shared library and finding its exports: dlopen here, LoadLibrary on Windows.
namespace host {

void* loadModule(const std::string& path);
void* findExport(void* module, const char* name);
void unloadModule(void* module);
std::string lastLoadError();

}  // namespace host
