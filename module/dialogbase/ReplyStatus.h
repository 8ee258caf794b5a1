#pragma once
// The log line of a reply: "Response received at" and the time, or the text of its error
// status naming the object the error index points at.

#include <cstdint>
#include <list>
#include <string>

class CSnmpMsg;
class CSnmpOid;
class CSnmpPdu;

// Error status e with index i; the object is the request's i-th (from 1), or the first for 0.
// `now` is shown in ctime form. A status past those the protocol knows gives an empty text.
// The text ends at its first newline.
std::string ReplyLogText(std::uint32_t errorStatus, std::uint32_t errorIndex,
                         const std::list<CSnmpOid*>& objects, std::int64_t now);
std::string ReplyLogText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects,
                         std::int64_t now);

// The log line of the reply's first binding that holds an SNMPv2 exception instead of a value,
// naming the request's object at that position ("No such instance, NAME"); empty when every
// binding holds a value.
std::string ExceptionLogText(const CSnmpPdu& pdu, const std::list<CSnmpOid*>& objects);

// The log line of a request that got no reply: "No response", or for a request the agent's
// security refused (an SNMPv3 user it does not know, a wrong passphrase, a clock outside its
// window) the engine's words for the refusal, which tell the operator what to change.
std::string NoReplyLogText(std::uint16_t code, const CSnmpMsg* msg);
