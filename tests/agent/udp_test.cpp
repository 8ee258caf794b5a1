// The agent on real UDP sockets on 127.0.0.1: in-process with a test clock, as a child
// process, and with each kind of injected fault.

#include <csignal>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include "agent/CAgentServer.h"
#include "snmp/NmOidTable.h"
#include "tests/agent/AgentProcess.h"
#include "tests/agent/AgentTestClient.h"

namespace {

const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";

class UdpClient {
public:
    UdpClient() { m_socket.bind(QHostAddress(QHostAddress::LocalHost), 0); }

    void Send(const std::vector<std::uint8_t>& datagram, std::uint16_t port) {
        m_socket.writeDatagram(reinterpret_cast<const char*>(datagram.data()),
                               static_cast<qint64>(datagram.size()),
                               QHostAddress(QHostAddress::LocalHost), port);
    }
    // Datagrams already delivered to this socket.
    std::vector<std::vector<std::uint8_t>> Drain() {
        std::vector<std::vector<std::uint8_t>> all;
        while (m_socket.hasPendingDatagrams()) {
            std::vector<std::uint8_t> d(static_cast<std::size_t>(m_socket.pendingDatagramSize()));
            m_socket.readDatagram(reinterpret_cast<char*>(d.data()), qint64(d.size()));
            all.push_back(std::move(d));
        }
        return all;
    }
    // Waits for one datagram from an agent in another process.
    std::optional<TestReply> Receive(int ms) {
        if (!m_socket.hasPendingDatagrams() && !m_socket.waitForReadyRead(ms)) {
            return std::nullopt;
        }
        const auto all = Drain();
        return all.empty() ? std::nullopt : DecodeReply(all.front());
    }

private:
    QUdpSocket m_socket;
};

// An in-process agent on a free port whose clock the test sets.
struct LocalAgent {
    explicit LocalAgent(FaultSettings faults = {}) {
        EnsureQtApplication();
        AgentServerSettings settings;
        settings.faults = faults;
        settings.clock = [this] { return nowMs; };
        server = std::make_unique<CAgentServer>(settings);
        std::string error;
        EXPECT_TRUE(server->Listen("127.0.0.1", 0, error)) << error;
    }
    // Lets the server take the `count`th request off its socket. Loopback delivery is
    // synchronous, so its answers are then waiting at the client.
    void Serve(std::uint64_t count) {
        QElapsedTimer guard;
        guard.start();
        while (server->Engine().Stats().received < count && guard.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        ASSERT_EQ(server->Engine().Stats().received, count);
    }

    std::int64_t nowMs = 5'000'000;
    std::unique_ptr<CAgentServer> server;
};

std::vector<std::uint8_t> GetUpTime() {
    return EncodeRequest(SNMP_PDU_GET, "tessla", {TestBinding::Null(kSysUpTime)});
}

} // namespace

TEST(AgentUdp, InProcessAgentAnswersWithItsClock) {
    LocalAgent agent;
    UdpClient client;
    agent.nowMs += 2'500;
    std::uint32_t id = 0;
    client.Send(EncodeRequest(SNMP_PDU_GET, "tessla", {TestBinding::Null(kSysUpTime)}, &id),
                agent.server->Port());
    agent.Serve(1);
    const auto replies = client.Drain();
    ASSERT_EQ(replies.size(), 1u);
    const auto reply = DecodeReply(replies[0]);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->requestId, id);
    EXPECT_EQ(reply->community, "tessla");
    ASSERT_EQ(reply->binds.size(), 1u);
    EXPECT_EQ(reply->binds[0].number, 250);

    client.Send(
        EncodeRequest(SNMP_PDU_SET, "marbelo", {TestBinding::Str("1.3.6.1.2.1.1.6.0", "rack 4")}),
        agent.server->Port());
    client.Send(EncodeRequest(SNMP_PDU_GET, "tessla", {TestBinding::Null("1.3.6.1.2.1.1.6.0")}),
                agent.server->Port());
    agent.Serve(3);
    const auto more = client.Drain();
    ASSERT_EQ(more.size(), 2u);
    EXPECT_EQ(DecodeReply(more[1])->binds[0].bytes, "rack 4");
}

TEST(AgentUdp, DroppedRepliesFollowTheSeed) {
    FaultSettings faults;
    faults.dropPercent = 50;
    faults.seed = 9;
    LocalAgent agent(faults);
    UdpClient client;
    CFaultInjector same(faults);
    std::size_t expected = 0;
    for (std::uint64_t i = 1; i <= 40; ++i) {
        client.Send(GetUpTime(), agent.server->Port());
        agent.Serve(i);
        expected += same.Decide().drop ? 0 : 1;
    }
    const std::size_t got = client.Drain().size();
    EXPECT_EQ(got, expected);
    EXPECT_GT(got, 0u);
    EXPECT_LT(got, 40u);
}

TEST(AgentUdp, CorruptedRepliesDoNotDecodeAndDuplicatesComeTwice) {
    FaultSettings faults;
    faults.corruptPercent = 100;
    faults.duplicatePercent = 100;
    LocalAgent agent(faults);
    UdpClient client;
    client.Send(GetUpTime(), agent.server->Port());
    agent.Serve(1);
    const auto replies = client.Drain();
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0], replies[1]);
    EXPECT_FALSE(DecodeReply(replies[0]));
}

TEST(AgentUdp, DelayedRepliesArriveLater) {
    FaultSettings faults;
    faults.delayMs = 150;
    LocalAgent agent(faults);
    UdpClient client;
    QElapsedTimer timer;
    timer.start();
    client.Send(GetUpTime(), agent.server->Port());
    agent.Serve(1);
    EXPECT_TRUE(client.Drain().empty());
    std::vector<std::vector<std::uint8_t>> replies;
    while (replies.empty() && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        replies = client.Drain();
    }
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_GE(timer.elapsed(), 150);
    EXPECT_TRUE(DecodeReply(replies[0]));
}

TEST(AgentUdp, ChildProcessAnswersAndEndsCleanlyOnSignals) {
    for (int signal : {SIGTERM, SIGINT}) {
        AgentProcess agent({"--modules", "0x3300"});
        ASSERT_NE(agent.Port(), 0);
        UdpClient client;
        client.Send(EncodeRequest(SNMP_PDU_GET, "tessla",
                                  {TestBinding::Null("1.3.6.1.4.1.88888.11.9.1.1.1.1.0")}),
                    agent.Port());
        const auto reply = client.Receive(5000);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->binds[0].number, 24);
        EXPECT_EQ(agent.Stop(signal), 0);
    }
}
