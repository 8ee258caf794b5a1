#include "platform/ui/CWnd.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/AccessibleWindow.h"
#include "platform/ui/DialogManager.h"
#include "platform/ui/Icons.h"

#include <QIcon>
#include <QPixmap>

#include "platform/ui/WindowDC.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/WindowWidget.h"

#include <QWidget>
#include <algorithm>

namespace {
QWidget* widgetOf(HWND hwnd) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    return rec ? rec->widget.data() : nullptr;
}
WindowWidget* windowWidgetOf(HWND hwnd) {
    return dynamic_cast<WindowWidget*>(widgetOf(hwnd));
}
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd)
        WindowSystem::Destroy(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    return rec ? rec->object : nullptr;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
    if (m_hWnd)
        return FALSE;
    return WindowSystem::Create(className, windowName, style, rect, parent ? parent->m_hWnd : 0, id,
                                this) != 0;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    return WindowSystem::Attach(hwnd, this) ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd && WindowSystem::Destroy(m_hWnd) ? TRUE : FALSE;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultWindowProc(msg, wParam, lParam);
}

LRESULT CWnd::DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        WindowSystem::Detach(m_hWnd);
        PostNcDestroy(); // may delete this
        return 0;
    }
    return ::DefWindowProc(m_hWnd, msg, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, msg, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT ms) {
    return WindowSystem::SetTimer(m_hWnd, id, ms) ? id : 0;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    return WindowSystem::KillTimer(m_hWnd, id) ? TRUE : FALSE;
}

UINT CWnd::GetTimerInterval(UINT_PTR id) const {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    if (!rec)
        return 0;
    auto it = rec->timerIntervals.find(id);
    return it == rec->timerIntervals.end() ? 0 : it->second;
}

CWnd* CWnd::GetParent() const {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    return rec ? FromHandle(rec->parent) : nullptr;
}

