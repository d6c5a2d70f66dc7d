#include <gtest/gtest.h>

#include <memory>

#include "export_names.h"
#include "tools/host/module_loader.h"

namespace {

struct ModuleUnloader {
    void operator()(void* module) const { host::unloadModule(module); }
};

// The host finds each export under its plain or its decorated name; both must run the same code.
TEST(ExportTable, BothNamesOfEveryExportReachOneBody) {
    const std::unique_ptr<void, ModuleUnloader> module(host::loadModule(GACW_PLUGIN_PATH));
    ASSERT_TRUE(module) << host::lastLoadError();
    for (const auto& name : kExportNames) {
        void* const body = host::findExport(module.get(), name.body);
        ASSERT_NE(body, nullptr) << name.body;
        EXPECT_EQ(host::findExport(module.get(), name.plain), body) << name.plain;
        EXPECT_EQ(host::findExport(module.get(), name.decorated), body) << name.decorated;
    }
}

}  // namespace
