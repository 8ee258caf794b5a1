#pragma once
// The control library pattern shared by all control libraries: registering the library's
// window class once, a class procedure that gives every window of the class (such as one
// placed by a dialog template) its own control object, and the control style word.

#include "platform/ui/CWnd.h"
#include "platform/ui/WindowClass.h"

namespace ControlClass {

// Registers `className` (style CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW, arrow cursor, no
// background) unless the module already knows it. 1 when the class is registered, 0 when
// registration failed.
int Register(const char* className, WNDPROC classProc);

// The class procedure: at WM_NCCREATE a new T takes the window over; everything else is the
// default processing. T deletes itself after WM_NCDESTROY.
template <class T> LRESULT ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return (new T)->SubclassWindow(hwnd);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace ControlClass

// The low 16 bits of the style given to a control's first Create call.
class ControlStyleWord {
public:
    // Stores the low word the first time and returns the style with it cleared.
    DWORD Take(DWORD style);
    WORD Get() const { return m_word; }

private:
    bool m_stored = false;
    WORD m_word = 0;
};
