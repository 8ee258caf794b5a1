#pragma once
// The list layout of the get, get-next and statistic dialogs (template 10011): buttons
// Refresh, Set and Close, and a number box with an up/down control that the layout leaves
// hidden and without a function.

#include "dialogs/CNmDlgLayout.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "snmp/NmOidTable.h"

class NMDIALOG_API CNmDlgList : public CNmDlgLayout {
public:
    // The signature every generic dialog shares; the layout uses the parent and the key.
    CNmDlgList(CWnd* parent, const std::string& key, const std::string& address,
               const std::string& getCommunity, const std::string& setCommunity, int rowCount,
               const _NmOidTable* table, const std::string& instance);

    CEdit m_numberBox;
    CSpinButtonCtrl m_spin;

    BOOL OnInitDialog() override;

protected:
    void InitButtons() override;
};
