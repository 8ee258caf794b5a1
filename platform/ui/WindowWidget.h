#pragma once
// Internal to the window layer: the Qt widget behind a plain window. It keeps the retained
// surface, turns Qt's paint, size, mouse, close and timer events into window messages, and
// shows the surface on screen.

#include "platform/ui/WinTypes.h"

#include <QImage>
#include <QObject>
#include <QRegion>
#include <QWidget>
#include <map>

// The widget property holding the part of a window its focus mark goes around (a QRect); the
// whole window without it.
constexpr const char* kFocusPartProperty = "taurelFocusPart";

class WindowWidget : public QWidget {
public:
    // `flags`: Qt::Widget for a child, the frame's flags for a top-level window.
    WindowWidget(QWidget* parent, HWND hwnd, Qt::WindowFlags flags);
    ~WindowWidget() override;

    HWND Hwnd() const { return m_hwnd; }
    QImage& Surface() { return m_surface; }
    void Invalidate(const QRegion& region, bool erase);
    // Runs WM_ERASEBKGND/WM_PAINT into the surface when something is invalid.
    void PaintNow();
    // Sends WM_SIZE (and resizes the surface) when the size differs from the last one sent.
    void SyncSize();
    // The part being painted during WM_PAINT.
    const QRegion& PaintRegion() const { return m_paintRegion; }
    const QRegion& InvalidRegion() const { return m_invalid; }
    void Validate() { m_invalid = QRegion(); }
    // Gives the surface the widget's size, keeping what was drawn.
    void EnsureSurface();
    // Called when the layer has destroyed the window: nothing more is dispatched.
    void Forget() { m_hwnd = 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void DeliverMouse(UINT msg, QMouseEvent* event);

    HWND m_hwnd;
    QImage m_surface;
    QRegion m_invalid;
    QRegion m_paintRegion;
    QSize m_lastSize{-1, -1};
    bool m_erase = true;
    int m_wheelRest = 0;
};

// Delivers the window's WM_TIMER messages from Qt timers.
class TimerHost : public QObject {
public:
    TimerHost(QObject* parent, HWND hwnd) : QObject(parent), m_hwnd(hwnd) {}
    bool Start(UINT_PTR id, UINT ms);
    bool Stop(UINT_PTR id);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    HWND m_hwnd;
    std::map<UINT_PTR, int> m_qtTimers;
};
