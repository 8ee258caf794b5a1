#pragma once
// The log line of a reply: "Response received at" and the time, or the text of its error
// status naming the object the error index points at.

#include <cstdint>
#include <list>
#include <string>

class CSnmpOid;
class CSnmpPdu;

// Error status e with index i; the object is the request's i-th (from 1), or the first for 0.
// `now` is shown in ctime form. A status an SNMPv1 agent does not send gives an empty text.
// The text ends at its first newline.
std::string ReplyLogText(std::uint32_t errorStatus, std::uint32_t errorIndex,
                         const std::list<CSnmpOid*>& objects, std::int64_t now);
std::string ReplyLogText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects,
                         std::int64_t now);
