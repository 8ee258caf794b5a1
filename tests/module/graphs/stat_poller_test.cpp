// The poller and the sampled objects against a scripted peer: runs of 20 objects, values
// copied by OID, one sample per poll, errors ending a poll, failed sends and a bounded queue.

#include "module/graphs/CStatObjects.h"
#include "module/graphs/CStatPoller.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/graphs/PollStatus.h"
#include "snmp/SnmpTypes.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/snmp/transport/TestPeer.h"

#include <cstdio>

namespace {

constexpr int kValueRows = 45;

// Counts the GRAPH_SAMPLE_READY messages the poller posts.
class SampleSink : public CWnd {
public:
    SampleSink() { Create(nullptr, "", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0); }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == GRAPH_SAMPLE_READY)
            ++samples;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
    int samples = 0;
};

_NmOidTable Row(std::uint8_t type, std::uint16_t access, const char* oid, const char* name) {
    _NmOidTable row{};
    row.byType = type;
    row.wAccess = access;
    std::snprintf(row.szOid, sizeof row.szOid, "%s", oid);
    std::snprintf(row.szName, sizeof row.szName, "%s", name);
    return row;
}

// Two index columns, a row-status column, then 45 counters 1.3.6.1.9.1 … 1.3.6.1.9.45.
std::vector<_NmOidTable> WideTable() {
    std::vector<_NmOidTable> rows = {Row(SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.9.100", "Module"),
                                     Row(SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.9.101", "Port"),
                                     Row(SNMP_TYPE_INTEGER, 0x22, "1.3.6.1.9.102", "Status")};
    for (int i = 1; i <= kValueRows; ++i) {
        char oid[32], name[32];
        std::snprintf(oid, sizeof oid, "1.3.6.1.9.%d", i);
        std::snprintf(name, sizeof name, "Counter %d", i);
        rows.push_back(Row(SNMP_TYPE_COUNTER, 1, oid, name));
    }
    return rows;
}

// The counter a binding names: 1.3.6.1.9.N.1.4 gives N.
int CounterOf(const std::string& oid) {
    int n = 0;
    std::sscanf(oid.c_str(), "1.3.6.1.9.%d.1.4", &n);
    return n;
}

class StatPollerTest : public ModuleFixture {
protected:
    void SetUp() override {
        StartEngine();
        table = WideTable();
        objects.Fill(table.data(), int(table.size()), ".1.4");
    }
    CStatRequest Poll(const std::string& address) {
        CStatRequest poll;
        poll.m_hOwner = sink.m_hWnd;
        poll.m_strIpAddr = address;
        poll.m_strReadCommunity = "tessla";
        poll.m_strWriteCommunity = "marbelo";
        poll.m_pObjects = &objects;
        return poll;
    }
    // Receives one request and answers every binding with `value(counter)`, in reverse order
    // so that only matching by OID puts the values in place. The binding names, in order.
    std::vector<std::string> AnswerNext(std::uint32_t (*value)(int)) {
        const std::size_t queued = poller.QueuedRequests();
        std::unique_ptr<CSnmpMsg> request = peer.ReceiveRequest();
        std::vector<std::string> names;
        if (!request)
            return names;
        for (const CSnmpVarBind* vb : request->m_pPdu->m_varBindList)
            names.push_back(std::string(vb->m_strOid));
        peer.SendResponse(request->m_pPdu->m_dwReqId, [&](CSnmpPdu& pdu) {
            for (auto it = names.rbegin(); it != names.rend(); ++it)
                pdu.AddOid(*it, value(CounterOf(*it)), SNMP_TYPE_COUNTER);
        });
        WaitFor([&] { return poller.QueuedRequests() < queued; });
        PumpMessages();
        return names;
    }

    std::vector<_NmOidTable> table;
    CStatObjects objects;
    CStatPoller poller;
    SampleSink sink;
    TestPeer peer;
};

} // namespace

TEST_F(StatPollerTest, ObjectsAreSplitByKindInTableOrder) {
    ASSERT_EQ(objects.IndexObjects().size(), 2u);
    ASSERT_EQ(objects.StatusObjects().size(), 1u);
    ASSERT_EQ(objects.ValueCount(), kValueRows);
    EXPECT_EQ(objects.ValueObjects()[0].m_strName, "Counter 1");
    EXPECT_EQ(objects.RunLength(40), 5);
    EXPECT_STREQ(objects.ValueRows(20)->szOid, "1.3.6.1.9.21");
}

TEST_F(StatPollerTest, WideTableIsPolledInRunsOfTwentyAndGivesOneSamplePerPoll) {
    ASSERT_TRUE(poller.Poll(Poll(peer.Address())));
    auto tenTimes = [](int n) { return std::uint32_t(10 * n); };
    const std::vector<std::string> first = AnswerNext(tenTimes);
    ASSERT_EQ(first.size(), 20u);
    EXPECT_EQ(first.front(), "1.3.6.1.9.1.1.4");
    EXPECT_EQ(sink.samples, 0); // not before the last request of the poll
    EXPECT_EQ(AnswerNext(tenTimes).front(), "1.3.6.1.9.21.1.4");
    EXPECT_EQ(sink.samples, 0);
    const std::vector<std::string> last = AnswerNext(tenTimes);
    ASSERT_EQ(last.size(), 5u);
    EXPECT_EQ(last.back(), "1.3.6.1.9.45.1.4");
    EXPECT_EQ(sink.samples, 1);
    EXPECT_EQ(poller.GetStatusCode(), POLL_OK);
    EXPECT_EQ(objects.GetStatusText().rfind("Response received at ", 0), 0u);

    const CSampleRecord sample = objects.MakeSample(7, 1234);
    ASSERT_EQ(sample.m_nCount, kValueRows);
    for (int i = 0; i < kValueRows; ++i)
        EXPECT_EQ(sample.m_values[size_t(i)], std::uint32_t(10 * (i + 1))) << i;
    EXPECT_EQ(sample.m_dwSeq, 7u);
    EXPECT_EQ(sample.m_time, 1234u);

    // The next poll starts again at the first object.
    ASSERT_TRUE(poller.Poll(Poll(peer.Address())));
    EXPECT_EQ(AnswerNext(tenTimes).front(), "1.3.6.1.9.1.1.4");
}

TEST_F(StatPollerTest, EachValueIsTimedByTheReceiptOfItsOwnReply) {
    ASSERT_TRUE(poller.Poll(Poll(peer.Address())));
    auto one = [](int) { return 1u; };
    const std::int64_t start = clock.getMs();
    for (int run = 0; run < 3; ++run) {
        AnswerNext(one);
        clock.advanceMs(40); // the next reply is read 40 ms later
    }
    const CSampleRecord sample = objects.MakeSample(1, std::uint32_t(clock.get()));
    ASSERT_EQ(sample.m_valueMs.size(), std::size_t(kValueRows));
    EXPECT_EQ(sample.m_valueMs[0], start);
    EXPECT_EQ(sample.m_valueMs[19], start);
    EXPECT_EQ(sample.m_valueMs[20], start + 40);
    EXPECT_EQ(sample.m_valueMs[44], start + 80);
    EXPECT_EQ(sample.m_timeMs, start + 80);
    EXPECT_EQ(ValueMilliseconds(sample, 25), start + 40);
}

TEST_F(StatPollerTest, ErrorReplyEndsThePollAndNamesTheObject) {
    ASSERT_TRUE(poller.Poll(Poll(peer.Address())));
    AnswerNext([](int n) { return std::uint32_t(n); });
    std::unique_ptr<CSnmpMsg> second = peer.ReceiveRequest();
    ASSERT_NE(second, nullptr);
    // Error index 3 of the second run is object 23.
    peer.SendResponse(second->m_pPdu->m_dwReqId, {}, 2, 3);
    WaitFor([this] { return sink.samples > 0; });
    EXPECT_EQ(poller.GetStatusCode(), 2);
    EXPECT_EQ(objects.GetStatusText(), "No such name, Counter 23");
    EXPECT_EQ(sink.samples, 1);
    EXPECT_EQ(poller.QueuedRequests(), 0u); // the third run is not sent
    EXPECT_EQ(peer.ReceiveRequest(200), nullptr);
}

TEST_F(StatPollerTest, FailedSendEndsThePollAtOnceAndPollingGoesOn) {
    ASSERT_TRUE(poller.Poll(Poll("no such host")));
    EXPECT_FALSE(poller.IsWaiting());
    EXPECT_EQ(poller.QueuedRequests(), 0u);
    EXPECT_EQ(objects.GetStatusText(), "Device does not reply.");
    PumpMessages();
    EXPECT_EQ(sink.samples, 1);
    EXPECT_TRUE(poller.Poll(Poll(peer.Address())));
    EXPECT_EQ(AnswerNext([](int) { return 1u; }).size(), 20u);
}

TEST_F(StatPollerTest, SilentSwitchKeepsOnePollQueuedAndSamplingResumes) {
    ASSERT_TRUE(poller.Poll(Poll(peer.Address())));
    ASSERT_NE(peer.ReceiveRequest(), nullptr); // left unanswered
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_FALSE(poller.Poll(Poll(peer.Address())));
    EXPECT_EQ(poller.QueuedRequests(), 3u); // one poll: its three runs
    ExpireRequests();
    EXPECT_EQ(objects.GetStatusText(), "Device does not reply.");
    EXPECT_EQ(poller.QueuedRequests(), 0u);
    EXPECT_EQ(sink.samples, 1);

    ASSERT_TRUE(poller.Poll(Poll(peer.Address())));
    auto one = [](int) { return 1u; };
    AnswerNext(one);
    AnswerNext(one);
    AnswerNext(one);
    EXPECT_EQ(poller.GetStatusCode(), POLL_OK);
    EXPECT_EQ(sink.samples, 2);
}
