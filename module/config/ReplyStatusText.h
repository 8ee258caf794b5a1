#pragma once
// The one line that reports a reply on every configuration window: the local time it arrived,
// then what the switch said about the request, naming the object that failed.

#include <cstdint>
#include <functional>
#include <string>

class CSnmpPdu;

// "Received at %H:%M:%S, " at local time `now`, then by error status "sucessful", "tooBig",
// "noSuchName," and the failing object, "badValue(" value "), " and the object, "readOnly",
// "genErr"; the statuses an SNMPv2 agent adds by their names in the same two shapes
// ("notWritable," and the object, "wrongValue(" value "), " and the object); nothing for a
// status past those; for a reply without error whose binding holds an exception, its name
// ("noSuchInstance,") and that object. The failing binding is the one the error index names
// (from 1), the last one for index 0. The line is fitted into the status room (FitStatusLine)
// and, when `fits` is given, shortened the same way until the line it shows fits: a status line
// cut at its right edge would hide the end of the identifier, which names the object.
using LineFits = std::function<bool(const std::string&)>;
std::string ReplyStatusText(const CSnmpPdu& pdu, std::int64_t now, const LineFits& fits = {});
// The same line not shortened at all: what a status line's tooltip shows when the line is cut.
std::string WholeReplyStatusText(const CSnmpPdu& pdu, std::int64_t now);

// Joins head, value, middle and object identifier, and when that exceeds `room` characters
// shortens the value first (ending it in "...") and then the front of the identifier, whose tail
// names the object and its instance, so the operator still sees which object failed. Lengths
// count characters, and no cut splits one.
std::string FitStatusLine(const std::string& head, const std::string& value,
                          const std::string& middle, const std::string& oid, std::size_t room);
