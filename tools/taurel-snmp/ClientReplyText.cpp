#include "tools/taurel-snmp/ClientReplyText.h"

#include <iterator>

#include "tools/taurel-snmp/ClientValueText.h"

std::string ErrorStatusReason(std::uint32_t status) {
    static const char* const kReasons[] = {
        "(noError) No Error",
        "(tooBig) Response message would have been too large.",
        "(noSuchName) There is no such variable name in this MIB.",
        "(badValue) The value given has the wrong type or length.",
        "(readOnly) The two parties used do not have access to use the specified SNMP PDU.",
        "(genError) A general failure occured",
        "noAccess",
        "wrongType (The set datatype does not match the data type the agent expects)",
        "wrongLength (The set value has an illegal length from what the agent expects)",
        "wrongEncoding",
        "wrongValue (The set value is illegal or unsupported in some way)",
        "noCreation (That table does not support row creation or that object can not ever be "
        "created)",
        "inconsistentValue (The set value is illegal or unsupported in some way)",
        "resourceUnavailable (This is likely a out-of-memory failure within the agent)",
        "commitFailed",
        "undoFailed",
        "authorizationError (access denied to that object)",
        "notWritable (That object does not support modification)",
        "inconsistentName (That object can not currently be created)"};
    return status < std::size(kReasons) ? kReasons[status] : "Unknown Error";
}

std::string ErrorInPacketText(const CSnmpPdu& pdu, bool withDot) {
    std::string text = std::string("Error in packet") + (withDot ? "." : "") +
                       "\nReason: " + ErrorStatusReason(pdu.m_dwErrorStatus) + "\n";
    if (pdu.m_dwErrorIndex != 0) {
        text += "Failed object: ";
        std::uint32_t index = 1;
        for (const CSnmpVarBind* vb : pdu.m_varBindList) {
            if (index++ == pdu.m_dwErrorIndex) {
                text += ClientOidText(vb->m_strOid) + "\n";
                break;
            }
        }
        text += "\n";
    }
    return text;
}

std::string TimeoutText(const std::string& agent, bool withDot) {
    return "Timeout: No Response from " + agent + (withDot ? ".\n" : "\n");
}

std::string UsmRefusalText(UsmFailure failure, const std::string& userName) {
    switch (failure) {
    case UsmFailure::AuthenticationFailure:
        return "Authentication failed for " + userName + "\n";
    case UsmFailure::DecryptionError:
        return "security service 3 error parsing ScopedPDU\n";
    default:
        return {};
    }
}
