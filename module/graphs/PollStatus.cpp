#include "module/graphs/PollStatus.h"

#include "platform/core/TextFormat.h"
#include "snmp/SnmpErrorStatus.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kLastV1Status = 5; // genErr: the codes above it are the poll's own

} // namespace

std::uint16_t PollErrorStatusCode(std::uint32_t status) {
    if (status <= kLastV1Status)
        return std::uint16_t(status);
    // A status the protocol does not know keeps a code of its own that names nothing.
    return std::uint16_t(POLL_ERROR_STATUS_BASE + std::min<std::uint32_t>(status, 0xFF));
}

std::string PollStatusText(std::uint16_t code, const std::string& objectName,
                           const std::string& objectValue, std::int64_t now,
                           const std::string& engineText) {
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
    case POLL_REFUSED:
        text = engineText;
        break;
    default:
        if (code >= POLL_EXCEPTION_BASE)
            return SnmpExceptionPhrase(std::uint8_t(code - POLL_EXCEPTION_BASE), objectName);
        if (code >= POLL_ERROR_STATUS_BASE)
            code = std::uint16_t(code - POLL_ERROR_STATUS_BASE);
        return code <= kSnmpLastNamedErrorStatus
                   ? SnmpErrorStatusPhrase(code, objectName, objectValue)
                   : std::string();
    }
    return text.substr(0, text.find('\n'));
}
