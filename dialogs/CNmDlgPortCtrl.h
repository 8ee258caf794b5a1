#pragma once
// The port-control dialog: objects are rows and ports are columns, found by walking the table
// with get-next. An editable cell shows its switch (toggled by a click); Apply writes every
// changed port with its own set request and walks the ports again once all were answered.
// Columns the last walk did not reach are greyed and cannot be toggled, a walk that stopped
// early says so, and every toggle Apply could not write is named in the status box.

#include "dialogs/CNmDlgListSet.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CSnmpOid;

class NMDIALOG_API CNmDlgPortCtrl : public CNmDlgListSet {
public:
    CNmDlgPortCtrl(CWnd* parent, const std::string& key, const std::string& address,
                   const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                   const _NmOidTable* table, const std::string& instance);

    std::vector<std::uint32_t> m_setReqIds;
    // The port columns the current (or last) walk has refreshed, from column 1.
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
    // The walk is over: columns it did not reach are greyed; an incomplete walk says so.
    void EndWalk(bool complete);
    void ShowPortColumn(int col);
    // The state image and toggle mark of a cell, and the value it asks for.
    int CellStateImage(int row, int col) const;
    bool CellToggled(int row, int col) const;
    int CellChoice(int row, int col, const CSnmpOid& object) const;
    // Whether a column's cells ask for values the agent did not report.
    bool ColumnChanged(int col);
    // The headings of the changed columns first … last.
    std::vector<std::string> ChangedPorts(int first, int last);

    // The port each outstanding set writes, to name it when the set fails.
    std::map<std::uint32_t, std::string> m_setPorts;
};
