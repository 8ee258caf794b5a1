#pragma once
// The window base. A CWnd object is attached to at most one window (m_hWnd); every numbered
// message for the window arrives at the one virtual WindowProc. Messages posted with PostMessage
// are delivered from the event loop after the sender's current message, in posting order, and
// dropped if the window has been destroyed meanwhile. Each window keeps a retained drawing
// surface: painting and device contexts draw into it and the screen shows it.

#include "platform/core/CObject.h"
#include "platform/ui/AccessibleInfo.h"
#include "platform/ui/CDC.h"
#include "platform/ui/Mnemonic.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WinTypes.h"

#include <string>

class QImage;
class QWidget;

constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;

class CWnd : public CObject {
public:
    CWnd();
    // Destroys the window if it still exists (without reaching derived handlers).
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = 0;
    // The object attached to a live window, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Creates a window of the named class (null: a plain window) for this object. A child needs
    // WS_CHILD and a parent; the rectangle is in the parent's client coordinates. Sends
    // WM_NCCREATE, WM_CREATE and WM_SIZE. Non-zero on success.
    virtual BOOL Create(const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id);
    // Takes over an existing window: its messages come to this object from now on.
    BOOL SubclassWindow(HWND hwnd);
    // Sends WM_DESTROY, destroys the child windows, sends WM_NCDESTROY and removes the window.
    BOOL DestroyWindow();

    // The one message handler. The default runs DefaultWindowProc.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The framework's default processing (WM_NCDESTROY detaches and calls PostNcDestroy).
    LRESULT DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called last for WM_NCDESTROY, after the object is detached; objects that own themselves
    // delete themselves here.
    virtual void PostNcDestroy() {}

    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // Starts (or restarts, replacing the same id) a timer delivering WM_TIMER with the id.
    UINT_PTR SetTimer(UINT_PTR id, UINT ms);
    BOOL KillTimer(UINT_PTR id);
    // The interval of a running timer, or 0 when no timer has that id.
    UINT GetTimerInterval(UINT_PTR id) const;

    CWnd* GetParent() const;
    // The sibling made just before this window (GW_HWNDPREV) or just after it (GW_HWNDNEXT).
    CWnd* GetNextWindow(UINT flag = GW_HWNDNEXT) const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;

    void GetClientRect(LPRECT rect) const;
    // The window rectangle in screen coordinates.
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(POINT* point) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(LPRECT rect) const;
    // Position in the parent's client coordinates (screen for top-level windows).
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);

    // Top-level dialogs this window owns open from this client point on, down and right, each
    // on a place no other open one holds (without it, at their template position).
    void SetChildCascade(CPoint clientOrigin);

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    // Disabled windows get no mouse input; sends WM_ENABLE when the state changes.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    // Whether the window has the keyboard focus.
    BOOL HasFocus() const;
    // The part of the window its focus mark goes around (client coordinates); null: all of it.
    void SetFocusPart(const CRect* part);
    // Adds and removes style bits; WS_TABSTOP also decides whether Tab reaches the window.
    void ModifyStyle(DWORD remove, DWORD add);
    void BringWindowToTop();
    // Makes the window the active one the operator works in.
    BOOL SetForegroundWindow();
    // Whether the window is minimised.
    BOOL IsIconic() const;
    // The window's icon (an icon handle of Icons.h); both sizes come from the one image.
    void SetIcon(std::uintptr_t icon, BOOL bigIcon);

    // Tells a listening screen reader that part `item` of what the window answers to
    // WM_GETOBJECT (-1: the window itself) changed.
    void NotifyAccessible(AccEvent event, int item = -1);

    // The mnemonic the dialog manager gave caption `caption` of this window (its window text is
    // caption 0; a window listing several answers WM_GETCAPTIONS), for drawing it underlined.
    MnemonicMark GetCaptionMark(int caption = 0) const;

    void SetWindowText(const char* text);
    std::string GetWindowText() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Marks the whole window (or a rectangle) for repainting; erase adds WM_ERASEBKGND first.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    // Paints now (WM_ERASEBKGND if asked, then WM_PAINT) when part of the window is invalid.
    void UpdateWindow();
    // RDW_INVALIDATE, RDW_ERASE and RDW_UPDATENOW of the framework.
    BOOL RedrawWindow(LPCRECT rect = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // A device context drawing into the window's surface at once; give it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    // The retained surface (a null image for windows made of a Qt control such as scroll bars).
    const QImage& GetSurface() const;
    QWidget* GetWidget() const;
};

// Sends or posts to a window by handle; posting to a dead handle fails and queues nothing.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL IsWindow(HWND hwnd);
// The child of `parent` with the control id, or 0.
HWND GetDlgItem(HWND parent, int id);
