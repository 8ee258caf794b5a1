#include "module/monitor/ReplyStatus.h"

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpOid.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/SnmpErrorStatus.h"

std::string ReplyLogText(std::uint32_t errorStatus, std::uint32_t errorIndex,
                         const std::list<CSnmpOid*>& objects, std::int64_t now) {
    if (errorStatus == 0) {
        const std::string text = "Response received at " + CTimeText(now);
        return text.substr(0, text.find('\n'));
    }
    if (errorStatus > kSnmpV1LastErrorStatus)
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
