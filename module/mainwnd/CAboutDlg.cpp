#include "module/mainwnd/CAboutDlg.h"

#include "TaurelVersion.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
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
    tpl.cx = 210;
    tpl.cy = 86;
    tpl.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tpl.items = {
        {kNameId, "STATIC", 10, 8, 190, 10, WS_VISIBLE | SS_LEFT,
         "Taurel switch management module"},
        {kVersionId, "STATIC", 10, 22, 190, 10, WS_VISIBLE | SS_LEFT, ""},
        {kDirectoryId, "STATIC", 10, 36, 190, 10, WS_VISIBLE | SS_LEFT, ""},
        {CAboutDlg::kOkId, "FlatBtnCtrlClass", 80, 64, 50, 14, WS_VISIBLE | WS_TABSTOP, ""},
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
    if (auto* ok = dynamic_cast<CFBCtrl*>(GetDlgItem(kOkId)))
        ok->InitFlatButton("OK");
    SetDefID(kOkId);
    return TRUE;
}
