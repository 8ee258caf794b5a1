#include "snmp/SnmpPacketLog.h"

#include "platform/core/CArchive.h"

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
