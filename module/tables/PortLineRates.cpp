#include "module/tables/PortLineRates.h"

#include "module/tables/PortTables.h"

#include <cstring>

namespace {
constexpr const char* kSpeedOid = "1.3.6.1.4.1.88888.11.9.1.2.1.1.8";
constexpr const char* kCounterTable = "1.3.6.1.4.1.88888.11.9.1.2.3.1.";
// Columns of the port counter table that count bytes: good received, good transmitted, total
// received.
constexpr const char* kByteCounters[] = {"1.3.6.1.4.1.88888.11.9.1.2.3.1.3",
                                         "1.3.6.1.4.1.88888.11.9.1.2.3.1.4",
                                         "1.3.6.1.4.1.88888.11.9.1.2.3.1.7"};
constexpr std::uint64_t kShortestFrameBits = (64 + 8 + 12) * 8;
} // namespace

const _NmOidTable& PortSpeedRow() {
    for (int i = 0; i < kPortInfoRowCount; ++i)
        if (std::strcmp(g_PortInfoTable[i].szOid, kSpeedOid) == 0)
            return g_PortInfoTable[i];
    return g_PortInfoTable[0]; // not reached: the table holds the speed
}

std::uint64_t PortSpeedBits(std::int64_t value) {
    switch (value) {
    case 2:
        return 10000000;
    case 3:
        return 100000000;
    case 4:
        return 1000000000;
    default:
        return 0;
    }
}

std::uint64_t CounterLineRate(const _NmOidTable& row, std::uint64_t bitsPerSecond) {
    if (std::strncmp(row.szOid, kCounterTable, std::strlen(kCounterTable)) != 0)
        return 0; // not a port counter: what bounds it is not known
    for (const char* oid : kByteCounters)
        if (std::strcmp(row.szOid, oid) == 0)
            return bitsPerSecond / 8;
    return bitsPerSecond / kShortestFrameBits;
}
