#include "module/config/NoReplyText.h"

#include "module/config/StatusTexts.h"
#include "snmp/CSnmpException.h"
#include "snmp/SnmpErrorStatus.h"

std::string NoReplyText(std::uint16_t code, const std::string& engineText) {
    switch (code) {
    case SNMP_ERR_TIMEOUT:
        return kTimeoutText;
    case SNMP_ERR_RESPONSE_TOO_BIG:
        // The switch answered, at a size the engine does not receive.
        return kResponseTooBigText;
    default:
        return SnmpReceiverCodeText(code, engineText);
    }
}
