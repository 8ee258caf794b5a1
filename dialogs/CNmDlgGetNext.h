#pragma once
// The get-next dialog: a whole SNMP table, one column per object and one row per table row,
// walked with get-next requests to its end on every Refresh. More (or a double click) opens a
// set dialog for the selected row, addressed by its index columns.

#include "dialogs/CNmDlgList.h"

class NMDIALOG_API CNmDlgGetNext : public CNmDlgList {
public:
    CNmDlgGetNext(CWnd* parent, const std::string& key, const std::string& address,
                  const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                  const _NmOidTable* table, const std::string& instance);

    BOOL OnInitDialog() override;
    void Refresh() override;
    void More() override;
    void Delete() override {}
    void GetNext();
    void OnSnmpSendReply(UINT code, LPARAM msg) override;

    void OnItemDblClick(NMHDR* hdr, LRESULT* result);
};
