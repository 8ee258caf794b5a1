#pragma once
// The application object of a window program: it owns the main window while InitInstance runs
// it. The program derives its one application object from it.

#include "platform/core/CObject.h"
#include "platform/ui/WinTypes.h"

class CWnd;

class CWinApp : public CObject {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Starts the program; false when nothing is left running (the program then ends).
    virtual BOOL InitInstance() { return FALSE; }

    CWnd* m_pMainWnd = nullptr;
};

// The live application object, or null. Its main window: AfxGetMainWnd (AppWindow.h).
CWinApp* AfxGetApp();
