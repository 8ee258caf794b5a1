#include "platform/ui/CWinApp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    if (!g_app)
        g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}
