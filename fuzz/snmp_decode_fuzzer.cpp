// libFuzzer target: any datagram the socket can receive goes through SnmpDecode, which must end
// in a decoded message or a CSnmpException, never in a crash, a hang or a leak.

#include <cstddef>
#include <cstdint>
#include <cstring>

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
    } catch (const CSnmpException& e) {
        if (e.m_wCode == 0 || e.m_wCode == 10 || e.m_wCode == 11 || e.m_wCode > 15) {
            __builtin_trap(); // the decoder raised a code it never should
        }
    }
    CSnmpMsg::Release(msg);
    return 0;
}
