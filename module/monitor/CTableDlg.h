#pragma once
// The table dialog (slots 2, 3 and 5): walks one MIB table with get-next requests and shows one
// grid row per entry and one column per object. A table with a row-status column lets the
// operator select an entry, remove it, or open a form with its keys.

#include "module/dialogbase/CSwitchInfoDlg.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CSnmpClass;
class CSnmpMsg;

class CTableDlg : public CSwitchInfoDlg {
public:
    static constexpr const char* kRemoveQuestion = "Are you sure you want to remove this entry?";

    CTableDlg(CWnd* mainWnd, CEntryTableDlgData* record);
    ~CTableDlg() override;
    // The factory's function for the table slots.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    // Starts walking the table from its first entry, unless a request is outstanding.
    void StartWalk();
    // Asks, then removes the selected entry by writing the remove text into its status column.
    void RemoveSelected();
    // Opens slot `slot` with the selected entry's keys, or for a new entry without selection.
    void OpenWithSelection(int slot);

    void OnWalkReply(std::uint16_t code, CSnmpMsg* msg);
    void OnRemoveReply(std::uint16_t code, CSnmpMsg* msg);

    const std::vector<std::string>& EntryInstances() const { return m_entryInstances; }

protected:
    void InitGrid() override;
    const char* CounterCaption() const override { return "#Entries"; }
    const char* CounterStart() const override { return "0"; }
    void Refresh() override { StartWalk(); }
    void OnButton(const CDlgButton& button) override;

private:
    bool RowsAreSelectable() const;
    void SendGetNext();
    void EndWalk(const std::string& logText);
    void AppendEntryRow();

    CEntryTableDlgData* m_pEntryRecord;
    std::unique_ptr<CSnmpClass> m_pWalk;
    std::unique_ptr<CSnmpClass> m_pRemove;
    CDlgData m_keyRecord;
    std::vector<std::string> m_entryInstances;
    int m_nEntryCount = 0;
};
