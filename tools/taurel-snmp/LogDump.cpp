#include "tools/taurel-snmp/LogDump.h"

#include "platform/core/CArchive.h"
#include "platform/core/TextFormat.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpPacketLog.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {

// "version 1, community \"tessla\"" or "version 3, user \"ops\", level authPriv".
std::string SecurityText(const CSnmpMsg& msg) {
    const int version = SnmpLogRecordVersion(msg.m_wPduType);
    if (version != SNMP_VERSION_3) {
        return FormatText("version %s, community \"%s\"", version == SNMP_VERSION_2C ? "2c" : "1",
                          msg.m_strCommunity.c_str());
    }
    static const char* const kLevels[] = {"noAuthNoPriv", "authNoPriv", "authPriv"};
    const auto level = static_cast<std::size_t>(SnmpLogRecordLevel(msg.m_wPduType));
    return FormatText("version 3, user \"%s\", level %s", msg.m_strCommunity.c_str(),
                      level < 3 ? kLevels[level] : "unknown");
}

// The two numbers after the request id: a GetBulk's repetition counts, else the error fields.
std::string CountsText(const CSnmpMsg& msg) {
    const CSnmpPdu& pdu = *msg.m_pPdu;
    if ((msg.m_wPduType & 0xFF) == SNMP_PDU_GETBULK) {
        return FormatText("non-repeaters %u, max-repetitions %u", pdu.m_dwErrorStatus,
                          pdu.m_dwErrorIndex);
    }
    return FormatText("error status %s (%u), error index %u",
                      SnmpErrorStatusName(pdu.m_dwErrorStatus).c_str(), pdu.m_dwErrorStatus,
                      pdu.m_dwErrorIndex);
}

} // namespace

int DumpPacketLog(const std::string& path, std::ostream& out, std::ostream& err) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        err << "taurel-snmp: cannot open " << path << "\n";
        return 1;
    }
    const SnmpPacketLogContents log = ReadSnmpPacketLog(bytes);
    int number = 0;
    for (const auto& msg : log.records) {
        const CSnmpPdu& pdu = *msg->m_pPdu;
        out << FormatText("record %d: address %s, %s, %s (0x%02X), request id %u, %s, "
                          "%zu binding(s)\n",
                          ++number, msg->m_strIpAddr.c_str(), SecurityText(*msg).c_str(),
                          PduTypeName(msg->m_wPduType).c_str(), msg->m_wPduType & 0xFF,
                          pdu.m_dwReqId, CountsText(*msg).c_str(), pdu.m_varBindList.size());
        for (const CSnmpVarBind* vb : pdu.m_varBindList) {
            out << FormatClientBinding(*vb) << "\n";
        }
    }
    if (log.damaged) {
        err << "taurel-snmp: damaged record at offset " << log.damagedOffset << " of " << path
            << ": " << log.damage << "\n";
        return 1;
    }
    return 0;
}
