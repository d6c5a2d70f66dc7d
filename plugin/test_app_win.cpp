#include <windows.h>

#include "plugin/test_app.h"

// The C runtime builds the application object before this sees DLL_PROCESS_ATTACH, and destroys
// it after this has seen DLL_PROCESS_DETACH. All of it runs under the loader lock.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason != DLL_PROCESS_DETACH) return TRUE;
    try {
        if (reserved) {
            // The process is ending: its other threads, the display's among them, were stopped
            // wherever they were, perhaps holding a lock. There is no window left to close, and
            // waiting for any of them here could hang the exit.
            theApp().EndWithProcess();
        } else {
            // FreeLibrary: the display closes while the contest state still exists. The display
            // thread cannot end while this holds the loader lock, so its shutdown here posts and
            // gives it the grace period, but never waits for the thread itself to end.
            theApp().ExitInstance();
        }
    } catch (...) {
        // Nothing may escape into the loader.
    }
    return TRUE;
}
