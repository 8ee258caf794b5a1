#include "module/slots/SlotOpening.h"

#include "module/slots/PanelMessages.h"
#include "module/slots/SlotRecords.h"
#include "platform/ui/CWnd.h"

bool PostOpenSlot(CWnd* mainWnd, int slot, const CDlgData* keys) {
    auto* store = dynamic_cast<CSlotKeyStore*>(mainWnd);
    if (!store || !mainWnd->m_hWnd)
        return mainWnd && mainWnd->PostMessage(PANEL_MSG, WPARAM(slot), 0);
    LPARAM ticket = keys ? store->StoreKeys(*keys) : 0;
    if (mainWnd->PostMessage(PANEL_MSG, WPARAM(slot), ticket))
        return true;
    store->DropKeys(ticket);
    return false;
}

void TakeOpenerKeys(int slot, CDlgData& record, const CDlgData* keys) {
    if (slot == Slot::kTrapReceiverForm) {
        record.ClearKeys();
        if (keys)
            record.CopyKeys(*keys);
    } else if (slot == Slot::kIpInterfaceSettings) {
        record.ClearKeys();
        if (keys && keys->m_nKeyCount > 0)
            record.CopyKeys(*keys);
        else
            record.SetKeys({kFirstIpInterface});
    }
}

bool TakesOpenerKeys(int slot) {
    return slot == Slot::kTrapReceiverForm || slot == Slot::kIpInterfaceSettings;
}
