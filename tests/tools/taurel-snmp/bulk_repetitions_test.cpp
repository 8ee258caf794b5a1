// A bulk walk's names per step: the rule on its own, and whole walks against a scripted agent
// that caps, refuses or drops large steps, whose rows must be those of a walk with -Cr10.
#include <gtest/gtest.h>

#include <sstream>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "snmp/SnmpTransport.h"
#include "tests/snmp/SnmpTestBytes.h"
#include "tests/snmp/transport/TestPeer.h"
#include "tests/tools/taurel-snmp/ClientProcess.h"
#include "tools/taurel-snmp/BulkRepetitions.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"

namespace {

constexpr int kLimit = 65507;
constexpr int kTimeoutMs = 1000;

TEST(BulkRepetitionsRule, GrowsOnlyOnFullSmallQuickRepliesUpToItsCeiling) {
    BulkRepetitions r(0, kLimit, kTimeoutMs);
    EXPECT_TRUE(r.Adaptive());
    EXPECT_EQ(r.Current(), 10);
    r.OnReply(10, 10, 400, 5);
    EXPECT_EQ(r.Current(), 20);
    // Fewer names than asked (an agent's own cap, or the end of its view), a reply past a
    // quarter of the limit, or one slower than a quarter of the time-out: no growth.
    r.OnReply(20, 19, 400, 5);
    r.OnReply(20, 20, kLimit / 4 + 1, 5);
    r.OnReply(20, 20, 400, kTimeoutMs / 4 + 1);
    EXPECT_EQ(r.Current(), 20);
    // A late answer to a step of another count says nothing of this one.
    r.OnReply(10, 10, 400, 5);
    EXPECT_EQ(r.Current(), 20);
    for (int i = 0; i < 20; ++i) {
        r.OnReply(r.Current(), r.Current(), 400, 5);
    }
    EXPECT_EQ(r.Current(), BulkRepetitions::kCeiling);
}

TEST(BulkRepetitionsRule, TooBigHalvesAndStopsTheGrowth) {
    BulkRepetitions r(0, kLimit, kTimeoutMs);
    r.OnReply(10, 10, 400, 5);
    r.OnReply(20, 20, 400, 5);
    ASSERT_EQ(r.Current(), 40);
    EXPECT_TRUE(r.OnTooBig());
    EXPECT_EQ(r.Current(), 20);
    r.OnReply(20, 20, 400, 5);
    EXPECT_EQ(r.Current(), 20) << "a refused size is not tried again";
    // Down to one name a step, and no further: then the refusal is the walk's answer.
    while (r.Current() > 1) {
        EXPECT_TRUE(r.OnTooBig());
    }
    EXPECT_FALSE(r.OnTooBig());
    EXPECT_EQ(r.Current(), 1);
}

TEST(BulkRepetitionsRule, TimeOutsHalveDownToTheStartOnlyAndStopTheGrowth) {
    BulkRepetitions r(0, kLimit, kTimeoutMs);
    EXPECT_FALSE(r.OnTimeout()) << "at net-snmp's 10 a time-out is reported as with -Cr10";
    for (int i = 0; i < 3; ++i) {
        r.OnReply(r.Current(), r.Current(), 400, 5);
    }
    ASSERT_EQ(r.Current(), 80);
    EXPECT_TRUE(r.OnTimeout());
    EXPECT_EQ(r.Current(), 40);
    r.OnReply(40, 40, 400, 5);
    EXPECT_EQ(r.Current(), 40);
    EXPECT_TRUE(r.OnTimeout());
    EXPECT_TRUE(r.OnTimeout());
    EXPECT_EQ(r.Current(), 10);
    EXPECT_FALSE(r.OnTimeout());
}

TEST(BulkRepetitionsRule, AGivenCountNeverChanges) {
    BulkRepetitions r(25, kLimit, kTimeoutMs);
    EXPECT_FALSE(r.Adaptive());
    r.OnReply(25, 25, 400, 5);
    EXPECT_FALSE(r.OnTooBig());
    EXPECT_FALSE(r.OnTimeout());
    EXPECT_EQ(r.Current(), 25);
}

// An agent holding the Counters 1.3.6.1.9.1 to .N (value 3k) and then nothing: a GetBulk
// from a name returns the next max-repetitions of them, as many as it lets through, and
// endOfMibView past the last.
class BulkAgent {
public:
    int names = 300;
    int cap = 1000;         // names per reply at most, as snmpd's 100
    int tooBigAbove = 0;    // a larger max-repetitions is answered with tooBig
    int silentAbove = 0;    // a larger max-repetitions is not answered
    std::vector<int> asked; // max-repetitions of every request, in order

