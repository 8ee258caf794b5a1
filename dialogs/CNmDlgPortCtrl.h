#pragma once
// The port-control dialog: objects are rows and ports are columns, found by walking the table
// with get-next. An editable cell shows its switch (toggled by a click); Apply writes every
// changed port with its own set request and walks the ports again once all were answered.

#include "dialogs/CNmDlgListSet.h"

class CSnmpOid;

#include <cstdint>
#include <vector>

class NMDIALOG_API CNmDlgPortCtrl : public CNmDlgListSet {
public:
    CNmDlgPortCtrl(CWnd* parent, const std::string& key, const std::string& address,
                   const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                   const _NmOidTable* table, const std::string& instance);

    std::vector<std::uint32_t> m_setReqIds;
    int m_nPortColumns = 0;

    BOOL OnInitDialog() override;
    void Refresh() override;
    void Apply() override;
    void GetNext();
    void OnSnmpSendReply(UINT code, LPARAM msg) override;

    void OnLButtonDownClick(int row, int col, LRESULT* result);

private:
    void OnWalkReply(UINT code, CSnmpMsg* msg);
    void OnSetReply(UINT code, CSnmpMsg* msg);
    void ShowPortColumn(int col);
    CSnmpOid* RowObject(int row) const;
    // The state image and toggle mark of a cell.
    int CellStateImage(int row, int col) const;
    bool CellToggled(int row, int col) const;
};
