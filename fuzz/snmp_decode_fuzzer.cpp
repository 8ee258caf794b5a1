// libFuzzer target: any datagram the socket can receive goes through SnmpDecode, which must end
// in a decoded message or a CSnmpException, never in a crash, a hang or a leak. The datagram is
// decoded in the version its header names (SNMPv1 or SNMPv2c, as the socket does for a
// request of that version), from m_buf or, past 512 bytes, from the large image. What decodes
// is also logged and loaded back into the same message, whose list then owns bindings of both
// origins, and encoded again, as an agent answering it would.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/core/CArchive.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpMessageHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(kSnmpMaxDatagram)) {
        return -1; // no UDP datagram is longer
    }
    CSnmpMsg* msg = new CSnmpMsg(nullptr, "127.0.0.1", "", 0);
    if (size > static_cast<std::size_t>(kSnmpBufferSize)) {
        msg->m_largeImage.assign(data, data + size);
    } else {
        std::memcpy(msg->m_buf, data, size);
    }
    msg->m_nLen = static_cast<int>(size);
    SnmpMessageHeader header;
    if (SnmpReadMessageHeader(data, static_cast<int>(size), header) &&
        header.version == SNMP_VERSION_2C) {
        msg->m_nVersion = SNMP_VERSION_2C;
    }
    try {
        msg->SnmpDecode();
        const std::size_t decoded = msg->m_pPdu->m_varBindList.size();
        CArchive out;
        msg->Serialize(out);
        CArchive in(out.Bytes());
        msg->Serialize(in);
        const auto& list = msg->m_pPdu->m_varBindList;
        if (list.size() != 2 * decoded) {
            __builtin_trap();
        }
        for (std::size_t i = 0; i < decoded; ++i) {
            if (list.begin()[i]->m_strOid != list.begin()[decoded + i]->m_strOid) {
                __builtin_trap(); // a name did not survive the log
            }
        }
        msg->SnmpEncodeImage();
    } catch (const CSnmpException& e) {
        if (e.m_wCode == 0 || e.m_wCode == 10 || e.m_wCode == 11 || e.m_wCode > 15) {
            __builtin_trap(); // the decoder raised a code it never should
        }
    }
    CSnmpMsg::Release(msg);
    return 0;
}
