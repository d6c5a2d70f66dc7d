#include <dlfcn.h>

#include "tools/host/module_loader.h"

namespace host {

void* loadModule(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* findExport(void* module, const char* name) { return dlsym(module, name); }

void unloadModule(void* module) {
    if (module) dlclose(module);
}

std::string lastLoadError() {
    const char* error = dlerror();
    return error ? error : "unknown error";
}

}  // namespace host
