#include "module/mainwnd/CModuleMainDlg.h"

#include "platform/ui/DialogTemplate.h"

void CModuleMainDlg::RegisterTemplate() {
    static bool done = false;
    if (done)
        return;
    done = true;
    DialogTemplate tpl;
    tpl.x = 0;
    tpl.y = 0;
    // Initialisation sizes the client area to exactly 495 × 212 pixels and places the
    // controls in pixels.
    tpl.cx = 330;
    tpl.cy = 120;
    tpl.style = WS_CAPTION | WS_SYSMENU;
    // The button menu is the first tab stop: the window opens with the keyboard on it.
    tpl.items = {{kButtonMenuId, "KoMenuCtrlClass", 0, 0, 330, 31, WS_VISIBLE | WS_TABSTOP, ""},
                 {kStatusLineId, "DlgMsgCtrlClass", 0, 120, 330, 11, WS_VISIBLE, ""}};
    RegisterDialogTemplate(kTemplateId, tpl);
}
