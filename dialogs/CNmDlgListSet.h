#pragma once
// The list layout of the set and port-control dialogs (template 10012): buttons Refresh,
// Apply and Close.

#include "dialogs/CNmDlgLayout.h"
#include "snmp/NmOidTable.h"

class NMDIALOG_API CNmDlgListSet : public CNmDlgLayout {
public:
    // The signature every generic dialog shares; the layout uses the parent and the key.
    CNmDlgListSet(CWnd* parent, const std::string& key, const std::string& address,
                  const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                  const _NmOidTable* table, const std::string& instance);

protected:
    void InitButtons() override;
};
