#include "module/mainwnd/CAboutDlg.h"

#include "TaurelVersion.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "module/mainwnd/CModuleMainDlg.h"
#include "module/slots/PanelMessages.h"
#include "platform/ui/ControlStyles.h"

#include <QCoreApplication>

namespace {

constexpr UINT kNameId = 1001;
constexpr UINT kVersionId = 1002;
constexpr UINT kDirectoryId = 1003;

DialogTemplate AboutTemplate() {
    DialogTemplate tpl;
    tpl.title = "About Taurel";
    tpl.x = 40;
    tpl.y = 40;
    tpl.cx = 250;
    tpl.cy = 114;
    tpl.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tpl.items = {
        {kNameId, "STATIC", 10, 8, 230, 10, WS_VISIBLE | SS_LEFT,
         "Taurel switch management module"},
        {kVersionId, "STATIC", 10, 22, 230, 10, WS_VISIBLE | SS_LEFT, ""},
        {kDirectoryId, "STATIC", 10, 36, 230, 10, WS_VISIBLE | SS_LEFT, ""},
        {CAboutDlg::kSwitchId, "STATIC", 10, 54, 230, 10, WS_VISIBLE | SS_LEFT, ""},
        {CAboutDlg::kSessionId, "STATIC", 10, 68, 230, 10, WS_VISIBLE | SS_LEFT, ""},
        {CAboutDlg::kOkId, "FlatBtnCtrlClass", 100, 92, 50, 14, WS_VISIBLE | WS_TABSTOP, ""},
    };
    return tpl;
}

} // namespace

std::string AboutVersionText() {
    return std::string("Version ") + kTaurelVersion;
}

std::string AboutDirectoryText(const std::string& programDirectory) {
    return "Program directory: " + programDirectory;
}

std::string AboutSwitchText(const ModuleIdentity& identity) {
    return "Switch: " + identity.deviceName + " at " + identity.agentAddress;
}

std::string AboutSessionText(const ModuleIdentity& identity) {
    return "SNMP: " + identity.snmpSession;
}

CAboutDlg::CAboutDlg(CWnd* mainWnd) : CSlotBoxDlg(AboutTemplate(), mainWnd, kSlot, kOkId) {}

CWnd* CAboutDlg::CreateFor(CWnd* mainWnd, CDlgData*) {
    return Show(new CAboutDlg(mainWnd));
}

BOOL CAboutDlg::OnInitDialog() {
    if (CWnd* version = GetDlgItem(kVersionId))
        version->SetWindowText(AboutVersionText().c_str());
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    if (CWnd* directory = GetDlgItem(kDirectoryId))
        directory->SetWindowText(AboutDirectoryText(dir).c_str());
    // The identity of the window this box belongs to: the one every request of it uses.
    auto* main = dynamic_cast<CModuleMainDlg*>(MainWnd());
    const ModuleIdentity identity = main ? main->GetIdentity() : SwitchIdentity();
    if (CWnd* managed = GetDlgItem(kSwitchId))
        managed->SetWindowText(AboutSwitchText(identity).c_str());
    if (CWnd* session = GetDlgItem(kSessionId))
        session->SetWindowText(AboutSessionText(identity).c_str());
    if (auto* ok = dynamic_cast<CFBCtrl*>(GetDlgItem(kOkId)))
        ok->InitFlatButton("OK");
    SetDefID(kOkId);
    return TRUE;
}
