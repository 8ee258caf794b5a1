#include "platform/ui/CScrollBar.h"

#include "platform/ui/WindowSystem.h"

#include <QScrollBar>

namespace {

int requestCode(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return -1;
    }
}

void sendRequest(QScrollBar* bar, HWND hwnd, int code, int pos) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    if (!rec || !rec->parent)
        return;
    UINT msg = bar->orientation() == Qt::Horizontal ? WM_HSCROLL : WM_VSCROLL;
    WindowSystem::Dispatch(rec->parent, msg, MAKEWPARAM(code, pos), LPARAM(hwnd));
}

} // namespace

// The widget of "SCROLLBAR" windows (registered as a built-in class by the window system).
QWidget* MakeScrollBarWidget(QWidget* parent, DWORD style, HWND hwnd) {
    auto* bar = new QScrollBar((style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(0);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, hwnd](int action) {
        int code = requestCode(action);
        if (code < 0)
            return;
        int requested = bar->sliderPosition();
        if (code != SB_THUMBTRACK)
            bar->setSliderPosition(bar->value()); // only the parent moves the bar
        sendRequest(bar, hwnd, code, requested);
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [bar, hwnd] {
        sendRequest(bar, hwnd, SB_THUMBPOSITION, bar->sliderPosition());
        sendRequest(bar, hwnd, SB_ENDSCROLL, 0);
    });
    return bar;
}

namespace {
QScrollBar* barOf(const CScrollBar* self) {
    return qobject_cast<QScrollBar*>(self->GetWidget());
}
} // namespace

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SCROLLBAR", nullptr, style, rect, parent, id);
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL) {
    if (QScrollBar* bar = barOf(this))
        bar->setRange(minPos, maxPos);
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const {
    QScrollBar* bar = barOf(this);
    *minPos = bar ? bar->minimum() : 0;
    *maxPos = bar ? bar->maximum() : 0;
}

int CScrollBar::SetScrollPos(int pos, BOOL) {
    QScrollBar* bar = barOf(this);
    if (!bar)
        return 0;
    int old = bar->value();
    bar->setValue(pos);
    return old;
}

int CScrollBar::GetScrollPos() const {
    QScrollBar* bar = barOf(this);
    return bar ? bar->value() : 0;
}
