#pragma once
// The objects a graph dialog samples: the rows of one OID table split into index, status and
// value objects (each list in table order), each with a typed value chosen by its row's type.
// The value objects' rows double as the OID table of the poll requests; a good reply's values
// are copied into the objects they name, and a sample is the value objects' current values.

#include "module/graphs/windows/CSampleRecord.h"
#include "module/mib/CMibData.h"
#include "snmp/NmOidTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CSnmpVarBind;

struct CStatObject {
    std::uint8_t m_byType = 0;
    std::uint16_t m_wAccess = 0;
    std::string m_strOid;
    std::string m_strName;
    std::unique_ptr<CMibData> m_pValue; // CMibInt32, CMibOctetString or CMibIPAddress
    std::int64_t m_receivedMs = 0;      // when the reply with the value arrived; 0: none yet
};

class CStatObjects {
public:
    // How many objects one request asks for.
    static constexpr int kRunLength = 20;

    // Takes `rowCount` rows of `table`; `instance` (".1.4") follows every object's OID.
    void Fill(const _NmOidTable* table, int rowCount, const std::string& instance);

    const std::vector<CStatObject>& IndexObjects() const { return m_index; }
    const std::vector<CStatObject>& StatusObjects() const { return m_status; }
    const std::vector<CStatObject>& ValueObjects() const { return m_values; }
    int ValueCount() const { return int(m_values.size()); }
    const std::string& Instance() const { return m_strInstance; }
    // The value objects' rows from `first` on, and how many of them one request takes.
    const _NmOidTable* ValueRows(int first) const;
    int RunLength(int first) const;
    // Whether the request starting at `first` is the last of a poll.
    bool IsLastRun(int first) const { return first + kRunLength >= ValueCount(); }

    // Copies a reply binding, received at `receivedMs`, into the value object whose OID is the
    // binding's without the instance; false when no value object has that OID or the value's
    // type does not fit.
    bool TakeValue(const CSnmpVarBind& vb, std::int64_t receivedMs = 0);
    // Value object i as a 32-bit counter (0 when it holds no number).
    std::uint32_t CounterValue(int i) const;
    // Every value object's counter value, in value-object order, each with the time its reply
    // arrived (the sample's milliseconds are the latest of those); `time` in whole seconds.
    CSampleRecord MakeSample(std::uint32_t sequence, std::uint32_t time) const;

    void SetStatus(std::uint16_t code, const std::string& text);
    std::uint16_t GetStatusCode() const { return m_wStatus; }
    const std::string& GetStatusText() const { return m_strStatus; }

private:
    std::vector<CStatObject> m_index;
    std::vector<CStatObject> m_status;
    std::vector<CStatObject> m_values;
    std::vector<_NmOidTable> m_valueRows;
    std::unordered_map<std::string, int> m_valueByOid;
    std::string m_strInstance;
    std::uint16_t m_wStatus = 0;
    std::string m_strStatus;
};
