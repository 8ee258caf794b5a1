#include "snmp/SnmpMessageHeader.h"

#include "snmp/BerBuffer.h"
#include "snmp/SnmpTypes.h"

bool SnmpReadMessageHeader(const std::uint8_t* bytes, int length, SnmpMessageHeader& header) {
    BerBuffer in(bytes, length);
    try {
        // The enclosing SEQUENCE and PDU lengths may run past the bytes that were kept.
        if (in.GetHeaderOnly() != 0x30) {
            return false;
        }
        const std::int32_t version = in.GetInteger();
        int communityLength = 0;
        in.GetOctets(communityLength);
        const std::uint8_t pduType = in.GetHeaderOnly();
        const std::uint32_t requestId =
            pduType == SNMP_PDU_TRAP ? 0 : static_cast<std::uint32_t>(in.GetInteger());
        header = {version, pduType, requestId};
        return true;
    } catch (const CSnmpException&) {
        return false;
    }
}
