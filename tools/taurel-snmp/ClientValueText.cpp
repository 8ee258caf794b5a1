#include "tools/taurel-snmp/ClientValueText.h"

#include "platform/core/TextFormat.h"
#include "snmp/SnmpTypes.h"

std::string FormatClientBinding(const CSnmpVarBind& vb, const NetSnmpOutput& output) {
    NetSnmpValue value;
    value.type = vb.m_byType;
    value.signedNumber = vb.GetInt64();
    value.unsignedNumber = vb.m_byType == SNMP_TYPE_COUNTER64
                               ? static_cast<std::uint64_t>(vb.GetInt64())
                               : std::uint64_t{vb.GetUInt32()};
    const std::uint8_t* bytes = vb.GetBytes();
    value.bytes = std::string_view(reinterpret_cast<const char*>(bytes), bytes ? vb.m_wLength : 0);
    if (vb.m_byType == SNMP_TYPE_OID) {
        value.oidText = vb.GetText();
    }
    return NetSnmpLine(vb.m_strOid, value, output);
}

std::string ClientOidText(const std::string& oid) {
    return NetSnmpName(oid, NetSnmpOutput{});
}

std::string PduTypeName(std::uint16_t pduType) {
    const std::string word = PduTypeWord(pduType);
    if (word.back() == '?') {
        return FormatText("type(0x%02X)", pduType & 0xFF);
    }
    std::string name;
    for (const char c : word.substr(0, word.size() - 4)) {
        name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return name;
}

std::string PduTypeWord(std::uint16_t pduType) {
    switch (pduType & 0xFF) {
    case SNMP_PDU_GET:
        return "GET-PDU";
    case SNMP_PDU_GETNEXT:
        return "GETNEXT-PDU";
    case SNMP_PDU_RESPONSE:
        return "RESPONSE-PDU";
    case SNMP_PDU_SET:
        return "SET-PDU";
    case SNMP_PDU_TRAP:
        return "TRAP-PDU";
    case SNMP_PDU_GETBULK:
        return "GETBULK-PDU";
    case SNMP_PDU_INFORM:
        return "INFORM-PDU";
    case SNMP_PDU_TRAP2:
        return "TRAP2-PDU";
    case SNMP_PDU_REPORT:
        return "REPORT-PDU";
    default:
        return FormatText("?0x%02X?", pduType & 0xFF);
    }
}
