#include "module/config/ConfigSupport.h"

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/NoReplyText.h"
#include "module/config/ReplyStatusText.h"
#include "module/config/StatusTexts.h"
#include "module/slots/PanelMessages.h"
#include "module/slots/SlotsShowing.h"
#include "platform/core/Clock.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpTransport.h"

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

void ShowStatus(CDlgMsgControl* line, const std::string& text) {
    if (line)
        line->SetText(text.c_str());
}

void ShowReplyStatus(CDlgMsgControl* line, const CSnmpMsg& reply) {
    if (line && reply.m_pPdu)
        line->SetText(ReplyStatusText(*reply.m_pPdu, Clock::now(), [line](const std::string& text) {
                          return line->Fits(text);
                      }).c_str());
}

void PostToMain(CWnd* mainWnd, UINT msg, int slot) {
    if (mainWnd && mainWnd->m_hWnd)
        mainWnd->PostMessage(msg, WPARAM(slot), 0);
}

void RefreshWindowsShowing(CWnd* mainWnd, const CSnmpPdu& reply, int except) {
    std::vector<std::string> written;
    for (const CSnmpVarBind* binding : reply.m_varBindList)
        if (binding)
            written.push_back(binding->m_strOid);
    for (int slot : SlotsShowing(written))
        if (slot != except)
            PostToMain(mainWnd, PANEL_REFRESH, slot);
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

const CSnmpPdu* TakeAnswer(COutstandingRequest& request, std::uint16_t code, CSnmpMsg* msg,
                           CDlgMsgControl* line) {
    if (!AcceptReply(request, msg))
        return nullptr;
    if (!IsAnswer(code, msg)) {
        ShowStatus(line, NoReplyText(code, msg ? msg->m_exception.m_strMessage : std::string()));
        CSnmpMsg::Release(msg);
        return nullptr;
    }
    ShowReplyStatus(line, *msg);
    if (SnmpFirstException(*msg->m_pPdu)) {
        // An object the agent says it does not have was not read: its words must not stand in
        // an input and be written back.
        CSnmpMsg::Release(msg);
        return nullptr;
    }
    return msg->m_pPdu;
}