    // Answers the request waiting at `peer`, if there is one.
    void Serve(TestPeer& peer) {
        if (!peer.HasRequest()) {
            return;
        }
        const std::unique_ptr<CSnmpMsg> request = peer.ReceiveRequest(0);
        if (!request || request->m_pPdu->m_varBindList.empty()) {
            return;
        }
        const int repetitions = static_cast<int>(request->m_pPdu->m_dwErrorIndex);
        asked.push_back(repetitions);
        if (silentAbove > 0 && repetitions > silentAbove) {
            return;
        }
        const std::string from = request->m_pPdu->m_varBindList.front()->m_strOid.str();
        int next = 1;
        if (from.rfind("1.3.6.1.9.", 0) == 0) {
            next = std::stoi(from.substr(10)) + 1;
        } else if (from > "1.3.6.1.9") {
            next = names + 1;
        }
        Bytes bindings;
        std::uint8_t status = 0;
        if (tooBigAbove > 0 && repetitions > tooBigAbove) {
            status = 1;
        } else {
            for (int i = 0; i < std::min(repetitions, cap); ++i, ++next) {
                const Bytes name = next <= names ? Name(next) : Name(names);
                const Bytes value =
                    next <= names ? Bytes{0x41, 0x02, static_cast<std::uint8_t>(next * 3 >> 8),
                                          static_cast<std::uint8_t>(next * 3)}
                                  : Bytes{0x82, 0x00};
                bindings = Cat({bindings, VarBind(name, value)});
                if (next > names) {
                    break;
                }
            }
        }
        const Bytes id{0x02,
                       0x04,
                       static_cast<std::uint8_t>(request->m_pPdu->m_dwReqId >> 24),
                       static_cast<std::uint8_t>(request->m_pPdu->m_dwReqId >> 16),
                       static_cast<std::uint8_t>(request->m_pPdu->m_dwReqId >> 8),
                       static_cast<std::uint8_t>(request->m_pPdu->m_dwReqId)};
        const Bytes pdu =
            Tlv(0xA2, Cat({id, {0x02, 0x01, status, 0x02, 0x01, 0x00}, Tlv(0x30, bindings)}));
        peer.SendRaw(Tlv(0x30, Cat({{0x02, 0x01, 0x01}, Tlv(0x04, Text("tessla")), pdu})));
    }

private:
    static Bytes Name(int k) {
        Bytes content{0x2B, 0x06, 0x01, 0x09};
        if (k >= 128) {
            content.push_back(static_cast<std::uint8_t>(0x80 | (k >> 7)));
        }
        content.push_back(static_cast<std::uint8_t>(k & 0x7F));
        return Tlv(0x06, content);
    }
};

class BulkWalkSession : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
        SetSnmpReceiveLimit(kSnmpMaxDatagram);
        SetSnmpPreciseTimeouts(true);
        peer.SetEnginePort(GetSnmpSocket()->GetLocalPort());
    }
    void TearDown() override { SnmpDone(); }

    struct Walk {
        int exitCode;
        std::string out;
        std::string err;
    };
    // `timeout`: long enough that every answered step counts as quick, even on a busy machine.
    Walk Run(const std::vector<std::string>& options, BulkAgent& agent,
             const std::string& timeout = "2") {
        std::vector<std::string> args{"-v2c", "-t", timeout, "-r", "0"};
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.end(), {peer.Address(), "1.3.6.1.9"});
        ClientCommand command;
        std::string error;
        EXPECT_TRUE(ParseClientArgs(args, command, error)) << error;
        std::ostringstream out, err;
        ClientSession session(command, out, err);
        session.Start();
        // One pass of the event loop per turn, so the agent answers as soon as a step is out
        // (a pass bounded by time would spin on the agent's unread datagram).
        QElapsedTimer elapsed;
        elapsed.start();
        while (!session.Finished() && elapsed.elapsed() < 10000) {
            agent.Serve(peer);
            QCoreApplication::processEvents();
        }
        EXPECT_TRUE(session.Finished());
        return {session.ExitCode(), out.str(), err.str()};
    }

    TestPeer peer;
};

