#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace {
// One application object for the whole test program, made before any test runs.
struct AppHolder {
    AppHolder() {
        static int argc = 1;
        static char name[] = "taurel-ui-tests";
        static char* argv[] = {name, nullptr};
        // Test discovery runs the program without the test environment; never need a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = new QApplication(argc, argv);
    }
    QApplication* app;
};
AppHolder g_app;
} // namespace

LRESULT RecordingWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (onMessage)
        onMessage(msg, wParam, lParam);
    if (msg == WM_COMMAND || msg == WM_TIMER || msg >= WM_USER)
        messages.push_back({msg, wParam, lParam});
    if (msg == WM_DESTROY)
        ++destroyed;
    return CWnd::WindowProc(msg, wParam, lParam);
}

std::vector<RecordedMessage> RecordingWnd::Only(UINT msg) const {
    std::vector<RecordedMessage> out;
    for (const auto& m : messages)
        if (m.msg == msg)
            out.push_back(m);
    return out;
}

TestFrame::TestFrame(int width, int height) {
    Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0);
}

void PumpMessages() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

COLORREF Pixel(CWnd* wnd, int x, int y) {
    wnd->UpdateWindow();
    QRgb c = wnd->GetSurface().pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

void LeftDown(CWnd* wnd, int x, int y) {
    QTest::mousePress(wnd->GetWidget(), Qt::LeftButton, {}, QPoint(x, y));
}

void LeftUp(CWnd* wnd, int x, int y) {
    QTest::mouseRelease(wnd->GetWidget(), Qt::LeftButton, {}, QPoint(x, y));
}

void DragTo(CWnd* wnd, int x, int y) {
    QTest::mouseMove(wnd->GetWidget(), QPoint(x, y));
}

void Hover(CWnd* wnd, int x, int y) {
    QWidget* w = wnd->GetWidget();
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}
