#pragma once
// The library's resources: its dialog templates, its bitmap of list images, and the control
// ids inside the templates.

#include "dialogs/NmDialogApi.h"
#include "platform/ui/WinTypes.h"

constexpr UINT IDD_NMDLG_LIST_TABLE = 10010;
constexpr UINT IDD_NMDLG_GENERAL = 10011;
constexpr UINT IDD_NMDLG_SET = 10012;

// 16-pixel images of the lists, in a row: 1 plain object, 2 blue (writable) object, 3 and 4
// change marks, 4 to 7 port states 1 to 4, 8 editable port cell, 9 its toggle mark.
constexpr UINT IDB_NMDLG_LIST_IMAGES = 130;
constexpr int kNmListImageSize = 16;
constexpr int kNmListImageCount = 10;
constexpr COLORREF kNmListMaskColor = RGB(0xC0, 0xC0, 0xC0);

constexpr UINT IDC_NMDLG_STATUS = 1000;
constexpr UINT IDC_NMDLG_BUTTON1 = 1001; // … 1005
constexpr UINT IDC_NMDLG_NUMBER = 1006;
constexpr UINT IDC_NMDLG_SPIN = 1007;
constexpr UINT IDC_NMDLG_HEADER_GROUP = 1010;
constexpr UINT IDC_NMDLG_HEADER_LABEL1 = 1011; // labels 1011, 1013, 1015, 1017
constexpr UINT IDC_NMDLG_HEADER_VALUE1 = 1012; // values 1012, 1014, 1016, 1018
constexpr UINT IDC_NMDLG_LIST_GROUP = 1020;
constexpr UINT IDC_NMDLG_LIST = 1021;

// Makes the templates and the bitmap known to the window layer (once; later calls do nothing).
NMDIALOG_API void NmDialogRegisterResources();
