// Its own program: the request-id counter is process-wide, so only a fresh process shows that
// the first request carries id 1.
#include <gtest/gtest.h>

#include "snmp/NmOidTable.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/TestPeer.h"

TEST(FirstRequestIds, StartAtOneAndIncreaseOnTheWire) {
    EnsureQtApplication();
    SnmpInit(nullptr);
    TestPeer peer;
    std::vector<std::uint32_t> returned;
    for (int i = 0; i < 3; ++i) {
        auto* msg = new CSnmpMsg(nullptr, peer.Address(), "tessla", SNMP_PDU_GET);
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.3.0");
        returned.push_back(SendSnmpMsg(msg));
    }
    EXPECT_EQ(returned, (std::vector<std::uint32_t>{1, 2, 3}));
    for (std::uint32_t expected : returned) {
        auto request = peer.ReceiveRequest();
        ASSERT_NE(request, nullptr);
        EXPECT_EQ(request->m_pPdu->m_dwReqId, expected);
    }
    SnmpDone();
}
