// Agent addresses as operators write them, and the local socket each kind of agent is spoken
// to from: the loopback address for a loopback agent (so no other host can inject replies),
// IPv6 for IPv6 agents, over real UDP; and a socket flooded with datagrams still lets the
// event loop run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTimer>
#include <QUdpSocket>

#include "snmp/SnmpAgentAddress.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/EngineTest.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"

namespace {

TEST(AgentAddressText, SplitsHostsPortsAndIPv6Forms) {
    struct Case {
        const char* text;
        const char* host;
        std::uint16_t port;
    };
    for (const Case& c : {Case{"10.1.2.3", "10.1.2.3", 161}, Case{"switch:1161", "switch", 1161},
                          Case{"::1", "::1", 161}, Case{"fe80::1%eth0", "fe80::1%eth0", 161},
                          Case{"[::1]", "::1", 161}, Case{"[::1]:1161", "::1", 1161},
                          Case{"127.0.0.1:65535", "127.0.0.1", 65535}}) {
        SnmpAgentAddress address;
        ASSERT_TRUE(SplitAgentAddress(c.text, address)) << c.text;
        EXPECT_EQ(address.host, c.host) << c.text;
        EXPECT_EQ(address.port, c.port) << c.text;
    }
}

TEST(AgentAddressText, RefusalsSayWhatIsWrong) {
    const std::string badPort = "the port must be a number from 1 to 65535";
    const std::pair<const char*, std::string> cases[] = {
        {"127.0.0.1:99999", badPort},
        {"127.0.0.1:", badPort},
        {"127.0.0.1:0", badPort},
        {"127.0.0.1:+161", badPort},
        {"[::1]:", badPort},
        {"[::1]:70000", badPort},
        {"[::1", "the IPv6 address has no closing bracket"},
        {"[::1]1161", "only \":port\" may follow the closing bracket"},
        {"[127.0.0.1]:161", "brackets hold an IPv6 address"},
        {":161", "no host"},
        {"", "no host"},
        {"foo.invalid.", "no such host"},
        {":::1", "not an IPv6 address"},
        {"1::2::3", "not an IPv6 address"},
    };
    for (const auto& [text, why] : cases)
        EXPECT_EQ(SnmpAgentAddressProblem(text), why) << text;
    for (const char* good : {"127.0.0.1", "127.0.0.1:1161", "::1", "[::1]:1161", "localhost"})
        EXPECT_EQ(SnmpAgentAddressProblem(good), "") << good;
}

class AgentBindingTest : public EngineTest {
protected:
    void Send(const std::string& address) {
        auto* msg = new CSnmpMsg(&recorder, address, "tessla", SNMP_PDU_GET);
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.1.0");
        msg->SetSnmpCallback(Recorder::Callback());
        SendSnmpMsg(msg);
    }
    Recorder recorder;
};

TEST_F(AgentBindingTest, ALoopbackAgentIsSpokenToFromTheLoopbackAddress) {
    EXPECT_EQ(GetSnmpSocket()->GetLocalAddress(), "127.0.0.1") << "before anything is sent";
    Send(peer.Address());
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    EXPECT_EQ(GetSnmpSocket()->GetLocalAddress(), "127.0.0.1");
    EXPECT_EQ(GetSnmpSocket()->GetLocalPort(), peer.LastSenderPort());
}

TEST_F(AgentBindingTest, AnIPv6AgentIsSpokenToAndAnsweredOverIPv6) {
    QUdpSocket agent;
    ASSERT_TRUE(agent.bind(QHostAddress::LocalHostIPv6, 0));
    Send("[::1]:" + std::to_string(agent.localPort()));
    ASSERT_TRUE(ProcessEventsUntil([&] { return agent.hasPendingDatagrams(); }));
    std::vector<char> bytes(std::size_t(agent.pendingDatagramSize()));
    QHostAddress sender;
    quint16 senderPort = 0;
    agent.readDatagram(bytes.data(), qint64(bytes.size()), &sender, &senderPort);
    EXPECT_EQ(sender, QHostAddress::LocalHostIPv6) << "bound to ::1, not to any address";
    EXPECT_EQ(GetSnmpSocket()->GetLocalAddress(), "::1");

    CSnmpMsg request(nullptr, "", "", 0);
    std::copy(bytes.begin(), bytes.end(), request.m_buf);
    request.m_nLen = int(bytes.size());
    request.SnmpDecode();
    std::vector<std::uint8_t> reply = EncodeResponse(request.m_pPdu->m_dwReqId, {});
    agent.writeDatagram(reinterpret_cast<const char*>(reply.data()), qint64(reply.size()), sender,
                        senderPort);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }));
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(recorder.calls[0].msg->m_strIpAddr, "[::1]:" + std::to_string(agent.localPort()));

    // The IPv4 agent keeps its own loopback socket beside the IPv6 one.
    Send(peer.Address());
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    EXPECT_EQ(GetSnmpSocket()->GetLocalAddress(), "127.0.0.1");
}

TEST(SocketBinding, ASocketOnAnyAddressAnswersLoopbackPeersFromItself) {
    // A listener bound to any address acknowledges from the port it listens on; it does not
    // open a loopback socket of its own for a local sender.
    EnsureQtApplication();
    CAsyncSocket listener;
    ASSERT_TRUE(listener.Create(0, "0.0.0.0"));
    const std::uint16_t port = listener.GetLocalPort();
    QUdpSocket peer;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    ASSERT_EQ(listener.SendTo("x", 1, peer.localPort(), "127.0.0.1"), 1);
    ASSERT_TRUE(peer.waitForReadyRead(2000));
    char byte = 0;
    quint16 senderPort = 0;
    peer.readDatagram(&byte, 1, nullptr, &senderPort);
    EXPECT_EQ(senderPort, port);
    EXPECT_EQ(listener.GetLocalAddress(), "0.0.0.0");
}

// Counts and reads every datagram; at the first, asks the event loop to note how many had been
// read by the time it next runs.
class CountingSocket : public CAsyncSocket {
public:
    int read = 0;
    int readWhenTheLoopRan = -1;

protected:
    void OnReceive(int) override {
        char byte = 0;
        ReceiveFrom(&byte, 1, m_sender, m_port);
        if (read++ == 0)
            QTimer::singleShot(0, [this] { readWhenTheLoopRan = read; });
    }

private:
    std::string m_sender;
    std::uint16_t m_port = 0;
};

TEST(DatagramFlood, TheEventLoopRunsBetweenBatchesAndEveryDatagramIsRead) {
    EnsureQtApplication();
    CountingSocket socket;
    ASSERT_TRUE(socket.Create(0, "127.0.0.1"));
    QUdpSocket peer;
    constexpr int kSent = 140; // more than two batches, well within a receive buffer
    for (int i = 0; i < kSent; ++i)
        peer.writeDatagram("x", 1, QHostAddress::LocalHost, socket.GetLocalPort());
    for (int spins = 0; spins < 200 && socket.read < kSent; ++spins)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(socket.read, kSent);
    EXPECT_GT(socket.readWhenTheLoopRan, 0);
    EXPECT_LT(socket.readWhenTheLoopRan, kSent);
}

} // namespace
