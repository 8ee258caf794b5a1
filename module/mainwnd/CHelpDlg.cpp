#include "module/mainwnd/CHelpDlg.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "module/mainwnd/CModuleMainDlg.h"
#include "module/slots/SlotRecords.h"
#include "platform/ui/ControlStyles.h"

namespace {

DialogTemplate HelpTemplate() {
    DialogTemplate tpl;
    tpl.title = "Taurel Help";
    tpl.x = 30;
    tpl.y = 30;
    // Wide enough for the usage text's longest lines in the fixed-pitch face.
    tpl.cx = 424;
    tpl.cy = 250;
    tpl.style = WS_CAPTION | WS_SYSMENU;
    tpl.items = {
        {CHelpDlg::kTextId, "EDIT", 7, 7, 410, 214,
         WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY, ""},
        {CHelpDlg::kCloseId, "FlatBtnCtrlClass", 187, 229, 50, 14, WS_VISIBLE | WS_TABSTOP, ""},
    };
    return tpl;
}

// The framework's multi-line edits keep "\r\n" line ends.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

CHelpDlg::CHelpDlg(CWnd* mainWnd, std::string text)
    : CSlotBoxDlg(HelpTemplate(), mainWnd, Slot::kHelp, kCloseId), m_text(std::move(text)) {
    m_textFont.CreateFont(-11, "Terminal");
}

CWnd* CHelpDlg::CreateFor(CWnd* mainWnd, CDlgData*) {
    auto* main = dynamic_cast<CModuleMainDlg*>(mainWnd);
    return Show(new CHelpDlg(mainWnd, main ? main->GetManualText() : std::string()));
}

BOOL CHelpDlg::OnInitDialog() {
    if (CWnd* text = GetDlgItem(kTextId)) {
        text->SetFont(&m_textFont);
        text->SetWindowText(WithCrLf(m_text).c_str());
    }
    if (auto* close = dynamic_cast<CFBCtrl*>(GetDlgItem(kCloseId)))
        close->InitFlatButton("Close");
    return TRUE;
}
