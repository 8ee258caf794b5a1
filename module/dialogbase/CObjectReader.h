#pragma once
// One INTEGER object of the switch read with a get of its own, beside a window's polls: the
// window asks whenever it wants a fresh value (a port's speed when it opens, and again when
// the numbers say the speed may have changed) and hears each good value. Read failures leave
// the value as it was: nothing depends on it but a plausibility bound.

#include "module/dialogbase/OutstandingRequest.h"
#include "platform/core/CObject.h"
#include "snmp/NmOidTable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CSnmpClass;
class CSnmpMsg;
class CTableDlgData;

class CObjectReader : public CObject {
public:
    CObjectReader(const _NmOidTable& row, const std::string& address,
                  const std::string& readCommunity, const std::string& writeCommunity,
                  const std::string& instance, std::function<void(std::int64_t)> onValue);
    // The object of `row` at the record's agent and instance.
    CObjectReader(const _NmOidTable& row, const CTableDlgData& record,
                  std::function<void(std::int64_t)> onValue);
    ~CObjectReader() override;
    CObjectReader(const CObjectReader&) = delete;
    CObjectReader& operator=(const CObjectReader&) = delete;

    // Sends the get, unless one is on its way.
    void Read();

private:
    void OnReply(std::uint16_t code, CSnmpMsg* msg);

    std::unique_ptr<CSnmpClass> m_pSnmp;
    COutstandingRequest m_request;
    std::function<void(std::int64_t)> m_onValue;
};
