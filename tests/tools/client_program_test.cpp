// The taurel-snmp program as users run it: usage errors, and a packet log written with --log
// and read back with logdump.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/tools/ClientProcess.h"
#include "tests/tools/ScriptedAgent.h"

namespace {

TEST(ClientProgram, BadArgumentsExitWith64AndTheUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"get", "127.0.0.1"}, {"set", "127.0.0.1", "1.3", "q", "1"}}) {
        const ClientRun run = RunClient(args);
        EXPECT_EQ(run.exitCode, 64);
        EXPECT_NE(run.err.find("usage: taurel-snmp"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(ClientProgram, PacketLogWrittenWithLogIsPrintedByLogdump) {
    EnsureQtApplication();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string workDir = dir.path().toStdString();
    ScriptedAgent agent;
    agent.AddText("1.3.6.1.2.1.1.5.0", "core-1");

    const ClientRun get =
        RunClient({"--log", "-c", "secret", "get", agent.Address(), "1.3.6.1.2.1.1.5.0"}, workDir,
                  [&] { agent.ServePending(); });
    ASSERT_EQ(get.exitCode, 0) << get.err;
    EXPECT_EQ(get.out, "1.3.6.1.2.1.1.5.0 = STRING: core-1\n");

    const ClientRun dump = RunClient({"logdump", workDir + "/snmp.log"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.out,
              "record 1: address " + agent.Address() +
                  ", community \"secret\", get (0xA0), request id 1, error status noError (0), "
                  "error index 0, 1 binding(s)\n"
                  "1.3.6.1.2.1.1.5.0 = NULL: Null\n"
                  "record 2: address 127.0.0.1, community \"secret\", response (0xA2), request id "
                  "1, error status noError (0), error index 0, 1 binding(s)\n"
                  "1.3.6.1.2.1.1.5.0 = STRING: core-1\n");
}

TEST(ClientProgram, LogdumpOfAMissingFileFails) {
    const ClientRun run = RunClient({"logdump", "/nonexistent/snmp.log"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot open /nonexistent/snmp.log"), std::string::npos);
}

} // namespace
