#pragma once
// The About box (template 157): the module's name, its version and the directory the program
// was started from, with an OK button. It lives in slot 27 of the main window.

#include "module/mainwnd/CSlotBoxDlg.h"

#include <string>

class CDlgData;

class CAboutDlg : public CSlotBoxDlg {
public:
    static constexpr UINT kTemplateId = 157;
    static constexpr UINT kOkId = 1;
    static constexpr int kSlot = 27;

    explicit CAboutDlg(CWnd* mainWnd);
    // The factory's function for slot 27.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    BOOL OnInitDialog() override;
};

// The texts the About box shows.
std::string AboutVersionText();
std::string AboutDirectoryText(const std::string& programDirectory);
