#include "module/dialogbase/CSwitchInfoDlg.h"

#include "controls/BannerCtl/CMsgControl.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/GridCtl/CTableControl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "controls/common/FixedText.h"
#include "module/dialogbase/GridContextMenu.h"
#include "module/dialogbase/ReplyStatus.h"
#include "module/slots/PanelMessages.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/WindowDC.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTransport.h"

namespace {

constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kFontPoints = 8;
// Dialog units right of the banner, grid and log: the counter box and the buttons.
constexpr int kRightColumn = 73;

} // namespace

DialogTemplate CSwitchInfoDlg::FramedTemplate(const char* title, DWORD style, int width) {
    DialogTemplate tpl;
    tpl.title = title;
    tpl.x = 20;
    tpl.y = 20;
    tpl.cx = width;
    tpl.cy = 241;
    tpl.style = style;
    tpl.fontFace = kFontFace;
    tpl.fontPoints = kFontPoints;
    const int inner = width - kRightColumn;
    tpl.items = {
        {kGridId, "GridCtlClass", 7, 38, inner, 155, WS_VISIBLE, ""},
        {kBannerId, "MsgCtrlClass", 7, 7, inner, 30, WS_VISIBLE, ""},
        {kLogId, "LogListCtlClass", 7, 194, inner, 40, WS_VISIBLE, ""},
    };
    return tpl;
}

DialogTemplate CSwitchInfoDlg::CountedTemplate(const char* title, DWORD style, int width) {
    DialogTemplate tpl = FramedTemplate(title, style, width);
    tpl.items.push_back({kCounterId, "SampMsgCtrlClass", width - 61, 7, 40, 22, WS_VISIBLE, ""});
    CFlatButtonColumn::AddToTemplate(tpl, {38, 60, 82, 104, 125, 146, 167}, width - 52);
    return tpl;
}

void CSwitchInfoDlg::RegisterTemplate() {
    if (!FindDialogTemplate(kTemplateId))
        RegisterDialogTemplate(kTemplateId,
                               CountedTemplate("Switch Information", WS_CAPTION | WS_SYSMENU));
}

CSwitchInfoDlg::CSwitchInfoDlg(CWnd* mainWnd, CTableDlgData* record)
    : CSwitchInfoDlg(kTemplateId, mainWnd, record) {
    RegisterTemplate();
}

CSwitchInfoDlg::CSwitchInfoDlg(UINT templateId, CWnd* mainWnd, CTableDlgData* record)
    : CModelessDialog(templateId, mainWnd), m_pRecord(record), m_pMainWnd(mainWnd) {
    // The dialog's own font, as the template names it, for measuring the column captions.
    m_font.CreateFont(-((kFontPoints * 96 + 36) / 72), kFontFace);
}

CSwitchInfoDlg::~CSwitchInfoDlg() {
    ForgetSnmpRequests(this);
}

void CSwitchInfoDlg::BeforeCreate() {
    CopyFixedText(m_pRecord->m_szHeaderValue[1], CTimeText(Clock::now()).c_str());
}

BOOL CSwitchInfoDlg::OnInitDialog() {
    SetWindowText(m_pRecord->m_strTitle.c_str());
    m_pBanner = dynamic_cast<CMsgControl*>(GetDlgItem(kBannerId));
    m_pGrid = dynamic_cast<CTableControl*>(GetDlgItem(kGridId));
    m_pLog = dynamic_cast<CLMsgControl*>(GetDlgItem(kLogId));
    m_pCounter = dynamic_cast<CSampMsgControl*>(GetDlgItem(kCounterId));
    if (!m_pBanner || !m_pGrid || !m_pLog || !m_pCounter)
        return FALSE;
    m_pBanner->InitMsg(m_pRecord->m_szHeaderLabel, m_pRecord->m_szHeaderValue);
    InitGrid();
    m_pLog->InitMsg();
    char caption[80];
    CopyFixedText(caption, CounterCaption());
    m_pCounter->InitSampMsg(2, caption);
    m_pCounter->SetText(CounterStart());
    m_buttons.Init(this, m_pRecord->m_buttons);
    InitOwnControls();
    Refresh();
    return TRUE;
}

