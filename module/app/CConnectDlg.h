#pragma once
// "Connect to Switch", the start dialog: the recent switches to pick from (a double-click
// connects), the switch's name, agent address and communities, the SNMP version with the
// SNMPv3 user and its passphrases, the time-out, and whether to remember the communities and
// passphrases. "Connect" (Return) ends it with the command line that manages that switch,
// "Demo" with the demo's, "Cancel" (Esc) with nothing. A field that cannot be used is named
// on the status line and nothing typed is lost.

#include "module/app/ConnectFields.h"
#include "module/app/StartDialogPrompt.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"

#include <functional>
#include <vector>

class CCBCtrl;
class CDlgMsgControl;
class CTextEditControl;

// The list of recent switches, which tells the dialog when the keyboard or the mouse moves its
// selection, so the fields always show the selected switch.
class CRecentSwitchList : public CListCtrl {
public:
    std::function<void(int row)> m_onSelected;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class CConnectDlg : public CDialog {
public:
    static constexpr UINT kConnectId = 1, kCancelId = 2;
    static constexpr UINT kRecentId = 1101, kNameId = 1103, kAddressId = 1105, kReadId = 1107,
                          kWriteId = 1109, kVersionId = 1111, kTimeoutId = 1113, kUserId = 1115,
                          kLevelId = 1117, kAuthId = 1119, kAuthPassId = 1121, kPrivId = 1123,
                          kPrivPassId = 1125, kEngineId = 1127, kRememberId = 1129,
                          kStatusId = 1130, kDemoId = 1131;

    CConnectDlg(const ProgramOptions& started, std::vector<RecentSwitch> recent,
                HostResolver resolves);
    ~CConnectDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override { Connect(); }
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // What the operator chose; Cancelled until Connect or Demo ended the dialog.
    StartChoice TakeChoice() { return std::move(m_choice); }
    // What the fields hold now.
    ConnectFields ReadFields() const;
    void ShowFields(const ConnectFields& fields);
    std::string StatusText() const;
    CRecentSwitchList& RecentList() { return m_list; }

private:
    void Connect();
    void Demo();
    void PickRecent(int row);
    // The SNMPv3 fields take input only for SNMPv3, the passphrases only where the level
    // needs them.
    void EnableSessionFields();
    void Refuse(const ConnectRefusal& refusal);
    CWnd* FieldWindow(ConnectField field) const;
    void ClearPassphrases();

    ProgramOptions m_started;
    std::vector<RecentSwitch> m_recent;
    HostResolver m_resolves;
    CRecentSwitchList m_list;
    CDlgMsgControl* m_pStatus = nullptr;
    StartChoice m_choice;
};
