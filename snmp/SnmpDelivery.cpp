#include "snmp/SnmpDelivery.h"

#include "platform/core/TextFormat.h"
#include "snmp/SnmpStrings.h"

bool SnmpHasReceiver(const CSnmpMsg* msg) {
    // A member function without its object cannot be called; such a message has no receiver.
    return msg->m_pfnCallback != nullptr && msg->m_pRequester != nullptr;
}

void SnmpCallReceiver(CSnmpMsg* msg, std::uint16_t code) {
    CObject* requester = msg->m_pRequester;
    const SNMPCALLBACK callback = msg->m_pfnCallback;
    (requester->*callback)(code, msg);
}

void SnmpDeliver(CSnmpMsg* msg, std::uint16_t code) {
    if (SnmpHasReceiver(msg)) {
        SnmpCallReceiver(msg, code);
    } else {
        CSnmpMsg::Release(msg);
    }
}

CSnmpException SnmpSocketError(int socketError) {
    const std::string format = SnmpLoadString(kSnmpStringBase + SNMP_ERR_SOCKET);
    return CSnmpException(SNMP_ERR_SOCKET, FormatText(format.c_str(), socketError));
}
