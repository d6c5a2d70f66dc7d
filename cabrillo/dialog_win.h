#pragma once

#include <windows.h>

// A modal dialog built from a template of this module. One static procedure finds the object
// from the window and forwards to the handlers below; nothing thrown leaves it.
class Dialog {
public:
    virtual ~Dialog() = default;

    // Runs the dialog until it ends: IDOK, IDCANCEL, or -1 when it could not be shown.
    INT_PTR runModal(int templateId, HWND owner);

protected:
    HWND item(int id) const { return GetDlgItem(m_window, id); }
    void end(INT_PTR result) { EndDialog(m_window, result); }

    // True lets the system set the focus.
    virtual bool onInit() { return true; }
    // True when the command was handled.
    virtual bool onCommand(int id, int notification);
    virtual void onOk() { end(IDOK); }
    virtual void onCancel() { end(IDCANCEL); }

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam);

    HWND m_window = nullptr;
};

// This DLL's module: its dialog templates are found there, not in the host's program.
HINSTANCE thisModule();
