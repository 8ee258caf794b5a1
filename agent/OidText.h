#pragma once
// Conversions between dotted object-identifier text (as the codec delivers names) and numbers.

#include <string>

#include "agent/MibTypes.h"

// Dotted decimal text to numbers; a leading "." is allowed. Gives an empty Oid for text that is
// not a dotted list of decimal numbers that fit 32 bits.
Oid ParseOid(const std::string& text);
std::string FormatOid(const Oid& oid);
// `base` followed by `tail`.
Oid Concat(const Oid& base, const Oid& tail);
// Whether `prefix` is a proper or equal prefix of `oid`.
bool StartsWith(const Oid& oid, const Oid& prefix);
