#include "dialogs/NmDlgStatusText.h"

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpException.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/SnmpErrorStatus.h"

std::string ReplyStatusLine(const CSnmpPdu& pdu, std::int64_t t) {
    std::string line = FormatLocalTime(t, "Received at %H:%M:%S, ");
    const std::uint32_t status = pdu.m_dwErrorStatus;
    if (status == 0)
        return line + "sucessful";
    if (status > kSnmpLastNamedErrorStatus)
        return line;
    // The failing binding is the one at the error index, the last one for index 0.
    CSnmpVarBind* const* entry = ErrorIndexEntry(pdu.m_varBindList, pdu.m_dwErrorIndex, true);
    const CSnmpVarBind* failing = entry ? *entry : nullptr;
    line += SnmpErrorStatusName(status);
    const SnmpStatusShape shape = SnmpErrorStatusShape(status);
    if (failing && shape == SnmpStatusShape::Object)
        line += ", " + failing->m_strOid;
    if (failing && shape == SnmpStatusShape::ValueAndObject)
        line += "(" + CSnmpClass::FormatValue(failing, nullptr) + "), " + failing->m_strOid;
    return line;
}

std::string FailureStatusLine(std::uint16_t code, const std::string& engineText) {
    if (code == SNMP_ERR_TIMEOUT)
        return "timeout";
    const bool namedByEngine = code == SNMP_ERR_RESPONSE_TOO_BIG || code == SNMP_ERR_SECURITY;
    return namedByEngine && !engineText.empty() ? engineText : "unknown error";
}
