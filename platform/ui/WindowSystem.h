#pragma once
// Internal to the window layer: the table of live windows by handle, window creation and
// destruction, and message dispatch. Code outside platform/ui uses CWnd instead.

#include "platform/ui/WindowClass.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CWnd;
class CFont;
class TimerHost;

struct WindowRecord {
    HWND hwnd = 0;
    QPointer<QWidget> widget;
    CWnd* object = nullptr;
    bool temporaryObject = false; // the layer made the object and deletes it with the window
    WNDPROC classProc = nullptr;
    std::string className;
    DWORD style = 0;
    UINT id = 0;
    HWND parent = 0;
    bool destroying = false;
    const CBrush* background = nullptr;
    CFont* font = nullptr;
    TimerHost* timers = nullptr;
    std::map<UINT_PTR, UINT> timerIntervals;
    // Top-level windows this window owns open in a cascade from this client point.
    std::optional<CPoint> cascadeOrigin;
    // Where the cascade put this window's frame (screen), while it is open.
    std::optional<CPoint> cascadePlace;
};

namespace WindowSystem {

WindowRecord* Find(HWND hwnd);
HWND FromWidget(const QWidget* widget);
// The live children of a window, in the order they were made (template order).
std::vector<HWND> Children(HWND parent);
// A top-level window whose style has no sizing frame keeps the size the program gives it.
bool HasFixedSize(const WindowRecord& rec);

// Creates a window of a registered class. With an object, the window is that object's; without
// one, the class procedure's WM_NCCREATE supplies it (or a plain temporary object is made).
// Returns 0 when the class is unknown or creation is refused.
HWND Create(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent,
            UINT id, CWnd* object);
// WM_DESTROY, then the children, then WM_NCDESTROY; the widget goes afterwards.
bool Destroy(HWND hwnd);

// Delivers a message at once to the window's object (or class procedure); 0 if the window is gone.
LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues a message; it is delivered from the event loop, dropped if the window is gone by then.
bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Attaches an object to an existing window (subclassing); a temporary object is deleted.
bool Attach(HWND hwnd, CWnd* object);
// The object's side of WM_NCDESTROY: forgets the object so nothing reaches it any more.
void Detach(HWND hwnd);

bool SetTimer(HWND hwnd, UINT_PTR id, UINT ms);
bool KillTimer(HWND hwnd, UINT_PTR id);

// The window handling the current (or last) mouse message: SetCursor shows its cursor there.
HWND MouseWindow();
void SetMouseWindow(HWND hwnd);

// The widget that windows of a built-in class are made of (scroll bars); null for plain windows.
using WidgetFactory = QWidget* (*)(QWidget* parent, DWORD style, HWND hwnd);
// A class procedure (if any) handles the windows of the class that have no object of their own.
void RegisterBuiltinClass(const char* name, WidgetFactory factory, const CBrush* background,
                          WNDPROC classProc = nullptr);

} // namespace WindowSystem
