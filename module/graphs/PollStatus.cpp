#include "module/graphs/PollStatus.h"

#include "module/monitor/ReplyStatus.h"
#include "platform/core/TextFormat.h"

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
        return ErrorStatusText(code, objectName, objectValue);
    }
    return text.substr(0, text.find('\n'));
}
