#include "module/app/CConnectDlg.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/KoCheck/CCheckBCtrl.h"
#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/ConfigSupport.h"
#include "module/mainwnd/ControlRegistration.h"
#include "snmp/UsmUserOptions.h"

#include <algorithm>
#include <cstring>

namespace {

// One row of the form: a label and its input, left or right column.
struct FormRow {
    UINT id;
    const char* label;
    const char* className;
    bool right;
    int row;
};

constexpr const char* kText = "TextEditCtrlClass";
constexpr const char* kChoice = "ComboBoxCtrlClass";

constexpr FormRow kRows[] = {
    {CConnectDlg::kNameId, "Name", kText, false, 0},
    {CConnectDlg::kAddressId, "Agent address", kText, false, 1},
    {CConnectDlg::kReadId, "Read community", kText, false, 2},
    {CConnectDlg::kWriteId, "Write community", kText, false, 3},
    {CConnectDlg::kVersionId, "SNMP version", kChoice, false, 4},
    {CConnectDlg::kTimeoutId, "Time-out (ms)", kText, false, 5},
    {CConnectDlg::kUserId, "SNMPv3 user", kText, true, 0},
    {CConnectDlg::kLevelId, "Security level", kChoice, true, 1},
    {CConnectDlg::kAuthId, "Authentication", kChoice, true, 2},
    {CConnectDlg::kAuthPassId, "Auth passphrase", kText, true, 3},
    {CConnectDlg::kPrivId, "Privacy", kChoice, true, 4},
    {CConnectDlg::kPrivPassId, "Priv passphrase", kText, true, 5},
    {CConnectDlg::kEngineId, "Engine ID", kText, true, 6},
};

constexpr int kRowsTop = 82;
constexpr int kRowStep = 17;
constexpr int kWidth = 310;

DialogTemplate ConnectTemplate() {
    DialogTemplate tpl;
    tpl.title = "Connect to Switch";
    tpl.x = 60;
    tpl.y = 40;
    tpl.cx = kWidth;
    tpl.cy = 258;
    tpl.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tpl.items.push_back({CConnectDlg::kRecentId - 1, "STATIC", 8, 6, 120, 10, WS_VISIBLE | SS_LEFT,
                         "Recent switches"});
    tpl.items.push_back({CConnectDlg::kRecentId, WC_LISTVIEW, 8, 17, kWidth - 16, 58,
                         WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                             LVS_NOSORTHEADER,
                         ""});
    for (const FormRow& row : kRows) {
        const int labelX = row.right ? 160 : 8;
        const int inputX = row.right ? 222 : 70;
        const int inputCx = row.right ? kWidth - 8 - 222 : 80;
        const int y = kRowsTop + row.row * kRowStep;
        tpl.items.push_back({row.id - 1, "STATIC", labelX, y + 2, inputX - labelX - 2, 10,
                             WS_VISIBLE | SS_LEFT, row.label});
        tpl.items.push_back(
            {row.id, row.className, inputX, y, inputCx, 13, WS_VISIBLE | WS_TABSTOP, ""});
    }
    const int rememberY = kRowsTop + 7 * kRowStep + 2;
    tpl.items.push_back({CConnectDlg::kRememberId - 1, "STATIC", 22, rememberY + 1, 200, 10,
                         WS_VISIBLE | SS_LEFT, "Remember the communities and passphrases"});
    tpl.items.push_back({CConnectDlg::kRememberId, "CheckBoxCtrlClass", 8, rememberY, 10, 10,
                         WS_VISIBLE | WS_TABSTOP, ""});
    tpl.items.push_back({CConnectDlg::kStatusId, "DlgMsgCtrlClass", 8, rememberY + 16, kWidth - 16,
                         11, WS_VISIBLE, ""});
    const int buttonsY = rememberY + 34;
    tpl.items.push_back({CConnectDlg::kConnectId, "FlatBtnCtrlClass", kWidth - 178, buttonsY, 54,
                         14, WS_VISIBLE | WS_TABSTOP, ""});
    tpl.items.push_back({CConnectDlg::kDemoId, "FlatBtnCtrlClass", kWidth - 120, buttonsY, 54, 14,
                         WS_VISIBLE | WS_TABSTOP, ""});
    tpl.items.push_back({CConnectDlg::kCancelId, "FlatBtnCtrlClass", kWidth - 62, buttonsY, 54, 14,
                         WS_VISIBLE | WS_TABSTOP, ""});
    return tpl;
}

// The entries of a choice, by value, in the order the list shows them.
template <class Value> struct Choices {
    std::vector<std::pair<Value, std::string>> entries;

    void Attach(CCBCtrl* combo) const {
        if (!combo)
            return;
        std::vector<_zrkenumerate> list(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            list[i].value = std::int32_t(i);
            std::strncpy(list[i].text, entries[i].second.c_str(), sizeof list[i].text - 1);
        }
        combo->InitComboBox(int(list.size()), list.data());
    }
    Value Of(CCBCtrl* combo, Value fallback) const {
        const int index = combo ? combo->GetSelect() : -1;
        return index >= 0 && std::size_t(index) < entries.size() ? entries[std::size_t(index)].first
                                                                 : fallback;
    }
    void Show(CCBCtrl* combo, Value value) const {
        for (std::size_t i = 0; combo && i < entries.size(); ++i)
            if (entries[i].first == value)
                combo->SetSelect(int(i));
    }
};

const Choices<int>& VersionChoices() {
    static const Choices<int> choices{
        {{SNMP_VERSION_1, "SNMPv1"}, {SNMP_VERSION_2C, "SNMPv2c"}, {SNMP_VERSION_3, "SNMPv3"}}};
    return choices;
}

const Choices<UsmSecurityLevel>& LevelChoices() {
    static const Choices<UsmSecurityLevel> choices = [] {
        Choices<UsmSecurityLevel> made;
        for (UsmSecurityLevel level : {UsmSecurityLevel::NoAuthNoPriv, UsmSecurityLevel::AuthNoPriv,
                                       UsmSecurityLevel::AuthPriv})
            made.entries.emplace_back(level, UsmSecurityLevelName(level));
        return made;
    }();
    return choices;
}

const Choices<UsmAuthProtocol>& AuthChoices() {
    static const Choices<UsmAuthProtocol> choices = [] {
        Choices<UsmAuthProtocol> made;
        for (UsmAuthProtocol protocol :
             {UsmAuthProtocol::MD5, UsmAuthProtocol::SHA1, UsmAuthProtocol::SHA224,
              UsmAuthProtocol::SHA256, UsmAuthProtocol::SHA384, UsmAuthProtocol::SHA512})
            made.entries.emplace_back(protocol, UsmAuthProtocolName(protocol));
        return made;
    }();
    return choices;
}

const Choices<UsmPrivProtocol>& PrivChoices() {
    static const Choices<UsmPrivProtocol> choices{
        {{UsmPrivProtocol::AES128, UsmPrivProtocolName(UsmPrivProtocol::AES128)}}};
    return choices;
}

CTextEditControl* Field(const CWnd* dialog, UINT id) {
    return ControlOf<CTextEditControl>(dialog, int(id));
}

CCBCtrl* Choice(const CWnd* dialog, UINT id) {
    return ControlOf<CCBCtrl>(dialog, int(id));
}

void SetField(const CWnd* dialog, UINT id, const std::string& text) {
    if (CTextEditControl* field = Field(dialog, id))
        field->SetText(text.c_str());
}

UsmSecret SecretOf(CTextEditControl* field) {
    std::string text = FieldText(field);
    UsmSecret secret(text);
    WipeText(text);
    return secret;
}

std::string SecretText(const UsmSecret& secret) {
    return std::string(reinterpret_cast<const char*>(secret.data()), secret.size());
}

} // namespace

