#include "module/graphs/PollStatus.h"

#include "platform/core/TextFormat.h"
#include "snmp/SnmpErrorStatus.h"

std::string PollStatusText(std::uint16_t code, const std::string& objectName,
                           const std::string& objectValue, std::int64_t now) {
    std::string text;
    switch (code) {
    case POLL_OK:
        text = "Response received at " + FormatLocalTime(now, "%I:%M:%S %p");
        break;
    case POLL_NO_REPLY:
        text = "Device does not reply.";
        break;
    case POLL_END_OF_TABLE:
        text = "End of Table.";
        break;
    default:
        // The module's windows name the statuses an SNMPv1 agent sends.
        return code <= kSnmpV1LastErrorStatus ? SnmpErrorStatusPhrase(code, objectName, objectValue)
                                              : std::string();
    }
    return text.substr(0, text.find('\n'));
}