TEST_F(BulkWalkSession, AdaptiveStepsPrintTheRowsOfTenAndGrowToTheAgentsCap) {
    BulkAgent fixedAgent;
    const Walk ten = Run({"-Cr10", "bulkwalk"}, fixedAgent);
    ASSERT_EQ(ten.exitCode, CLIENT_OK) << ten.err;
    // 300 Counters and the agent's endOfMibView under the last of them.
    EXPECT_EQ(Lines(ten.out).size(), 301u);
    EXPECT_EQ(fixedAgent.asked, std::vector<int>(31, 10));

    BulkAgent agent;
    agent.cap = 100; // as snmpd
    const Walk adaptive = Run({"bulkwalk"}, agent);
    EXPECT_EQ(adaptive.exitCode, CLIENT_OK) << adaptive.err;
    EXPECT_EQ(adaptive.out, ten.out);
    // 10 + 20 + 40 + 80 names, then the agent's 100 a step (asked for 160).
    EXPECT_EQ(agent.asked, (std::vector<int>{10, 20, 40, 80, 160, 160}));

    // walk -Cb follows the same rule.
    BulkAgent cbAgent;
    const Walk cb = Run({"-Cb", "walk"}, cbAgent);
    EXPECT_EQ(cb.out, ten.out);
    EXPECT_EQ(cbAgent.asked.front(), 10);
    EXPECT_GT(cbAgent.asked.back(), 10);
}

TEST_F(BulkWalkSession, TooBigAboveAnyCountShrinksTheStepsAndLosesNoRow) {
    BulkAgent reference;
    const std::string rows = Run({"-Cr10", "bulkwalk"}, reference).out;
    for (const int refusedAbove : {7, 25, 1}) {
        BulkAgent agent;
        agent.tooBigAbove = refusedAbove;
        const Walk walk = Run({"bulkwalk"}, agent);
        EXPECT_EQ(walk.exitCode, CLIENT_OK) << refusedAbove << ": " << walk.err;
        EXPECT_EQ(walk.out, rows) << refusedAbove;
        EXPECT_EQ(walk.err, "");
        // A few refusals while the step finds its size, then none.
        int refusals = 0;
        for (const int asked : agent.asked) {
            refusals += asked > refusedAbove;
        }
        EXPECT_LE(refusals, 4) << refusedAbove;
        EXPECT_LE(agent.asked.back(), refusedAbove) << refusedAbove;
    }
    // -Cr keeps its meaning: the steps stay at the count given, and the refusal is the answer.
    BulkAgent agent;
    agent.tooBigAbove = 7;
    const Walk fixed = Run({"-Cr10", "bulkwalk"}, agent);
    EXPECT_EQ(fixed.exitCode, CLIENT_ERROR_STATUS);
    EXPECT_NE(fixed.err.find("tooBig"), std::string::npos) << fixed.err;
    // The one step, then the get of the root a walk that printed nothing makes.
    EXPECT_EQ(agent.asked, (std::vector<int>{10, 0}));
}

TEST_F(BulkWalkSession, AStepLostAboveACountIsAskedAgainSmallerAndGrowthStops) {
    BulkAgent reference;
    const std::string rows = Run({"-Cr10", "bulkwalk"}, reference).out;
    BulkAgent agent;
    agent.silentAbove = 50; // a path that loses the large replies
    const Walk walk = Run({"bulkwalk"}, agent, "0.4");
    EXPECT_EQ(walk.exitCode, CLIENT_OK) << walk.err;
    EXPECT_EQ(walk.out, rows);
    ASSERT_GE(agent.asked.size(), 5u);
    EXPECT_EQ(agent.asked[3], 80) << "lost";
    EXPECT_EQ(agent.asked[4], 40) << "asked again, halved";
    for (std::size_t i = 4; i < agent.asked.size(); ++i) {
        EXPECT_EQ(agent.asked[i], 40);
    }

    // At the start's count a time-out is the walk's answer, as with -Cr10.
    BulkAgent silent;
    silent.silentAbove = 5;
    const Walk dead = Run({"bulkwalk"}, silent, "0.3");
    EXPECT_EQ(dead.exitCode, CLIENT_FAILURE);
    EXPECT_NE(dead.err.find("Timeout"), std::string::npos) << dead.err;
    EXPECT_EQ(silent.asked, std::vector<int>{10});
}

} // namespace
