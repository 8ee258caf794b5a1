#include "module/config/ConfigSupport.h"

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/ReplyStatusText.h"
#include "module/config/StatusTexts.h"
#include "platform/core/Clock.h"
#include "snmp/SnmpTransport.h"

#include <vector>

std::string FieldText(CTextEditControl* field) {
    if (!field)
        return {};
    std::vector<char> buffer(kDisplayStringLength + 1, '\0');
    field->GetText(buffer.data(), int(buffer.size()));
    return buffer.data();
}

void InitField(CTextEditControl* field) {
    if (!field)
        return;
    field->InitTextEditMsg();
    field->LimitText(kDisplayStringLength);
}

void ShowStatus(CDlgMsgControl* line, const char* text) {
    if (line)
        line->SetText(text);
}

void ShowReplyStatus(CDlgMsgControl* line, const CSnmpMsg& reply) {
    if (line && reply.m_pPdu)
        line->SetText(ReplyStatusText(*reply.m_pPdu, Clock::now()).c_str());
}

void PostToMain(CWnd* mainWnd, UINT msg, int slot) {
    if (mainWnd && mainWnd->m_hWnd)
        mainWnd->PostMessage(msg, WPARAM(slot), 0);
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
        ShowStatus(line, kTimeoutText);
        CSnmpMsg::Release(msg);
        return nullptr;
    }
    ShowReplyStatus(line, *msg);
    return msg->m_pPdu;
}
