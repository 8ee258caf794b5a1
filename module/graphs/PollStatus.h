#pragma once
// How a poll of the sampled objects ended, as a code and the text the drawing window shows:
// 0 a good reply, 1 to 5 the reply's error status, 6 no reply, 7 a walk that left the table,
// 8 a request the agent's security refused. The statuses and exceptions an SNMPv2 agent adds
// get codes of their own above those, so none of them reads as "no reply".

#include <cstdint>
#include <string>

enum : std::uint16_t {
    POLL_OK = 0,
    POLL_NO_REPLY = 6,
    POLL_END_OF_TABLE = 7,
    POLL_REFUSED = 8,
    // Plus the error status, for the statuses past genErr (6 to 18).
    POLL_ERROR_STATUS_BASE = 0x100,
    // Plus the exception's type (noSuchObject, noSuchInstance, endOfMibView).
    POLL_EXCEPTION_BASE = 0x200,
};

// The code of a reply whose error status is `status` (not 0).
std::uint16_t PollErrorStatusCode(std::uint32_t status);

// "Response received at" and the local time of `now` as "%I:%M:%S %p"; the error status texts
// and the exception texts about the failing object (its name and value text); "Device does not
// reply."; "End of Table."; for a refusal the engine's words `engineText`. Cut at the first
// newline.
std::string PollStatusText(std::uint16_t code, const std::string& objectName,
                           const std::string& objectValue, std::int64_t now,
                           const std::string& engineText = {});
