// The three dialog templates of the library, as the window layer reads them.
#include "dialogs/NmDlgResources.h"
#include "dialogs/NmListBitmap.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/GdiObjects.h"

namespace {

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

DialogTemplate emptyTemplate(const char* caption) {
    DialogTemplate tpl;
    tpl.title = caption;
    tpl.cx = 250;
    tpl.cy = 153;
    tpl.style = kDialogStyle;
    tpl.fontFace = "Arial";
    tpl.fontPoints = 8;
    return tpl;
}

// Header pairs in two columns of the header box, list box below it, status box at the bottom,
// side buttons at the right starting at `buttonTop`.
DialogTemplate listTemplate(const char* caption, int buttonTop, bool numberBox) {
    DialogTemplate tpl = emptyTemplate(caption);
    auto add = [&tpl](UINT id, const char* cls, int x, int y, int cx, int cy, DWORD style,
                      const char* text) {
        tpl.items.push_back({id, cls, x, y, cx, cy, style | WS_VISIBLE, text});
    };
    add(IDC_NMDLG_HEADER_GROUP, "BUTTON", 7, 2, 184, 35, BS_GROUPBOX, "");
    for (int i = 0; i < 4; ++i) {
        int right = i % 2, row = i / 2;
        int y = 11 + 12 * row;
        UINT label = IDC_NMDLG_HEADER_LABEL1 + UINT(2 * i);
        add(label, "STATIC", right ? 117 : 11, y + 1, right ? 23 : 27, 9, SS_LEFT, "header");
        add(label + 1, "STATIC", right ? 140 : 38, y, right ? 47 : 76, 10, SS_SUNKEN, "headerInfo");
    }
    add(IDC_NMDLG_LIST_GROUP, "BUTTON", 7, 38, 184, 80, BS_GROUPBOX, "");
    add(IDC_NMDLG_LIST, WC_LISTVIEW, 12, 47, 174, 66,
        LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | WS_TABSTOP, "");
    add(IDC_NMDLG_STATUS, "EDIT", 7, 121, 184, 27,
        ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, "");
    for (int i = 0; i < 5; ++i)
        tpl.items.push_back({IDC_NMDLG_BUTTON1 + UINT(i), "BUTTON", 197, buttonTop + 18 * i, 46, 14,
                             BS_PUSHBUTTON | WS_TABSTOP, "button"});
    if (numberBox) {
        tpl.items.push_back(
            {IDC_NMDLG_NUMBER, "EDIT", 197, 15, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP, ""});
        tpl.items.push_back({IDC_NMDLG_SPIN, UPDOWN_CLASS, 232, 15, 11, 12,
                             UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, ""});
    }
    return tpl;
}

} // namespace

void NmDialogRegisterResources() {
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterDialogTemplate(IDD_NMDLG_LIST_TABLE, emptyTemplate("Kovia List Table Template"));
    RegisterDialogTemplate(IDD_NMDLG_GENERAL,
                           listTemplate("Kovia General Dialog Template", 40, true));
    RegisterDialogTemplate(IDD_NMDLG_SET, listTemplate("Kovia Set Dialog Template", 15, false));
    RegisterBitmapResource(IDB_NMDLG_LIST_IMAGES, DrawNmListImages());
}
