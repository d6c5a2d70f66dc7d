#include "cabrillo/dialog_win.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE thisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

INT_PTR Dialog::runModal(int templateId, HWND owner) {
    return DialogBoxParamA(thisModule(), MAKEINTRESOURCEA(templateId), owner, procedure,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::onCommand(int id, int) {
    switch (id) {
        case IDOK: onOk(); return true;
        case IDCANCEL: onCancel(); return true;
        default: return false;
    }
}

INT_PTR Dialog::handle(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG: return onInit() ? TRUE : FALSE;
        case WM_COMMAND: return onCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->m_window = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog) return FALSE;  // the messages before WM_INITDIALOG
    try {
        return dialog->handle(message, wParam);
    } catch (...) {
        // A dialog that failed part-way is closed as if cancelled.
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
}