void CSwitchInfoDlg::OnCancel() {
    if (m_pMainWnd && m_pMainWnd->m_hWnd) {
        for (const CDlgButton& button : m_pRecord->m_buttons)
            if (button.label[0] != '\0' && button.message == std::int32_t(PANEL_MSG))
                m_pMainWnd->PostMessage(PANEL_CHILD_CLOSED, WPARAM(button.param), 0);
        m_pMainWnd->PostMessage(PANEL_CHILD_CLOSED, WPARAM(m_pRecord->m_nKind), 0);
    }
    DestroyWindow();
}

int CSwitchInfoDlg::TextWidth(const char* text) {
    CClientDC dc(this);
    dc.SelectObject(&m_font);
    return dc.GetTextExtent(text).cx;
}

std::vector<CWnd*> CSwitchInfoDlg::RightEdgeBoxes() const {
    return {m_pCounter};
}

_CAPTIONDATA CSwitchInfoDlg::ColumnCaption(int width, const char* text) {
    _CAPTIONDATA caption{};
    caption.width = width;
    CopyFixedText(caption.caption, text);
    return caption;
}

void CSwitchInfoDlg::SetCaptions(std::vector<_CAPTIONDATA> captions, int selectable) {
    m_captions = std::move(captions);
    m_pGrid->InitTable(int(m_captions.size()), m_captions.data(), selectable);
}

void CSwitchInfoDlg::AppendLog(const std::string& text) {
    if (m_pLog)
        m_pLog->AppendData(text.c_str());
}

TableText CSwitchInfoDlg::GridText() const {
    return m_pGrid ? ReadGridText(*m_pGrid, m_captions) : TableText();
}

void CSwitchInfoDlg::ShowCounter(int n) {
    if (m_pCounter)
        m_pCounter->SetText(FormatText("%d", n).c_str());
}

void CSwitchInfoDlg::RedrawGrid() {
    if (m_pGrid)
        m_pGrid->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CSwitchInfoDlg::TakeReplyValues(CSnmpClass& request, const CSnmpPdu& pdu) {
    int pairs = 0;
    auto binding = pdu.m_varBindList.begin();
    for (CSnmpOid* oid : request.GetOidList()) {
        if (binding == pdu.m_varBindList.end())
            break;
        oid->m_strValue = CSnmpClass::ValueText(*binding++, oid);
        ++pairs;
    }
    return pairs;
}

LRESULT CSwitchInfoDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        PaintDialogFrame(this);
        return 0;
    case WM_SIZE:
        m_sizer.OnSize(this, m_pBanner, m_pGrid, m_pLog, m_buttons, RightEdgeBoxes());
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            m_buttons.RaiseAll();
        break;
    case CTRL_CLICK_MSG: {
        const int index = CFlatButtonColumn::IndexOf(UINT(lParam));
        if (index >= 0 && m_pRecord->m_buttons[index].label[0] != '\0') {
            OnButton(m_pRecord->m_buttons[index]);
            if (CFBCtrl* button = m_buttons.Button(index))
                button->RaiseButton();
        }
        return 0;
    }
    case PANEL_REFRESH:
        Refresh();
        return 0;
    case WM_CONTEXTMENU:
        OfferGridMenu(this, m_pGrid, m_captions, HWND(wParam),
                      POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                      m_pRecord->m_strTitle + ".csv");
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

const CSnmpPdu* CSwitchInfoDlg::AcceptReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!m_request.Matches(msg)) {
        CSnmpMsg::Release(msg);
        return nullptr;
    }
    m_request.Clear();
    const CSnmpPdu* pdu = msg ? msg->m_pPdu : nullptr;
    if (code != 0 || !pdu) {
        AppendLog(NoReplyLogText(code, msg));
        CSnmpMsg::Release(msg);
        return nullptr;
    }
    return pdu;
}
