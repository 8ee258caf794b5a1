#include "module/dialogbase/CObjectReader.h"

#include "module/slots/CDlgData.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTransport.h"

CObjectReader::CObjectReader(const _NmOidTable& row, const std::string& address,
                             const std::string& readCommunity, const std::string& writeCommunity,
                             const std::string& instance, std::function<void(std::int64_t)> onValue)
    : m_pSnmp(std::make_unique<CSnmpClass>(this, address, readCommunity, writeCommunity, 1, &row,
                                           instance)),
      m_onValue(std::move(onValue)) {
    m_pSnmp->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CObjectReader::OnReply));
}

CObjectReader::CObjectReader(const _NmOidTable& row, const CTableDlgData& record,
                             std::function<void(std::int64_t)> onValue)
    : CObjectReader(row, record.m_szHeaderValue[2], record.m_strReadCommunity,
                    record.m_strWriteCommunity, record.InstanceSuffix(), std::move(onValue)) {}

CObjectReader::~CObjectReader() {
    // A reply that comes after the reader is gone must not reach it.
    ForgetSnmpRequests(this);
}

void CObjectReader::Read() {
    if (!m_request.IsBusy())
        m_request.Start([this] { return m_pSnmp->SendSnmp(SNMP_PDU_GET); });
}

void CObjectReader::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!m_request.Matches(msg)) {
        CSnmpMsg::Release(msg);
        return;
    }
    m_request.Clear();
    const CSnmpPdu* pdu = msg ? msg->m_pPdu : nullptr;
    const bool good = code == 0 && pdu && pdu->m_dwErrorStatus == 0 &&
                      pdu->m_varBindList.size() == 1 &&
                      pdu->m_varBindList.front()->m_byType == SNMP_TYPE_INTEGER;
    const std::int64_t value = good ? pdu->m_varBindList.front()->GetInt64() : 0;
    CSnmpMsg::Release(msg);
    if (good && m_onValue)
        m_onValue(value);
}
