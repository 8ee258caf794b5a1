#pragma once
// Reading back the packet log "snmp.log": a plain run of archived messages, each record a fresh
// archive, with no header or separator.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"

struct SnmpPacketLogContents {
    std::vector<std::unique_ptr<CSnmpMsg>> records;
    // Set when reading stopped at a record that could not be loaded (a truncated or foreign
    // file); the records before it are kept.
    bool damaged = false;
    std::size_t damagedOffset = 0;
    std::string damage;
};

NMSNMP_API SnmpPacketLogContents ReadSnmpPacketLog(const std::vector<std::uint8_t>& bytes);
