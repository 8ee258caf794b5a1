#pragma once
// How a poll of the sampled objects ended, as a code and the text the drawing window shows:
// 0 a good reply, 1 to 5 the reply's error status, 6 no reply, 7 a walk that left the table.

#include <cstdint>
#include <string>

enum : std::uint16_t {
    POLL_OK = 0,
    POLL_NO_REPLY = 6,
    POLL_END_OF_TABLE = 7,
};

// "Response received at" and the local time of `now` as "%I:%M:%S %p"; the error status texts
// about the failing object (its name and value text); "Device does not reply."; "End of
// Table.". Cut at the first newline.
std::string PollStatusText(std::uint16_t code, const std::string& objectName,
                           const std::string& objectValue, std::int64_t now);
