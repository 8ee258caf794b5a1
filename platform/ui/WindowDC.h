#pragma once
// Device contexts on a window's retained surface.
// CClientDC draws at once (the screen shows the change at its next refresh); CPaintDC is used
// while handling WM_PAINT and is clipped to the part of the window being painted.

#include "platform/ui/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

protected:
    HWND m_hWnd;
};
