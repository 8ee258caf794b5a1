#pragma once
// The packet log "snmp.log": a plain run of archived messages, each record a fresh archive,
// with no header or separator. A record is the message as CSnmpMsg::Serialize writes it, with
// what only SNMPv2c and SNMPv3 messages have folded into two of its fields: the high byte of
// the PDU type holds the version (and an SNMPv3 message's security level), and an SNMPv3
// message's community field holds its user name. An SNMPv1 record is the message's archive as
// it always was.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/UsmUser.h"

struct SnmpPacketLogContents {
    std::vector<std::unique_ptr<CSnmpMsg>> records;
    // Set when reading stopped at a record that could not be loaded (a truncated or foreign
    // file); the records before it are kept.
    bool damaged = false;
    std::size_t damagedOffset = 0;
    std::string damage;
};

NMSNMP_API SnmpPacketLogContents ReadSnmpPacketLog(const std::vector<std::uint8_t>& bytes);

class CArchive;
// Writes `msg` as one record.
NMSNMP_API void WriteSnmpLogRecord(CArchive& ar, CSnmpMsg& msg);
// What a record read back says of its message, from its PDU type.
NMSNMP_API int SnmpLogRecordVersion(std::uint16_t pduType);
NMSNMP_API UsmSecurityLevel SnmpLogRecordLevel(std::uint16_t pduType);
