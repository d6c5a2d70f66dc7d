#pragma once

#include "plugin/contest_plugin.h"

// The module's application object: built when the library is loaded, so the contest state
// exists before the first export is called, and ended when it is unloaded.
class CTestApp {
public:
    CTestApp();
    ~CTestApp();
    CTestApp(const CTestApp&) = delete;
    CTestApp& operator=(const CTestApp&) = delete;

    ContestPlugin& plugin() { return m_plugin; }

    // Closes the display, then gives its thread a moment to finish.
    void ExitInstance();
    // The process is ending and its other threads are gone already: nothing is left to close
    // or to wait for, so the unload that follows does neither.
    void EndWithProcess() { m_ended = true; }

private:
    ContestPlugin m_plugin;
    bool m_ended = false;
};

CTestApp& theApp();
