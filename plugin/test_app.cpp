#include "plugin/test_app.h"

#include <chrono>
#include <thread>

namespace {
constexpr auto kDisplayEndWait = std::chrono::milliseconds(20);

CTestApp application;
}  // namespace

CTestApp::CTestApp() : m_plugin(hostPlatform(), platformDisplay()) {}

CTestApp::~CTestApp() { ExitInstance(); }

void CTestApp::ExitInstance() {
    if (m_ended) return;
    m_ended = true;
    try {
        m_plugin.shutdownDisplay();
    } catch (...) {
        // Nothing may escape into the host's unload.
    }
    std::this_thread::sleep_for(kDisplayEndWait);
}

CTestApp& theApp() { return application; }
