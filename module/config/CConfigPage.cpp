#include "module/config/CConfigPage.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/CEnumChoice.h"
#include "module/config/CTextInput.h"
#include "module/config/ChoiceValues.h"
#include "module/config/ConfigSupport.h"
#include "module/tables/ConfigTables.h"
#include "platform/ui/ControlStyles.h"
#include "snmp/SnmpTransport.h"

namespace {

// Pages fill the display area of the tab control, 226 × 96 dialog units.
DialogTemplate PageTemplate(const ConfigPage& page) {
    DialogTemplate tpl;
    tpl.cx = 226;
    tpl.cy = 96;
    tpl.style = WS_CHILD;
    for (int i = 0; i < page.rowCount; ++i) {
        const PageInput& input = page.inputs[std::size_t(i)];
        const char* className =
            input.kind == PageInputKind::TextField ? "TextEditCtrlClass" : "ComboBoxCtrlClass";
        tpl.items.push_back({input.labelId, "STATIC", 8, input.y + 2, input.labelCx, 10,
                             WS_VISIBLE | SS_LEFT, input.label});
        tpl.items.push_back({input.id, className, input.inputX, input.y, input.inputCx, 13,
                             WS_VISIBLE | WS_TABSTOP, ""});
    }
    tpl.items.push_back({page.statusId, "DlgMsgCtrlClass", 8, 78, 210, 11, WS_VISIBLE, ""});
    return tpl;
}

std::vector<_zrkenumerate> ChoicesOf(const char* const* texts) {
    std::vector<const char*> list;
    for (; texts && *texts; ++texts)
        list.push_back(*texts);
    return IndexedChoices(list);
}

} // namespace

CConfigPage::CConfigPage(const ConfigPage& page)
    : CDialog(PageTemplate(page), nullptr), m_page(page),
      m_editor(&g_ConfigTable[page.firstRow], page.rowCount, this,
               static_cast<SNMPCALLBACK>(&CConfigPage::OnReply)) {}

CConfigPage::~CConfigPage() {
    ForgetSnmpRequests(this);
}

BOOL CConfigPage::CreatePage(CWnd* parent, CWnd* mainWnd, int slot) {
    m_pMainWnd = mainWnd;
    m_nSlot = slot;
    return Create(0, parent);
}

BOOL CConfigPage::OnInitDialog() {
    auto* status = ControlOf<CDlgMsgControl>(this, int(m_page.statusId));
    if (status)
        status->InitDlgMsg();
    for (int i = 0; i < m_page.rowCount; ++i) {
        const PageInput& spec = m_page.inputs[std::size_t(i)];
        if (spec.kind == PageInputKind::TextField) {
            m_editor.AddInput(
                std::make_unique<CTextInput>(ControlOf<CTextEditControl>(this, int(spec.id))));
            continue;
        }
        auto choice = std::make_unique<CEnumChoice>();
        const _NmEnumPair* values = g_ConfigTable[m_page.firstRow + i].pEnum;
        auto* combo = ControlOf<CCBCtrl>(this, int(spec.id));
        if (spec.choices)
            choice->Attach(combo, ChoicesOf(spec.choices), values);
        else
            choice->Attach(combo, values);
        m_editor.AddInput(std::move(choice));
    }
    RowContext context;
    context.mainWnd = m_pMainWnd;
    context.slot = m_nSlot;
    m_editor.Start(std::move(context), status);
    return TRUE;
}

LRESULT CConfigPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE)
        m_editor.RaiseInputs();
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_MAXTEXT) {
        m_editor.OnFieldCut(LOWORD(wParam));
        return 0;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
