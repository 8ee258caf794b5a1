#pragma once
// How much of each port counter the port's line can carry, from the speed the switch reports
// for the port: what a counter may plausibly count in a second.

#include "snmp/NmOidTable.h"

#include <cstdint>

// The row of the port information table that holds the port's speed (read with the port's
// instance, ".1.p").
const _NmOidTable& PortSpeedRow();
// Bits per second of a value of the port speed object (2: 10 Mbps, 3: 100 Mbps, 4: 1000 Mbps);
// 0 for any other value.
std::uint64_t PortSpeedBits(std::int64_t value);
// The most a line of `bitsPerSecond` carries per second of the port counter in `row`: bytes
// (a byte counter) or frames of the shortest size, 64 bytes with the 8-byte preamble and the
// 12-byte gap on the wire (every other counter counts frames or events of a frame). 0 when the
// speed is not known or the row is not of the port counter table.
std::uint64_t CounterLineRate(const _NmOidTable& row, std::uint64_t bitsPerSecond);
