#pragma once

#include <cstdint>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/CSnmpVarBind.h"
#include "snmp/CSnmpVarBindList.h"
#include "snmp/NmSnmpApi.h"

// The PDU of a message: request id, error status and index, and the owned bindings in wire
// order.
class NMSNMP_API CSnmpPdu : public CObject {
    DECLARE_SERIAL(CSnmpPdu)
public:
    CSnmpPdu() = default;
    ~CSnmpPdu() override;
    CSnmpPdu(const CSnmpPdu&) = delete;
    CSnmpPdu& operator=(const CSnmpPdu&) = delete;

    // Each appends a new binding for `oid` at the tail of the list.
    void AddOid(std::string_view oid); // NULL value: the form of get and get-next
    void AddOid(std::string_view oid, std::uint32_t value, std::uint8_t type) {
        m_varBindList.Append(oid)->SetValue(value, type); // a reply's counters: inline
    }
    void AddOid(std::string_view oid, std::int64_t value, std::uint8_t type);
    void AddOid(std::string_view oid, const std::string& value, std::uint8_t type);
    void AddOid(std::string_view oid, const std::uint8_t* bytes, int length, std::uint8_t type);

    // Deletes every binding, from the tail, and empties the list.
    void RemoveVarBinds();

    void Release() { delete this; }
    static void Release(CSnmpPdu* p) { delete p; }
    void Serialize(CArchive& ar) override;

    std::uint32_t m_dwReqId = 0;
    std::uint32_t m_dwErrorStatus = 0;
    std::uint32_t m_dwErrorIndex = 0;
    CSnmpVarBindList m_varBindList;
};
