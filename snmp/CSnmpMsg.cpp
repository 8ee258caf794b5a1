#include "snmp/CSnmpMsg.h"

#include <cstring>

#include "platform/core/CArchive.h"
#include "platform/core/Clock.h"

IMPLEMENT_SERIAL(CSnmpMsg, CObject, 1)

std::uint32_t CSnmpMsg::m_sdwReqid = 0;

CSnmpMsg::CSnmpMsg() : CSnmpMsg(nullptr, {}, {}, 0) {}

namespace {
// A message is made for every datagram received: its buffer is zeroed with plain vector stores,
// which the compiler would otherwise turn into a string instruction whose start-up costs more
// than the 512 bytes themselves.
void ZeroImage(std::uint8_t (&image)[kSnmpBufferSize]) {
    static_assert(kSnmpBufferSize % 64 == 0);
    const std::uint64_t zero[8] = {};
#pragma GCC unroll 8
    for (int i = 0; i < kSnmpBufferSize; i += 64) {
        std::memcpy(image + i, zero, sizeof zero);
    }
}
} // namespace

CSnmpMsg::CSnmpMsg(CObject* requester, std::string ipAddr, std::string community,
                   std::uint16_t pduType)
    : m_pRequester(requester), m_strIpAddr(std::move(ipAddr)), m_strCommunity(std::move(community)),
      m_wPduType(pduType), m_pPdu(new CSnmpPdu) {
    ZeroImage(m_buf);
}

CSnmpMsg::~CSnmpMsg() {
    delete m_pPdu;
}

const std::uint8_t* CSnmpMsg::ImageData() const {
    return m_largeImage.empty() ? m_buf : m_largeImage.data();
}

int CSnmpMsg::ImageLength() const {
    const int capacity =
        m_largeImage.empty() ? kSnmpBufferSize : static_cast<int>(m_largeImage.size());
    return m_nLen < 0 ? 0 : (m_nLen > capacity ? capacity : m_nLen);
}

std::int64_t CSnmpMsg::ReceivedMs() const {
    return m_timeReceivedMs != 0 ? m_timeReceivedMs : Clock::nowMs();
}

void CSnmpMsg::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strIpAddr << m_strCommunity << m_wPduType;
    } else {
        ar >> m_strIpAddr >> m_strCommunity >> m_wPduType;
    }
    m_pPdu->Serialize(ar);
}
