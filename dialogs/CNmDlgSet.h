#pragma once
// The set dialog: the writable and index objects, one per row, read with a get; a click on the
// focused row's value edits it in place (a drop-down list for named values), a changed value
// is marked, and Apply writes the values with one set request and reads them back.

#include "dialogs/CNmDlgListSet.h"

class CSnmpOid;

class NMDIALOG_API CNmDlgSet : public CNmDlgListSet {
public:
    CNmDlgSet(CWnd* parent, const std::string& key, const std::string& address,
              const std::string& getCommunity, const std::string& setCommunity, int rowCount,
              const _NmOidTable* table, const std::string& instance);

    BOOL OnInitDialog() override;
    void Refresh() override;
    void Apply() override;
    void OnSnmpSendReply(UINT code, LPARAM msg) override;

    void OnLButtonDownClick(int row, int col, LRESULT* result);
    void OnLabelChanged(int row, int col, const std::string& text);

private:
    CSnmpOid* RowObject(int row) const;
};
