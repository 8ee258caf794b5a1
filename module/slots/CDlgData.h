#pragma once
// The dialog-data records of the main window's child-dialog slots: what a child dialog builds
// itself from (title, key of the managed object, OID table, header fields, buttons). The main
// window owns every record; a dialog reads its record and may change its keys, never deletes it.

#include "snmp/NmOidTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CDlgData {
public:
    static constexpr int kMaxKeys = 5;

    CDlgData() = default;
    virtual ~CDlgData() = default;
    CDlgData(const CDlgData&) = default;
    CDlgData& operator=(const CDlgData&) = default;

    // Takes the first N texts as keys (N below 1 leaves the keys untouched).
    void SetKeys(const std::vector<std::string>& keys);
    // Copies the five key texts and the key count of another record.
    void CopyKeys(const CDlgData& other);
    // False (nothing changes) when all five keys are in use.
    bool AppendKey(const std::string& key);
    void ClearKeys();
    void SetTable(const _NmOidTable* table, int rowCount);

    // The next index column (or row-status column) after row `row`, or -1.
    int NextIndexColumn(int row) const;
    int NextStatusColumn(int row) const;
    int IndexColumnCount() const;
    // ".0" for a table without index columns; otherwise each index column's suffix built from
    // the key text of the same position, joined.
    std::string InstanceSuffix() const;

    std::string m_strTitle;
    std::int32_t m_nKind = 0;
    std::array<std::string, kMaxKeys> m_strKeys;
    const _NmOidTable* m_pOidTable = nullptr;
    std::int32_t m_nKeyCount = 0;
    std::int32_t m_nRowCount = 0;

private:
    int NextColumnOfKind(int row, int kind) const;
};

// A push button of a table-like dialog. An empty label means no button; PANEL_MSG posts
// PANEL_MSG with the parameter to the main window, other messages are the dialog's own commands.
struct CDlgButton {
    char label[48] = {};
    std::int32_t message = 0;
    std::int32_t param = 0;
};

// Table, information, statistics and graph dialogs.
class CTableDlgData : public CDlgData {
public:
    static constexpr int kHeaderFields = 4;
    static constexpr int kButtons = 7;

    CTableDlgData();

    // Header values: device name, empty, agent address, target ("Device" or "Port %d").
    void SetHeader(const std::string& deviceName, const std::string& agentAddress,
                   const std::string& target);
    // Appends a button after those already set; false when all seven are used.
    bool AddButton(const char* label, std::int32_t message, std::int32_t param);
    int ButtonCount() const;

    std::string m_strReadCommunity;
    std::string m_strWriteCommunity;
    char m_szHeaderLabel[kHeaderFields][80] = {};
    char m_szHeaderValue[kHeaderFields][80] = {};
    CDlgButton m_buttons[kButtons];
};

// Tables whose entries can be removed through their row-status column.
class CEntryTableDlgData : public CTableDlgData {
public:
    // Sets the table and finds its first row-status column.
    void SetEntryTable(const _NmOidTable* table, int rowCount);
    // The remove text becomes the status column's text for `value`, or "Disable".
    void SetRemoveValue(std::int32_t value);

    bool m_bHasStatusColumn = false;
    const _NmOidTable* m_pStatusRow = nullptr;
    std::string m_strRemoveText;
};

// Settings forms and the Reset dialog.
class CFormDlgData : public CDlgData {
public:
    // The default refresh target lies outside the slot range: nothing is refreshed.
    static constexpr std::int32_t kNoRefresh = 2457;

    std::string m_strTextA;
    std::string m_strTextB;
    std::int32_t m_nNumber = kNoRefresh;
    // The form's button labels ("Apply", "Close"; "Reset"); empty when the record has none.
    std::vector<std::string> m_labels;
};
