#pragma once
// Window classes by name. A control library registers its class name with a class procedure;
// windows of that class made without an object (from a dialog template) get their object from
// the class procedure's WM_NCCREATE handling. Built-in classes: "BUTTON" (push buttons and
// group boxes, or a plain window that its object paints), "STATIC" (labels), "SCROLLBAR"
// (CScrollBar), "EDIT" (CEdit, single or multi-line), "COMBOBOX" (CComboBox), "SysListView32"
// (CListCtrl), "msctls_updown32" (CSpinButtonCtrl) and "#32770" (dialogs).

#include "platform/ui/GdiObjects.h"
#include "platform/ui/WinTypes.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = 0;
    std::uintptr_t hIcon = 0;
    HCURSOR hCursor = 0;
    const CBrush* hbrBackground = nullptr; // null: the class paints no background
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

// The calling module's instance handle (one module: the program and its libraries share it).
HINSTANCE AfxGetInstanceHandle();

// Records the class; FALSE when the name is empty or already registered.
BOOL RegisterClass(const WNDCLASS* wc);
// Fills *wc when the class is known; FALSE otherwise.
BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* wc);

// Default processing of a message for a window: WM_NCCREATE succeeds, WM_CLOSE destroys the
// window, WM_ERASEBKGND fills the class background (if any); everything else returns 0.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
