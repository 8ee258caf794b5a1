#pragma once
// The About box (template 157): the module's name, its version, the directory the program was
// started from, and which switch this window manages, at which address and over which SNMP
// version, with an OK button. It lives in slot 27 of the main window.

#include "module/identity/ModuleIdentity.h"
#include "module/mainwnd/CSlotBoxDlg.h"

#include <string>

class CDlgData;

class CAboutDlg : public CSlotBoxDlg {
public:
    static constexpr UINT kTemplateId = 157;
    static constexpr UINT kOkId = 1;
    static constexpr UINT kSwitchId = 1004, kSessionId = 1005;
    static constexpr int kSlot = 27;

    explicit CAboutDlg(CWnd* mainWnd);
    // The factory's function for slot 27.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    BOOL OnInitDialog() override;
};

// The texts the About box shows.
std::string AboutVersionText();
std::string AboutDirectoryText(const std::string& programDirectory);
// "Switch: NAME at ADDRESS" and "SNMP: SNMPv1" (or the SNMPv3 user and its protocols).
std::string AboutSwitchText(const ModuleIdentity& identity);
std::string AboutSessionText(const ModuleIdentity& identity);
