#pragma once
// Styles, notification codes and structures of the standard controls (buttons, statics,
// multi-line edits, combo boxes, list views, up/down controls), with the framework's values.

#include "platform/ui/WinTypes.h"

class CDC;

constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
// One notch of the wheel (HIWORD of WM_MOUSEWHEEL's WPARAM, signed: positive away from the user).
constexpr int WHEEL_DELTA = 120;

constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;

// Buttons: the low four bits are the kind.
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_TYPEMASK = 0x000F;
constexpr WORD BN_CLICKED = 0;

// Static controls.
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_SUNKEN = 0x1000;

// Edits (ES_AUTOHSCROLL is in CEdit.h).
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_READONLY = 0x0800;

// Combo boxes.
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;

// Up/down controls.
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ARROWKEYS = 0x0020;

// List views.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_OWNERDRAWFIXED = 0x0400;
constexpr DWORD LVS_NOSORTHEADER = 0x8000;

constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;
constexpr int LVCFMT_JUSTIFYMASK = 3;

constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIS_CUT = 0x0004;
constexpr UINT LVIS_DROPHILITED = 0x0008;
constexpr UINT LVIS_OVERLAYMASK = 0x0F00;
constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOOVERLAYMASK(UINT i) {
    return i << 8;
}
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT i) {
    return i << 12;
}

constexpr int LVNI_ALL = 0x0000;
constexpr int LVNI_FOCUSED = 0x0001;
constexpr int LVNI_SELECTED = 0x0002;

constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;

constexpr int LVSIL_SMALL = 1;
constexpr int LVSIL_STATE = 2;

constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
constexpr UINT LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;

// Notification codes (WM_NOTIFY).
constexpr UINT NM_CLICK = UINT(-2);
constexpr UINT NM_DBLCLK = UINT(-3);
constexpr UINT LVN_ENDLABELEDIT = UINT(-106);

struct NMHDR {
    HWND hwndFrom = 0;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    const char* pszText = nullptr;
    int iImage = 0;
    LPARAM lParam = 0;
};

// LVN_ENDLABELEDIT: item.pszText is the new text, or null when the edit was cancelled.
struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};

// NM_CLICK and NM_DBLCLK of a list view.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    POINT ptAction;
};

struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = -1;
};

// Owner drawing of one list-view row.
constexpr UINT ODT_LISTVIEW = 102;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_FOCUS = 0x0010;

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = 0;
    CDC* pDC = nullptr;
    RECT rcItem;
    UINT_PTR itemData = 0;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;
