#include "snmp/SnmpPacketLog.h"

#include "platform/core/CArchive.h"
#include "snmp/UsmSession.h"

SnmpPacketLogContents ReadSnmpPacketLog(const std::vector<std::uint8_t>& bytes) {
    SnmpPacketLogContents contents;
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        std::unique_ptr<CSnmpMsg> msg(
            static_cast<CSnmpMsg*>(RUNTIME_CLASS(CSnmpMsg)->CreateObject()));
        try {
            CArchive ar(bytes, offset);
            msg->Serialize(ar);
            if (ar.Position() <= offset) {
                throw CArchiveException("empty record");
            }
            offset = ar.Position();
        } catch (const std::exception& e) {
            contents.damaged = true;
            contents.damagedOffset = offset;
            contents.damage = e.what();
            break;
        }
        contents.records.push_back(std::move(msg));
    }
    return contents;
}

namespace {
constexpr int kLevelShift = 2;
constexpr std::uint16_t kVersionMask = 0x03;
} // namespace

void WriteSnmpLogRecord(CArchive& ar, CSnmpMsg& msg) {
    const std::uint16_t pduType = msg.m_wPduType;
    const std::string community = msg.m_strCommunity;
    int marker = msg.m_nVersion == SNMP_VERSION_2C ? SNMP_VERSION_2C : SNMP_VERSION_1;
    if (msg.m_pUsm) {
        const UsmUser& user = msg.m_pUsm->User();
        marker = SNMP_VERSION_3 | static_cast<int>(user.level) << kLevelShift;
        msg.m_strCommunity = user.userName;
    }
    msg.m_wPduType = static_cast<std::uint16_t>((pduType & 0xFF) | marker << 8);
    msg.Serialize(ar);
    msg.m_wPduType = pduType;
    msg.m_strCommunity = community;
}

int SnmpLogRecordVersion(std::uint16_t pduType) {
    return (pduType >> 8) & kVersionMask;
}

UsmSecurityLevel SnmpLogRecordLevel(std::uint16_t pduType) {
    return static_cast<UsmSecurityLevel>((pduType >> (8 + kLevelShift)) & kVersionMask);
}
