#pragma once
// The read requests of SNMPv2c (and of SNMPv3, whose PDUs are SNMPv2c's) over the switch's MIB,
// as RFC 3416 answers them: a name without a value gets an exception in its place (the
// request itself succeeds), get-next past the last object gives endOfMibView, and GetBulk
// repeats get-next for its repeaters as far as the response has room.

#include <cstdint>
#include <vector>

class CSimSwitch;
class CSnmpMsg;
class CSwitchMib;

// Answers `request` (get, get-next or get-bulk, decoded as SNMPv2c) into `reply`; returns the
// error status answered with (noError, or tooBig when not even one row of a bulk, or the
// bindings of a get, fit a response).
std::uint32_t AnswerV2Read(const CSwitchMib& mib, const CSimSwitch& device, CSnmpMsg& request,
                           std::int64_t nowMs, std::vector<std::uint8_t>& reply);
