#include "module/config/NoReplyText.h"

#include "module/config/StatusTexts.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpException.h"

std::string NoReplyText(std::uint16_t code, const std::string& engineText) {
    switch (code) {
    case SNMP_ERR_TIMEOUT:
        return kTimeoutText;
    case SNMP_ERR_PACKET_OVERRUN:
        // The reply ran past what the engine receives: the switch answered, at too great a size.
        return kResponseTooBigText;
    default:
        return engineText.empty() ? FormatText("Snmp error %u", unsigned(code)) : engineText;
    }
}