LRESULT CRecentSwitchList::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int before = GetNextItem(-1, LVNI_SELECTED);
    const LRESULT result = CListCtrl::WindowProc(msg, wParam, lParam);
    const int after = GetNextItem(-1, LVNI_SELECTED);
    // A click picks its row again even when it is the selected one: the fields may have been
    // changed since.
    const bool clicked = msg == WM_LBUTTONDOWN && HitTest(CPoint(lParam)) >= 0;
    const bool moved = msg == WM_KEYDOWN && after != before;
    if ((clicked || moved) && after >= 0 && m_onSelected)
        m_onSelected(after);
    return result;
}

CConnectDlg::CConnectDlg(const ProgramOptions& started, std::vector<RecentSwitch> recent,
                         HostResolver resolves)
    : CDialog(ConnectTemplate(), nullptr), m_started(started), m_recent(std::move(recent)),
      m_resolves(std::move(resolves)) {
    RegisterModuleControls();
}

CConnectDlg::~CConnectDlg() {
    if (m_hWnd)
        ClearPassphrases();
}

BOOL CConnectDlg::OnInitDialog() {
    if (CWnd* list = GetDlgItem(int(kRecentId))) {
        m_list.SubclassWindow(list->m_hWnd);
        CRect client;
        m_list.GetClientRect(&client);
        const int width = client.Width() - 20; // room for a scroll bar
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, width * 3 / 10);
        m_list.InsertColumn(1, "Agent address", LVCFMT_LEFT, width * 4 / 10);
        m_list.InsertColumn(2, "SNMP", LVCFMT_LEFT, width - width * 7 / 10);
        for (std::size_t i = 0; i < m_recent.size(); ++i) {
            const int row = m_list.InsertItem(int(i), m_recent[i].name.c_str());
            m_list.SetItemText(row, 1, m_recent[i].address.c_str());
            m_list.SetItemText(row, 2, RecentSwitchVersionText(m_recent[i]).c_str());
        }
        m_list.m_onSelected = [this](int row) { PickRecent(row); };
    }
    for (const FormRow& row : kRows)
        if (CTextEditControl* field = Field(this, row.id))
            InitField(field);
    for (UINT id : {kAuthPassId, kPrivPassId})
        if (CTextEditControl* field = Field(this, id); field && field->GetEdit())
            field->GetEdit()->SetPasswordChar('*');
    VersionChoices().Attach(Choice(this, kVersionId));
    LevelChoices().Attach(Choice(this, kLevelId));
    AuthChoices().Attach(Choice(this, kAuthId));
    PrivChoices().Attach(Choice(this, kPrivId));
    if (auto* remember = ControlOf<CCheckBCtrl>(this, int(kRememberId)))
        remember->InitCheckBox();
    m_pStatus = ControlOf<CDlgMsgControl>(this, int(kStatusId));
    if (m_pStatus)
        m_pStatus->InitDlgMsg();
    for (auto [id, caption] :
         {std::pair{kConnectId, "Connect"}, {kDemoId, "Demo"}, {kCancelId, "Cancel"}})
        if (auto* button = ControlOf<CFBCtrl>(this, int(id)))
            button->InitFlatButton(caption);
    SetDefID(kConnectId);

    ShowFields(InitialConnectFields(m_started, m_recent));
    if (InitialRecentRow(m_started, m_recent) >= 0)
        m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // The operator types the address first; the field selects its text, so typing replaces it.
    if (CWnd* address = GetDlgItem(int(kAddressId)))
        address->SetFocus();
    return FALSE;
}

