#include "platform/ui/AppWindow.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
HWND g_mainWindow = 0;
}

CWnd* AfxGetMainWnd() {
    // Kept as a handle: a main window that has gone is no longer returned.
    if (g_mainWindow)
        return CWnd::FromHandle(g_mainWindow);
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd ? app->m_pMainWnd : nullptr;
}

void AfxSetMainWnd(CWnd* wnd) {
    g_mainWindow = wnd ? wnd->m_hWnd : 0;
}

std::string AfxGetAppName() {
    return QCoreApplication::applicationName().toStdString();
}

CRect GetDesktopWorkArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return CRect();
    const QRect area = screen->availableGeometry();
    return CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
}
