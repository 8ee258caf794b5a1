#pragma once
// The one table from slot ranges to the dialogs they open. Each row's function takes the main
// window and the slot's record (null for the About box) and makes the dialog as a modeless
// window; it gives null when the dialog could not be made.

#include "module/slots/CDlgData.h"

class CWnd;

using SlotDialogCreator = CWnd* (*)(CWnd* mainWnd, CDlgData* record);

struct SlotDialogRow {
    int first;
    int last;
    SlotDialogCreator create;
};

// The row that covers `slot`, or null when no dialog is built for it.
const SlotDialogRow* FindSlotDialog(int slot);
