// libFuzzer target: any datagram the socket can receive goes through SnmpDecode, which must end
// in a decoded message or a CSnmpException, never in a crash, a hang or a leak. What decodes is
// also logged and loaded back into the same message, whose list then owns bindings of both
// origins, and encoded again, as an agent answering it would.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/core/CArchive.h"
#include "snmp/CSnmpMsg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(kSnmpBufferSize)) {
        return -1; // the socket never receives more than one buffer
    }
    CSnmpMsg* msg = new CSnmpMsg(nullptr, "127.0.0.1", "", 0);
    std::memcpy(msg->m_buf, data, size);
    msg->m_nLen = static_cast<int>(size);
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
