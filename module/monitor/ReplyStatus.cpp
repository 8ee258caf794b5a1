#include "module/monitor/ReplyStatus.h"

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpOid.h"
#include "snmp/CSnmpPdu.h"

namespace {

const CSnmpOid* ObjectAt(const std::list<CSnmpOid*>& objects, std::uint32_t index) {
    if (objects.empty())
        return nullptr;
    if (index == 0)
        return objects.front();
    std::uint32_t n = 1;
    for (const CSnmpOid* oid : objects)
        if (n++ == index)
            return oid;
    return nullptr;
}

} // namespace

std::string ErrorStatusText(std::uint32_t errorStatus, const std::string& name,
                            const std::string& value) {
    std::string text;
    switch (errorStatus) {
    case 1:
        text = "Response too big";
        break;
    case 2:
        text = "No such name, " + name;
        break;
    case 3:
        text = "Bad value(" + value + "), " + name;
        break;
    case 4:
        text = "Read only";
        break;
    case 5:
        text = "General error";
        break;
    default:
        break;
    }
    return text.substr(0, text.find('\n'));
}

std::string ReplyStatusText(std::uint32_t errorStatus, std::uint32_t errorIndex,
                            const std::list<CSnmpOid*>& objects, std::int64_t now) {
    if (errorStatus == 0) {
        const std::string text = "Response received at " + CTimeText(now);
        return text.substr(0, text.find('\n'));
    }
    const CSnmpOid* oid = ObjectAt(objects, errorIndex);
    return ErrorStatusText(errorStatus, oid ? oid->m_strName : std::string(),
                           oid ? oid->m_strValue : std::string());
}

std::string ReplyStatusText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects,
                            std::int64_t now) {
    return ReplyStatusText(pdu.m_dwErrorStatus, pdu.m_dwErrorIndex, objects, now);
}
