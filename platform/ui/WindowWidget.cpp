#include "platform/ui/WindowWidget.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/WindowSystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>

namespace {

// The device context WM_ERASEBKGND receives: the surface, clipped to the part being painted.
class EraseDC : public CDC {
public:
    EraseDC(QImage* surface, const QRegion& region) { AttachImage(surface, region); }
};

// The virtual key code of a Qt key; 0 for keys the program never asks about.
WPARAM virtualKey(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_F4:
        return VK_F4;
    case Qt::Key_F10:
        return VK_F10;
    default:
        if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
            return WPARAM(key);
        return 0;
    }
}

WPARAM keyFlags(const QMouseEvent* e) {
    WPARAM flags = 0;
    if (e->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (e->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (e->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

} // namespace

WindowWidget::WindowWidget(QWidget* parent, HWND hwnd, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_hwnd(hwnd) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

WindowWidget::~WindowWidget() = default;

void WindowWidget::EnsureSurface() {
    // On a screen of a whole scale factor the surface has the screen's pixels, so text and lines
    // are drawn at its resolution; between whole factors (1.5) it keeps the smaller one and the
    // screen shows it enlarged, which stays legible.
    const int scale = std::max(1, int(devicePixelRatioF()));
    QSize want = size().expandedTo(QSize(1, 1)) * scale;
    if (m_surface.size() == want)
        return;
    // Keep what was drawn; new parts start in the dialog face colour until painted.
    QImage grown(want, QImage::Format_RGB32);
    grown.setDevicePixelRatio(scale);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    grown.fill(QColor(GetRValue(face), GetGValue(face), GetBValue(face)));
    const bool rescaled = !m_surface.isNull() && m_surface.devicePixelRatio() != scale;
    if (!m_surface.isNull() && !rescaled) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_surface);
    }
    m_surface = grown;
    if (rescaled)
        Invalidate(rect(), true);
}

void WindowWidget::Invalidate(const QRegion& region, bool erase) {
    m_invalid += region;
    m_erase = m_erase || erase;
    update();
}

void WindowWidget::SyncSize() {
    if (size() == m_lastSize)
        return;
    m_lastSize = size();
    EnsureSurface();
    Invalidate(rect(), true);
    if (m_hwnd)
        WindowSystem::Dispatch(m_hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width(), height()));
}

void WindowWidget::PaintNow() {
    if (!m_hwnd)
        return;
    EnsureSurface();
    m_invalid &= rect();
    if (m_invalid.isEmpty())
        return;
    m_paintRegion = m_invalid;
    m_invalid = QRegion();
    bool erase = std::exchange(m_erase, false);
    HWND self = m_hwnd;
    if (erase) {
        EraseDC dc(&m_surface, m_paintRegion);
        WindowSystem::Dispatch(self, WM_ERASEBKGND, WPARAM(static_cast<CDC*>(&dc)), 0);
    }
    if (WindowSystem::Find(self))
        WindowSystem::Dispatch(self, WM_PAINT, 0, 0);
    m_paintRegion = QRegion();
    update();
}

void WindowWidget::paintEvent(QPaintEvent*) {
    SyncSize();
    PaintNow();
    QPainter p(this);
    p.drawImage(0, 0, m_surface);
    // The focus mark goes on the screen only: the window's own picture stays as it drew it. A
    // window whose keys move a cursor of its own (a menu bar's button, a panel's port) marks
    // that part instead of itself.
    if (hasFocus() && !isWindow()) {
        QRect marked = rect();
        QVariant part = property(kFocusPartProperty);
        if (part.isValid())
            marked = part.toRect();
        int inset = std::clamp(std::min(marked.width(), marked.height()) / 6, 1, 3);
        if (part.isValid())
            inset = 1;
        // Dots that invert what lies under them, so the mark shows on a grey face, a dark
        // palette and the panel's black chassis alike.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(marked.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

void WindowWidget::resizeEvent(QResizeEvent*) {
    SyncSize();
}

void WindowWidget::DeliverMouse(UINT msg, QMouseEvent* event) {
    if (!m_hwnd)
        return;
    QPoint pos = event->position().toPoint();
    HWND target = m_hwnd;
    // Qt keeps sending a pressed mouse's moves and release to the pressed widget; without a
    // capture, those belong to the window under the mouse, in its own coordinates.
    if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN) {
        QWidget* top = window();
        QPoint global = mapToGlobal(pos);
        QPoint inTop = top->mapFromGlobal(global);
        QWidget* under = nullptr;
        if (top->rect().contains(inTop)) {
            under = top->childAt(inTop);
            if (!under)
                under = top;
        }
        while (under && !dynamic_cast<WindowWidget*>(under))
            under = under->parentWidget();
        if (under != this) {
            if (!under || !under->isEnabled())
                return;
            target = static_cast<WindowWidget*>(under)->Hwnd();
            pos = under->mapFromGlobal(global);
        }
    }
    WindowSystem::SetMouseWindow(target);
    WindowSystem::Dispatch(target, msg, keyFlags(event), MAKELPARAM(pos.x(), pos.y()));
}

void WindowWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        DeliverMouse(WM_LBUTTONDOWN, e);
    else if (e->button() == Qt::RightButton)
        DeliverMouse(WM_RBUTTONDOWN, e);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        DeliverMouse(WM_LBUTTONUP, e);
    else if (e->button() == Qt::RightButton)
        DeliverMouse(WM_RBUTTONUP, e);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* e) {
    DeliverMouse(WM_MOUSEMOVE, e);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        DeliverMouse(WM_LBUTTONDBLCLK, e);
}

void WindowWidget::closeEvent(QCloseEvent* e) {
    // The window decides: WM_CLOSE's default destroys it, a dialog cancels.
    e->ignore();
    if (m_hwnd)
        WindowSystem::Dispatch(m_hwnd, WM_CLOSE, 0, 0);
}

void WindowWidget::focusInEvent(QFocusEvent*) {
    update();
    if (m_hwnd)
        WindowSystem::Dispatch(m_hwnd, WM_SETFOCUS, 0, 0);
}

void WindowWidget::focusOutEvent(QFocusEvent*) {
    update();
    if (m_hwnd)
        WindowSystem::Dispatch(m_hwnd, WM_KILLFOCUS, 0, 0);
}

void WindowWidget::wheelEvent(QWheelEvent* e) {
    HWND self = m_hwnd;
    if (!self)
        return;
    // Fine-grained wheels and touchpads add up to whole notches.
    m_wheelRest += e->angleDelta().y();
    QPoint at = e->globalPosition().toPoint();
    while (std::abs(m_wheelRest) >= WHEEL_DELTA && WindowSystem::Find(self)) {
        int notch = m_wheelRest > 0 ? WHEEL_DELTA : -WHEEL_DELTA;
        m_wheelRest -= notch;
        WindowSystem::Dispatch(self, WM_MOUSEWHEEL, MAKEWPARAM(0, notch),
                               MAKELPARAM(at.x(), at.y()));
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* e) {
    HWND self = m_hwnd;
    if (!self)
        return;
    if (WPARAM vk = virtualKey(e->key()))
        WindowSystem::Dispatch(self, WM_KEYDOWN, vk,
                               (e->modifiers() & Qt::AltModifier) ? KF_ALTDOWN : 0);
    // A key with Alt or Ctrl held is a command, never a character typed.
    if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return;
    for (QChar c : e->text())
        if (c.unicode() >= 0x20 && c.unicode() < 0x100 && WindowSystem::Find(self))
            WindowSystem::Dispatch(self, WM_CHAR, WPARAM(c.unicode()), 0);
}

bool TimerHost::Start(UINT_PTR id, UINT ms) {
    Stop(id);
    int qtId = startTimer(int(std::max<UINT>(ms, 1)), Qt::PreciseTimer);
    if (!qtId)
        return false;
    m_qtTimers[id] = qtId;
    return true;
}

bool TimerHost::Stop(UINT_PTR id) {
    auto it = m_qtTimers.find(id);
    if (it == m_qtTimers.end())
        return false;
    killTimer(it->second);
    m_qtTimers.erase(it);
    return true;
}

void TimerHost::timerEvent(QTimerEvent* event) {
    for (auto& [id, qtId] : m_qtTimers)
        if (qtId == event->timerId()) {
            WindowSystem::Dispatch(m_hwnd, WM_TIMER, id, 0);
            return;
        }
}