ConnectFields CConnectDlg::ReadFields() const {
    ConnectFields fields;
    fields.name = FieldText(Field(this, kNameId));
    fields.address = FieldText(Field(this, kAddressId));
    fields.readCommunity = FieldText(Field(this, kReadId));
    fields.writeCommunity = FieldText(Field(this, kWriteId));
    fields.version = VersionChoices().Of(Choice(this, kVersionId), SNMP_VERSION_1);
    fields.timeoutMs = FieldText(Field(this, kTimeoutId));
    fields.userName = FieldText(Field(this, kUserId));
    fields.level = LevelChoices().Of(Choice(this, kLevelId), fields.level);
    fields.auth = AuthChoices().Of(Choice(this, kAuthId), fields.auth);
    fields.priv = PrivChoices().Of(Choice(this, kPrivId), fields.priv);
    fields.engineId = FieldText(Field(this, kEngineId));
    fields.passphrases.auth = SecretOf(Field(this, kAuthPassId));
    fields.passphrases.priv = SecretOf(Field(this, kPrivPassId));
    if (auto* remember = ControlOf<CCheckBCtrl>(this, int(kRememberId)))
        fields.remember = remember->GetCheck() != 0;
    return fields;
}

void CConnectDlg::ShowFields(const ConnectFields& fields) {
    SetField(this, kNameId, fields.name);
    SetField(this, kAddressId, fields.address);
    SetField(this, kReadId, fields.readCommunity);
    SetField(this, kWriteId, fields.writeCommunity);
    VersionChoices().Show(Choice(this, kVersionId), fields.version);
    SetField(this, kTimeoutId, fields.timeoutMs);
    SetField(this, kUserId, fields.userName);
    LevelChoices().Show(Choice(this, kLevelId), fields.level);
    AuthChoices().Show(Choice(this, kAuthId), fields.auth);
    PrivChoices().Show(Choice(this, kPrivId), fields.priv);
    SetField(this, kEngineId, fields.engineId);
    std::string auth = SecretText(fields.passphrases.auth);
    std::string priv = SecretText(fields.passphrases.priv);
    SetField(this, kAuthPassId, auth);
    SetField(this, kPrivPassId, priv);
    WipeText(auth);
    WipeText(priv);
    if (auto* remember = ControlOf<CCheckBCtrl>(this, int(kRememberId)))
        remember->SetCheck(fields.remember ? 1 : 0);
    EnableSessionFields();
}

