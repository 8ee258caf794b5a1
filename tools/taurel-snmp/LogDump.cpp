#include "tools/taurel-snmp/LogDump.h"

#include "platform/core/CArchive.h"
#include "platform/core/TextFormat.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpPacketLog.h"
#include "tools/taurel-snmp/ClientValueText.h"

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
        out << FormatText("record %d: address %s, community \"%s\", %s (0x%02X), request id %u, "
                          "error status %s (%u), error index %u, %zu binding(s)\n",
                          ++number, msg->m_strIpAddr.c_str(), msg->m_strCommunity.c_str(),
                          PduTypeName(msg->m_wPduType).c_str(), msg->m_wPduType & 0xFF,
                          pdu.m_dwReqId, SnmpErrorStatusName(pdu.m_dwErrorStatus).c_str(),
                          pdu.m_dwErrorStatus, pdu.m_dwErrorIndex, pdu.m_varBindList.size());
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
