#include "platform/ui/WindowDC.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/WindowWidget.h"

namespace {
WindowWidget* surfaceOf(HWND hwnd) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    return rec ? dynamic_cast<WindowWidget*>(rec->widget.data()) : nullptr;
}
} // namespace

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : 0) {
    if (WindowWidget* w = surfaceOf(m_hWnd)) {
        w->EnsureSurface();
        AttachImage(&w->Surface());
    }
}

CClientDC::~CClientDC() {
    DetachImage();
    if (WindowWidget* w = surfaceOf(m_hWnd))
        w->update();
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : 0) {
    if (WindowWidget* w = surfaceOf(m_hWnd)) {
        // Outside a paint (a direct WM_PAINT) the invalid part is painted and validated here.
        QRegion region = w->PaintRegion().isEmpty() ? w->InvalidRegion() : w->PaintRegion();
        if (region.isEmpty())
            region = w->rect();
        w->Validate();
        w->EnsureSurface();
        AttachImage(&w->Surface(), region);
    }
}

CPaintDC::~CPaintDC() {
    DetachImage();
    if (WindowWidget* w = surfaceOf(m_hWnd))
        w->update();
}
