#include "module/dialogbase/ReplyStatus.h"

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpOid.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/SnmpErrorStatus.h"

#include <iterator>

std::string ReplyLogText(std::uint32_t errorStatus, std::uint32_t errorIndex,
                         const std::list<CSnmpOid*>& objects, std::int64_t now) {
    if (errorStatus == 0) {
        const std::string text = "Response received at " + CTimeText(now);
        return text.substr(0, text.find('\n'));
    }
    if (errorStatus > kSnmpLastNamedErrorStatus)
        return {};
    CSnmpOid* const* entry = ErrorIndexEntry(objects, errorIndex, false);
    const CSnmpOid* oid = entry ? *entry : nullptr;
    return SnmpErrorStatusPhrase(errorStatus, oid ? oid->m_strName : std::string(),
                                 oid ? oid->m_strValue : std::string());
}

std::string ReplyLogText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects,
                         std::int64_t now) {
    return ReplyLogText(pdu.m_dwErrorStatus, pdu.m_dwErrorIndex, objects, now);
}

std::string ExceptionLogText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects) {
    const std::uint32_t position = SnmpFirstException(pdu);
    if (position == 0)
        return {};
    const CSnmpVarBind* binding = *std::next(pdu.m_varBindList.begin(), position - 1);
    CSnmpOid* const* entry = ErrorIndexEntry(objects, position, false);
    return SnmpExceptionPhrase(binding->m_byType, entry ? (*entry)->m_strName : std::string());
}

std::string NoReplyLogText(std::uint16_t code, const CSnmpMsg* msg) {
    if (code == SNMP_ERR_SECURITY)
        return SnmpReceiverCodeText(code, msg);
    return "No response";
}
