#pragma once
// The get dialog: one row per object, its value read with one get request on every Refresh.
// Set opens a set dialog for the same objects.

#include "dialogs/CNmDlgList.h"

class NMDIALOG_API CNmDlgGet : public CNmDlgList {
public:
    CNmDlgGet(CWnd* parent, const std::string& key, const std::string& address,
              const std::string& getCommunity, const std::string& setCommunity, int rowCount,
              const _NmOidTable* table, const std::string& instance);

    BOOL OnInitDialog() override;
    void Refresh() override;
    void Set() override;
    void OnSnmpSendReply(UINT code, LPARAM msg) override;
};
