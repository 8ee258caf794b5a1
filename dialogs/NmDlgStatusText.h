#pragma once
// The status lines the list dialogs write for each reply and each failed request.

#include <cstdint>
#include <string>

class CSnmpPdu;

// "Received at HH:MM:SS, " (time `t`, local) and the reply's outcome: "sucessful", "tooBig",
// "noSuchName, NAME", "badValue(VALUE), NAME", "readOnly", "genErr", the statuses an SNMPv2
// agent adds by their names in the same two shapes ("notWritable, NAME", "wrongValue(VALUE),
// NAME"), or nothing for a status past those. The failing binding is the one at the error index
// (from 1), or the last one when the index is 0; a reply without that binding names nothing after
// the status word.
std::string ReplyStatusLine(const CSnmpPdu& pdu, std::int64_t t);
// "timeout" for code 16, otherwise "unknown error". A reply refused for its size and an
// SNMPv3 refusal are told in the engine's own words (`engineText`), which name the reason
// ("Response too big.", "Unknown user name", ...): an operator cannot act on "unknown error".
std::string FailureStatusLine(std::uint16_t code, const std::string& engineText = {});
