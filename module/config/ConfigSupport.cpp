#include "module/config/ConfigSupport.h"

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/ReplyStatusText.h"
#include "module/config/StatusTexts.h"
#include "module/slots/PanelMessages.h"
#include "module/slots/SlotsShowing.h"
#include "platform/core/Clock.h"
#include "platform/ui/ToolTip.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTransport.h"

#include <algorithm>
#include <vector>

std::string FieldText(CTextEditControl* field) {
    if (!field)
        return {};
    // Room for every typed character in its longest UTF-8 form: what is typed is sent whole.
    std::vector<char> buffer(kTypedTextLimit * 4 + 1, '\0');
    field->GetText(buffer.data(), int(buffer.size()));
    return buffer.data();
}

void InitField(CTextEditControl* field) {
    if (!field)
        return;
    field->InitTextEditMsg();
    field->LimitText(kTypedTextLimit);
}

namespace {

void ShowWithTip(CDlgMsgControl* line, const std::string& shown, const std::string& whole) {
    line->SetText(shown.c_str());
    SetToolTip(line, shown == whole && line->Fits(whole) ? std::string() : whole);
}

} // namespace

void ShowStatus(CDlgMsgControl* line, const std::string& text) {
    if (line)
        ShowWithTip(line, text, text);
}

void ShowReplyStatus(CDlgMsgControl* line, const CSnmpMsg& reply, const std::string& lead) {
    if (!line || !reply.m_pPdu)
        return;
    const std::int64_t now = Clock::now();
    const std::string whole = lead + WholeReplyStatusText(*reply.m_pPdu, now);
    if (!lead.empty()) {
        ShowWithTip(line, whole, whole);
        return;
    }
    ShowWithTip(line,
                ReplyStatusText(*reply.m_pPdu, now,
                                [line](const std::string& text) { return line->Fits(text); }),
                whole);
}

void PostToMain(CWnd* mainWnd, UINT msg, int slot) {
    if (mainWnd && mainWnd->m_hWnd)
        mainWnd->PostMessage(msg, WPARAM(slot), 0);
}

void RefreshWindowsShowing(CWnd* mainWnd, const CSnmpPdu& reply,
                           std::initializer_list<int> except) {
    std::vector<std::string> written;
    for (const CSnmpVarBind* binding : reply.m_varBindList)
        if (binding)
            written.push_back(binding->m_strOid);
    std::vector<int> showing = SlotsShowing(written);
    for (int slot : FormSlotsShowing(written))
        showing.push_back(slot);
    for (int slot : showing)
        if (std::find(except.begin(), except.end(), slot) == except.end() && mainWnd &&
            mainWnd->m_hWnd)
            mainWnd->PostMessage(PANEL_REFRESH, WPARAM(slot), PANEL_REFRESH_WRITTEN);
}

int IndexOfObjectNamed(CSnmpClass& request, const std::string& name) {
    int index = 0;
    for (const CSnmpOid* object : request.GetOidList()) {
        if (object->m_strOid + request.m_strInstance == name)
            return index;
        ++index;
    }
    return -1;
}

bool AcceptReply(COutstandingRequest& request, CSnmpMsg* msg) {
    if (request.Matches(msg)) {
        request.Clear();
        return true;
    }
    CSnmpMsg::Release(msg);
    return false;
}

bool IsAnswer(std::uint16_t code, const CSnmpMsg* msg) {
    return code == 0 && msg && msg->m_pPdu;
}
