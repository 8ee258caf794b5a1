#include "dialogs/NmDlgOpenSet.h"

#include "dialogs/CNmDlgSet.h"
#include "dialogs/NmDlgObjectRules.h"
#include "snmp/CSnmpClass.h"

CNmDlgSet* OpenSetDialog(CNmDlgLayout& from, const std::string& target,
                         const std::string& instance) {
    const CSnmpClass& snmp = *from.m_pSnmp;
    const std::string key = SetDialogKey(target, snmp.m_strIpAddr);
    if (auto* open = dynamic_cast<CNmDlgSet*>(nmdlgFind(key)); open && open->m_hWnd) {
        open->SetForegroundWindow();
        return open;
    }
    NmDlgRequestOptionsScope options(from.GetRequestOptions());
    auto* dlg = new CNmDlgSet(&from, key, snmp.m_strIpAddr, snmp.m_strGetCommunity,
                              snmp.m_strSetCommunity, snmp.m_nOidCount, snmp.m_pOidTable, instance);
    dlg->SetTarget(target);
    dlg->BringWindowToTop();
    dlg->ShowWindow(SW_SHOW);
    return dlg;
}
