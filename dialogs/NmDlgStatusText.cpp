#include "dialogs/NmDlgStatusText.h"

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpException.h"
#include "snmp/CSnmpPdu.h"

#include <iterator>

namespace {

const CSnmpVarBind* failingBinding(const CSnmpPdu& pdu) {
    const auto& list = pdu.m_varBindList;
    if (pdu.m_dwErrorIndex == 0)
        return list.empty() ? nullptr : list.back();
    if (pdu.m_dwErrorIndex > list.size())
        return nullptr;
    return *std::next(list.begin(), std::ptrdiff_t(pdu.m_dwErrorIndex - 1));
}

} // namespace

std::string ReplyStatusLine(const CSnmpPdu& pdu, std::int64_t t) {
    std::string line = FormatLocalTime(t, "Received at %H:%M:%S, ");
    const CSnmpVarBind* failing = failingBinding(pdu);
    switch (pdu.m_dwErrorStatus) {
    case 0:
        return line + "sucessful";
    case 1:
        return line + "tooBig";
    case 2:
        line += "noSuchName";
        if (failing)
            line += ", " + failing->m_strOid;
        return line;
    case 3:
        line += "badValue";
        if (failing)
            line += "(" + CSnmpClass::FormatValue(failing, nullptr) + "), " + failing->m_strOid;
        return line;
    case 4:
        return line + "readOnly";
    case 5:
        return line + "genErr";
    default:
        return line;
    }
}

std::string FailureStatusLine(std::uint16_t code, const std::string& engineText) {
    if (code == SNMP_ERR_TIMEOUT)
        return "timeout";
    const bool namedByEngine = code == SNMP_ERR_RESPONSE_TOO_BIG || code == SNMP_ERR_SECURITY;
    return namedByEngine && !engineText.empty() ? engineText : "unknown error";
}
