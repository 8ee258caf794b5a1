#pragma once
// How a dialog asks the main window to open a slot. Dialogs know the main window only as a
// CWnd*; the window that keeps key records for posted requests implements CSlotKeyStore.

#include "module/slots/CDlgData.h"
#include "platform/ui/WinTypes.h"

class CWnd;

// Keeps copies of key records until their PANEL_MSG is handled, by ticket.
class CSlotKeyStore {
public:
    virtual LPARAM StoreKeys(const CDlgData& keys) = 0;
    virtual void DropKeys(LPARAM ticket) = 0;

protected:
    ~CSlotKeyStore() = default;
};

// Posts PANEL_MSG for `slot` carrying a copy of `keys`: the sender's record may be gone by the
// time the message is handled. A window that keeps no key records gets the bare slot. False
// when the window is gone.
bool PostOpenSlot(CWnd* mainWnd, int slot, const CDlgData* keys);

// The forms that edit the entry their opener chose take the opener's keys: the trap receiver
// form (no keys: a new receiver) and the IP interface settings (no keys: interface 1). Other
// slots keep the keys their records were built with.
void TakeOpenerKeys(int slot, CDlgData& record, const CDlgData* keys);
// Whether the slot's form takes its opener's keys (TakeOpenerKeys), so which row it shows is
// known only once it is open.
bool TakesOpenerKeys(int slot);