std::string CConnectDlg::StatusText() const {
    return m_pStatus && m_pStatus->GetText() ? m_pStatus->GetText() : "";
}

void CConnectDlg::EnableSessionFields() {
    const bool v3 = VersionChoices().Of(Choice(this, kVersionId), SNMP_VERSION_1) == SNMP_VERSION_3;
    const UsmSecurityLevel level =
        LevelChoices().Of(Choice(this, kLevelId), UsmSecurityLevel::NoAuthNoPriv);
    const bool auth = v3 && level != UsmSecurityLevel::NoAuthNoPriv;
    const bool priv = v3 && level == UsmSecurityLevel::AuthPriv;
    for (auto [id, enabled] : {std::pair{kUserId, v3},
                               {kLevelId, v3},
                               {kAuthId, auth},
                               {kAuthPassId, auth},
                               {kPrivId, priv},
                               {kPrivPassId, priv},
                               {kEngineId, v3}})
        if (CWnd* control = GetDlgItem(int(id)))
            control->EnableWindow(enabled);
}

void CConnectDlg::PickRecent(int row) {
    if (row < 0 || std::size_t(row) >= m_recent.size())
        return;
    ShowFields(FieldsOfRecentSwitch(m_recent[std::size_t(row)]));
    ShowStatus(m_pStatus, "");
}

CWnd* CConnectDlg::FieldWindow(ConnectField field) const {
    switch (field) {
    case ConnectField::Name:
        return GetDlgItem(int(kNameId));
    case ConnectField::Address:
        return GetDlgItem(int(kAddressId));
    case ConnectField::ReadCommunity:
        return GetDlgItem(int(kReadId));
    case ConnectField::WriteCommunity:
        return GetDlgItem(int(kWriteId));
    case ConnectField::Timeout:
        return GetDlgItem(int(kTimeoutId));
    case ConnectField::UserName:
        return GetDlgItem(int(kUserId));
    case ConnectField::EngineId:
        return GetDlgItem(int(kEngineId));
    case ConnectField::AuthPassphrase:
        return GetDlgItem(int(kAuthPassId));
    case ConnectField::PrivPassphrase:
        return GetDlgItem(int(kPrivPassId));
    }
    return nullptr;
}

void CConnectDlg::Refuse(const ConnectRefusal& refusal) {
    ShowStatus(m_pStatus, refusal.text);
    if (CWnd* field = FieldWindow(refusal.field))
        field->SetFocus();
}

void CConnectDlg::Connect() {
    if (m_choice.kind != StartChoice::Kind::Cancelled)
        return; // already chosen: a second press while the dialog ends
    ConnectFields fields = ReadFields();
    if (std::optional<ConnectRefusal> refusal = CheckConnectFields(fields, m_resolves)) {
        Refuse(*refusal);
        return;
    }
    m_choice.kind = StartChoice::Kind::Connect;
    m_choice.arguments = ConnectArguments(fields, m_started);
    m_choice.passphrases = fields.passphrases;
    m_choice.remember = fields.remember;
    ClearPassphrases();
    EndDialog(IDOK);
}

void CConnectDlg::Demo() {
    if (m_choice.kind != StartChoice::Kind::Cancelled)
        return;
    m_choice.kind = StartChoice::Kind::Demo;
    m_choice.arguments =
        DemoArguments(VersionChoices().Of(Choice(this, kVersionId), SNMP_VERSION_1), m_started);
    ClearPassphrases();
    EndDialog(IDOK);
}

void CConnectDlg::OnCancel() {
    if (m_choice.kind != StartChoice::Kind::Cancelled)
        return;
    ClearPassphrases();
    EndDialog(IDCANCEL);
}

void CConnectDlg::ClearPassphrases() {
    SetField(this, kAuthPassId, "");
    SetField(this, kPrivPassId, "");
}

LRESULT CConnectDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CTRL_CLICK_MSG:
        if (auto* button = ControlOf<CFBCtrl>(this, int(lParam)))
            button->RaiseButton();
        if (UINT(lParam) == kConnectId)
            Connect();
        else if (UINT(lParam) == kDemoId)
            Demo();
        else if (UINT(lParam) == kCancelId)
            OnCancel();
        return 0;
    case COMBO_SELECT_MSG:
        if (UINT(wParam) == kVersionId || UINT(wParam) == kLevelId)
            EnableSessionFields();
        return 0;
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr && hdr->idFrom == kRecentId && hdr->code == NM_DBLCLK) {
            const int row = reinterpret_cast<const NMITEMACTIVATE*>(hdr)->iItem;
            if (row >= 0 && std::size_t(row) < m_recent.size()) {
                PickRecent(row);
                Connect();
            }
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
