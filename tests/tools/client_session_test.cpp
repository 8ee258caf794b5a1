// The client's sessions run in-process against an in-test agent on 127.0.0.1: printed rows,
// error statuses, walk termination, time-outs (driven by the clock and the tick) and failures.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/core/Clock.h"
#include "snmp/SnmpTransport.h"
#include "tests/tools/ScriptedAgent.h"
#include "tools/taurel-snmp/ClientSession.h"

namespace {

class ClientSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
        agent.AddText("1.3.6.1.2.1.1.1.0", "Taurel switch");
        agent.AddText("1.3.6.1.2.1.1.5.0", "core-1");
        agent.AddInteger("1.3.6.1.2.1.11.1.0", 77);
        agent.AddInteger("1.3.6.1.2.1.2.1.0", 4);
    }
    void TearDown() override { SnmpDone(); }

    ClientCommand Command(ClientAction action, std::vector<std::string> oids) {
        ClientCommand command;
        command.action = action;
        command.agent = agent.Address();
        command.oids = std::move(oids);
        return command;
    }
    int Run(const ClientCommand& command) {
        ClientSession session(command, out, err);
        session.Start();
        EXPECT_TRUE(agent.ServeUntil([&] { return session.Finished(); }));
        return session.ExitCode();
    }

    ScriptedAgent agent;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ClientSessionTest, GetPrintsOneLinePerBinding) {
    EXPECT_EQ(Run(Command(ClientAction::Get, {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0"})), 0);
    EXPECT_EQ(out.str(), "1.3.6.1.2.1.1.1.0 = STRING: Taurel switch\n"
                         "1.3.6.1.2.1.1.5.0 = STRING: core-1\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(ClientSessionTest, ErrorStatusNamesTheStatusAndTheObjectAtTheErrorIndex) {
    EXPECT_EQ(Run(Command(ClientAction::Get, {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.99.0"})), 1);
    EXPECT_EQ(err.str(), "Error in packet: noSuchName (1.3.6.1.2.1.1.99.0)\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(ClientSessionTest, GetNextPrintsTheFollowingObject) {
    EXPECT_EQ(Run(Command(ClientAction::GetNext, {"1.3.6.1.2.1.1.1.0"})), 0);
    EXPECT_EQ(out.str(), "1.3.6.1.2.1.1.5.0 = STRING: core-1\n");
}

TEST_F(ClientSessionTest, WalkStopsWhereTheRepliesLeaveTheSubtree) {
    EXPECT_EQ(Run(Command(ClientAction::Walk, {"1.3.6.1.2.1.1"})), 0);
    EXPECT_EQ(out.str(), "1.3.6.1.2.1.1.1.0 = STRING: Taurel switch\n"
                         "1.3.6.1.2.1.1.5.0 = STRING: core-1\n")
        << "1.3.6.1.2.1.2.1.0 follows but is outside the group";
    EXPECT_EQ(agent.RequestsServed(), 3);
}

TEST_F(ClientSessionTest, WalkEndsCleanlyAtTheEndOfTheAgentsObjects) {
    EXPECT_EQ(Run(Command(ClientAction::Walk, {"1.3.6.1.2.1.11"})), 0);
    EXPECT_EQ(out.str(), "1.3.6.1.2.1.11.1.0 = INTEGER: 77\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(ClientSessionTest, WalkRefusesAnAgentThatDoesNotMoveForward) {
    agent.AnswerEveryGetNextWith("1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(Run(Command(ClientAction::Walk, {"1.3.6.1.2.1.1"})), 1);
    EXPECT_EQ(out.str(), "1.3.6.1.2.1.1.1.0 = STRING: Taurel switch\n");
    EXPECT_NE(err.str().find("OID not increasing"), std::string::npos) << err.str();
}

TEST_F(ClientSessionTest, NoReplyEndsWithTheTimeoutMessage) {
    Clock::Manual clock(9000);
    TestPeer silent;
    ClientCommand command = Command(ClientAction::Get, {"1.3.6.1.2.1.1.1.0"});
    command.agent = silent.Address();
    ClientSession session(command, out, err);
    session.Start();
    ASSERT_NE(silent.ReceiveRequest(), nullptr);
    GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    EXPECT_FALSE(session.Finished());
    clock.advance(1);
    GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    ASSERT_TRUE(session.Finished());
    EXPECT_EQ(session.ExitCode(), 2);
    EXPECT_EQ(err.str(), "Timeout: No Response from " + silent.Address() + "\n");
}

TEST_F(ClientSessionTest, FailedSendEndsAtOnceWithTheSocketError) {
    ClientCommand command = Command(ClientAction::Get, {"1.3.6.1.2.1.1.1.0"});
    command.agent = "127.0.0.1:0";
    ClientSession session(command, out, err);
    session.Start();
    ASSERT_TRUE(session.Finished());
    EXPECT_EQ(session.ExitCode(), 1);
    EXPECT_EQ(err.str(), "taurel-snmp: Socket error, error code= 0x2af9\n");
}

TEST_F(ClientSessionTest, BadSetValueIsAUsageErrorAndSendsNothing) {
    ClientCommand command = Command(ClientAction::Set, {});
    command.sets = {{"1.3.6.1.2.1.1.4.0", 'a', "10.0.0"}};
    ClientSession session(command, out, err);
    session.Start();
    ASSERT_TRUE(session.Finished());
    EXPECT_EQ(session.ExitCode(), 64);
    EXPECT_TRUE(GetSnmpSocket()->m_msgList.empty());
    EXPECT_NE(err.str().find("bad value for type a: 10.0.0"), std::string::npos);
}

} // namespace
