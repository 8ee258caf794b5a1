#pragma once
// The log line of a reply: "Response received at" and the time, or the text of its error
// status naming the object the error index points at.

#include <cstdint>
#include <list>
#include <string>

class CSnmpOid;
class CSnmpPdu;

// Error status e with index i; the object is the request's i-th (from 1), or the first for 0.
// `now` is shown in ctime form. Unknown statuses give an empty text. The text ends at its
// first newline.
std::string ReplyStatusText(std::uint32_t errorStatus, std::uint32_t errorIndex,
                            const std::list<CSnmpOid*>& objects, std::int64_t now);
std::string ReplyStatusText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects,
                            std::int64_t now);
// The text of error status 1 to 5 about the object `name` with value text `value`; empty for
// other statuses. The text ends at its first newline.
std::string ErrorStatusText(std::uint32_t errorStatus, const std::string& name,
                            const std::string& value);