CWnd* CWnd::GetNextWindow(UINT flag) const {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    if (!rec)
        return nullptr;
    std::vector<HWND> siblings = WindowSystem::Children(rec->parent);
    auto at = std::find(siblings.begin(), siblings.end(), m_hWnd);
    if (at == siblings.end())
        return nullptr;
    if (flag == GW_HWNDPREV)
        return at == siblings.begin() ? nullptr : FromHandle(*(at - 1));
    return at + 1 == siblings.end() ? nullptr : FromHandle(*(at + 1));
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

int CWnd::GetDlgCtrlID() const {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    return rec ? int(rec->id) : 0;
}

DWORD CWnd::GetStyle() const {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    if (!rec)
        return 0;
    DWORD style = rec->style & ~(WS_VISIBLE | WS_DISABLED);
    if (rec->widget && rec->widget->isVisible())
        style |= WS_VISIBLE;
    if (rec->widget && !rec->widget->isEnabled())
        style |= WS_DISABLED;
    return style;
}

void CWnd::GetClientRect(LPRECT rect) const {
    QWidget* w = widgetOf(m_hWnd);
    *rect = w ? CRect(0, 0, w->width(), w->height()) : CRect();
}

void CWnd::GetWindowRect(LPRECT rect) const {
    QWidget* w = widgetOf(m_hWnd);
    if (!w) {
        *rect = CRect();
        return;
    }
    QPoint origin = w->mapToGlobal(QPoint(0, 0));
    *rect = CRect(origin.x(), origin.y(), origin.x() + w->width(), origin.y() + w->height());
}

void CWnd::ClientToScreen(POINT* point) const {
    if (QWidget* w = widgetOf(m_hWnd)) {
        QPoint p = w->mapToGlobal(QPoint(point->x, point->y));
        point->x = p.x(), point->y = p.y();
    }
}

void CWnd::ScreenToClient(POINT* point) const {
    if (QWidget* w = widgetOf(m_hWnd)) {
        QPoint p = w->mapFromGlobal(QPoint(point->x, point->y));
        point->x = p.x(), point->y = p.y();
    }
}

void CWnd::ScreenToClient(LPRECT rect) const {
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ScreenToClient(&a), ScreenToClient(&b);
    *rect = CRect(a.x, a.y, b.x, b.y);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    QWidget* w = widgetOf(m_hWnd);
    if (!w)
        return;
    width = std::max(0, width), height = std::max(0, height);
    if (WindowRecord* rec = WindowSystem::Find(m_hWnd); rec && WindowSystem::HasFixedSize(*rec))
        w->setFixedSize(width, height);
    // A window kept in place is only resized, so a frame placed by the cascade stays put.
    if (w->isWindow() && w->geometry().topLeft() == QPoint(x, y))
        w->resize(width, height);
    else
        w->setGeometry(x, y, width, height);
    if (WindowWidget* ww = windowWidgetOf(m_hWnd)) {
        ww->SyncSize();
        if (repaint)
            ww->Invalidate(ww->rect(), true);
    }
}

void CWnd::MoveWindow(LPCRECT r, BOOL repaint) {
    MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
}

void CWnd::SetChildCascade(CPoint clientOrigin) {
    if (WindowRecord* rec = WindowSystem::Find(m_hWnd))
        rec->cascadeOrigin = clientOrigin;
}

BOOL CWnd::ShowWindow(int command) {
    QWidget* w = widgetOf(m_hWnd);
    if (!w)
        return FALSE;
    BOOL wasVisible = w->isVisible();
    if (command == SW_HIDE) {
        w->hide();
    } else {
        w->setAttribute(Qt::WA_ShowWithoutActivating, command == SW_SHOWNOACTIVATE);
        w->show();
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    QWidget* w = widgetOf(m_hWnd);
    return w && w->isVisible();
}

BOOL CWnd::EnableWindow(BOOL enable) {
    QWidget* w = widgetOf(m_hWnd);
    if (!w)
        return FALSE;
    bool wasDisabled = w->testAttribute(Qt::WA_ForceDisabled);
    if (wasDisabled == !enable)
        return wasDisabled;
    w->setEnabled(enable != 0);
    SendMessage(WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    QWidget* w = widgetOf(m_hWnd);
    return w && w->isEnabled();
}

CWnd* CWnd::SetFocus() {
    if (QWidget* w = widgetOf(m_hWnd))
        w->setFocus();
    return nullptr;
}

BOOL CWnd::HasFocus() const {
    QWidget* w = widgetOf(m_hWnd);
    return w && w->hasFocus();
}

void CWnd::SetFocusPart(const CRect* part) {
    QWidget* w = widgetOf(m_hWnd);
    if (!w)
        return;
    QVariant value =
        part ? QVariant(QRect(part->left, part->top, part->Width(), part->Height())) : QVariant();
    if (w->property(kFocusPartProperty) != value) {
        w->setProperty(kFocusPartProperty, value);
        w->update();
    }
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    if (!rec)
        return;
    rec->style = (rec->style & ~remove) | add;
    if ((rec->style & WS_CHILD) && dynamic_cast<WindowWidget*>(rec->widget.data()))
        rec->widget->setFocusPolicy((rec->style & WS_TABSTOP) ? Qt::TabFocus : Qt::NoFocus);
}

void CWnd::BringWindowToTop() {
    if (QWidget* w = widgetOf(m_hWnd)) {
        w->raise();
        if (w->isWindow())
            w->activateWindow();
    }
}

BOOL CWnd::SetForegroundWindow() {
    QWidget* w = widgetOf(m_hWnd);
    if (!w)
        return FALSE;
    QWidget* top = w->window();
    if (top->isMinimized())
        top->showNormal();
    top->raise();
    top->activateWindow();
    return TRUE;
}

BOOL CWnd::IsIconic() const {
    QWidget* w = widgetOf(m_hWnd);
    return w && w->isMinimized();
}

void CWnd::SetIcon(std::uintptr_t icon, BOOL) {
    if (QWidget* w = widgetOf(m_hWnd))
        w->setWindowIcon(QIcon(QPixmap::fromImage(IconImage(icon))));
}

void CWnd::NotifyAccessible(AccEvent event, int item) {
    AccessibleWindows::Notify(widgetOf(m_hWnd), event, item);
}

MnemonicMark CWnd::GetCaptionMark(int caption) const {
    return DialogManager::MarkOf(m_hWnd, caption);
}

void CWnd::SetWindowText(const char* text) {
    SendMessage(WM_SETTEXT, 0, LPARAM(text ? text : ""));
}

std::string CWnd::GetWindowText() const {
    QWidget* w = widgetOf(m_hWnd);
    return w ? OctetsFromText(w->property("taurelText").toString()) : std::string();
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    if (WindowRecord* rec = WindowSystem::Find(m_hWnd)) {
        rec->font = font;
        SendMessage(WM_SETFONT, WPARAM(font), redraw);
    }
}

CFont* CWnd::GetFont() const {
    WindowRecord* rec = WindowSystem::Find(m_hWnd);
    return rec ? rec->font : nullptr;
}

void CWnd::Invalidate(BOOL erase) {
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    if (WindowWidget* ww = windowWidgetOf(m_hWnd)) {
        QRegion region = rect ? QRegion(rect->left, rect->top, rect->right - rect->left,
                                        rect->bottom - rect->top)
                              : QRegion(ww->rect());
        ww->Invalidate(region, erase != 0);
    } else if (QWidget* w = widgetOf(m_hWnd)) {
        w->update();
    }
}

void CWnd::UpdateWindow() {
    if (WindowWidget* ww = windowWidgetOf(m_hWnd))
        ww->PaintNow();
}

BOOL CWnd::RedrawWindow(LPCRECT rect, UINT flags) {
    if (!m_hWnd)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(rect, (flags & RDW_ERASE) != 0);
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

CDC* CWnd::GetDC() {
    return m_hWnd ? new CClientDC(this) : nullptr;
}

int CWnd::ReleaseDC(CDC* dc) {
    delete dc;
    return dc ? 1 : 0;
}

const QImage& CWnd::GetSurface() const {
    static const QImage none;
    WindowWidget* ww = windowWidgetOf(m_hWnd);
    return ww ? ww->Surface() : none;
}

QWidget* CWnd::GetWidget() const {
    return widgetOf(m_hWnd);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return WindowSystem::Post(hwnd, msg, wParam, lParam) ? TRUE : FALSE;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return WindowSystem::Dispatch(hwnd, msg, wParam, lParam);
}

BOOL IsWindow(HWND hwnd) {
    return WindowSystem::Find(hwnd) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND parent, int id) {
    QWidget* self = widgetOf(parent);
    if (!self)
        return 0;
    for (QObject* child : self->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        HWND h = w ? WindowSystem::FromWidget(w) : 0;
        WindowRecord* rec = WindowSystem::Find(h);
        if (rec && rec->parent == parent && int(rec->id) == id)
            return h;
    }
    return 0;
}
