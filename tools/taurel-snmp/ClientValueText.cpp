#include "tools/taurel-snmp/ClientValueText.h"

#include "platform/core/TextFormat.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpNotificationText.h"

namespace {

std::string HexBytes(const CSnmpVarBind& vb) {
    std::string text;
    const std::uint8_t* bytes = vb.GetBytes();
    for (std::size_t i = 0; bytes && i < vb.m_wLength; ++i) {
        text += FormatText(i == 0 ? "%02X" : " %02X", bytes[i]);
    }
    return text;
}

bool IsPrintable(const std::string& text) {
    for (unsigned char c : text) {
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) {
            return false;
        }
    }
    return true;
}

std::string TimeTicksText(std::uint32_t ticks) {
    return FormatText("(%u) ", ticks) + NetSnmpTimeticksText(ticks);
}

std::string TypeAndValue(const CSnmpVarBind& vb) {
    switch (vb.m_byType) {
    case SNMP_TYPE_INTEGER:
        return FormatText("INTEGER: %lld", static_cast<long long>(vb.GetInt64()));
    case SNMP_TYPE_OCTETS: {
        const std::string text = vb.GetText();
        return IsPrintable(text) ? "STRING: " + text : "Hex-STRING: " + HexBytes(vb);
    }
    case SNMP_TYPE_NULL:
        return "NULL: Null";
    case SNMP_TYPE_OID:
        return "OID: " + vb.GetText();
    case SNMP_TYPE_IPADDR: {
        const std::uint8_t* b = vb.GetBytes();
        if (b && vb.m_wLength == 4) {
            return FormatText("IpAddress: %u.%u.%u.%u", b[0], b[1], b[2], b[3]);
        }
        return "IpAddress: " + HexBytes(vb);
    }
    case SNMP_TYPE_COUNTER:
        return FormatText("Counter32: %u", vb.GetUInt32());
    case SNMP_TYPE_GAUGE:
        return FormatText("Gauge32: %u", vb.GetUInt32());
    case SNMP_TYPE_TIMETICKS:
        return "Timeticks: " + TimeTicksText(vb.GetUInt32());
    case SNMP_TYPE_OPAQUE:
        return "Opaque: " + HexBytes(vb);
    case SNMP_TYPE_COUNTER64:
        return FormatText("Counter64: %llu", static_cast<unsigned long long>(vb.GetInt64()));
    // An exception replaces "TYPE: VALUE" with net-snmp's sentence.
    case SNMP_TYPE_NOSUCHOBJECT:
        return "No Such Object available on this agent at this OID";
    case SNMP_TYPE_NOSUCHINSTANCE:
        return "No Such Instance currently exists at this OID";
    case SNMP_TYPE_ENDOFMIBVIEW:
        return "No more variables left in this MIB View (It is past the end of the MIB tree)";
    default:
        return FormatText("type(%u): %s", vb.m_byType, HexBytes(vb).c_str());
    }
}

} // namespace

std::string FormatClientBinding(const CSnmpVarBind& vb) {
    return vb.m_strOid + " = " + TypeAndValue(vb);
}

std::string PduTypeName(std::uint16_t pduType) {
    switch (pduType & 0xFF) {
    case SNMP_PDU_GET:
        return "get";
    case SNMP_PDU_GETNEXT:
        return "getnext";
    case SNMP_PDU_RESPONSE:
        return "response";
    case SNMP_PDU_SET:
        return "set";
    case SNMP_PDU_TRAP:
        return "trap";
    case SNMP_PDU_GETBULK:
        return "getbulk";
    case SNMP_PDU_INFORM:
        return "inform";
    case SNMP_PDU_TRAP2:
        return "trap2";
    case SNMP_PDU_REPORT:
        return "report";
    default:
        return FormatText("type(0x%02X)", pduType & 0xFF);
    }
}
