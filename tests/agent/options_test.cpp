// The taurel-agent command line.

#include <gtest/gtest.h>

#include "agent/AgentOptions.h"

namespace {

bool Parse(const std::vector<std::string>& args, AgentOptions& options, std::string& error) {
    return ParseAgentOptions(args, options, error);
}

} // namespace

TEST(AgentOptions, DefaultsMatchTheSwitch) {
    AgentOptions options;
    std::string error;
    ASSERT_TRUE(Parse({}, options, error));
    EXPECT_EQ(options.listenAddress, "127.0.0.1");
    EXPECT_EQ(options.listenPort, 1161);
    EXPECT_EQ(options.communities.read, "tessla");
    EXPECT_EQ(options.communities.write, "marbelo");
    EXPECT_EQ(options.device.modulesWord, 0x336A);
    EXPECT_EQ(options.device.resetMs, 5000);
    EXPECT_EQ(options.faults.dropPercent + options.faults.corruptPercent +
                  options.faults.duplicatePercent + options.faults.delayMs,
              0);
    EXPECT_FALSE(options.verbose);
}

TEST(AgentOptions, EveryOptionIsRead) {
    AgentOptions options;
    std::string error;
    ASSERT_TRUE(
        Parse({"--listen",    "127.0.0.1:0", "--read-community", "r",   "--write-community", "w",
               "--modules",   "0x4286",      "--seed",           "77",  "--reset-seconds",   "2",
               "--drop",      "10",          "--delay",          "250", "--corrupt",         "5",
               "--duplicate", "100",         "--verbose"},
              options, error))
        << error;
    EXPECT_EQ(options.listenPort, 0);
    EXPECT_EQ(options.communities.read, "r");
    EXPECT_EQ(options.communities.write, "w");
    EXPECT_EQ(options.device.modulesWord, 0x4286);
    EXPECT_EQ(options.device.seed, 77u);
    EXPECT_EQ(options.faults.seed, 77u);
    EXPECT_EQ(options.device.resetMs, 2000);
    EXPECT_EQ(options.faults.dropPercent, 10);
    EXPECT_EQ(options.faults.delayMs, 250);
    EXPECT_EQ(options.faults.corruptPercent, 5);
    EXPECT_EQ(options.faults.duplicatePercent, 100);
    EXPECT_TRUE(options.verbose);

    ASSERT_TRUE(Parse({"--modules", "13162"}, options, error));
    EXPECT_EQ(options.device.modulesWord, 0x336A);
}

TEST(AgentOptions, AnIPv6ListenAddressIsWrittenInBrackets) {
    AgentOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--listen", "[::1]:0"}, options, error)) << error;
    EXPECT_EQ(options.listenAddress, "::1");
    EXPECT_EQ(options.listenPort, 0);
    ASSERT_TRUE(Parse({"--listen", "[fe80::1:2]:1161"}, options, error)) << error;
    EXPECT_EQ(options.listenAddress, "fe80::1:2");
    EXPECT_EQ(options.listenPort, 1161);
}

TEST(AgentOptions, BadCommandLinesAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--listen", "127.0.0.1"}, {"--listen", "127.0.0.1:70000"},
        {"--listen", ":161"},      {"--listen", "[::1]"},
        {"--listen", "[]:161"},    {"--listen", "[::1]1161"},
        {"--modules", "0x10000"},  {"--modules", "zz"},
        {"--drop", "101"},         {"--corrupt", "-1"},
        {"--delay", "1.5"},        {"--seed"},
        {"--frobnicate", "1"},     {"stray"},
    };
    for (const auto& args : bad) {
        AgentOptions options;
        std::string error;
        EXPECT_FALSE(Parse(args, options, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(AgentOptions, HelpAndVersionTakeNoValue) {
    // A flag read as needing a value would swallow the option after it.
    AgentOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--version", "--listen", "127.0.0.1:2161", "--help"}, options, error))
        << error;
    EXPECT_TRUE(options.version);
    EXPECT_TRUE(options.help);
    EXPECT_EQ(options.listenPort, 2161);

    AgentOptions alone;
    ASSERT_TRUE(Parse({"--version"}, alone, error)) << error;
    EXPECT_TRUE(alone.version);
}

TEST(AgentOptions, SnmpV2cAndV3AreOptInWithUsersRepeatable) {
    AgentOptions plain;
    std::string error;
    ASSERT_TRUE(Parse({}, plain, error));
    EXPECT_FALSE(plain.protocols.v2c);
    EXPECT_TRUE(plain.protocols.v3Users.empty());

    AgentOptions options;
    ASSERT_TRUE(Parse({"--v2c", "--v3-user", "a:SHA:pass-word-1", "--v3-user",
                       "b:MD5:pass-word-1:AES:pass-word-2", "--v3-engine-id", "8000000001"},
                      options, error))
        << error;
    EXPECT_TRUE(options.protocols.v2c);
    ASSERT_EQ(options.protocols.v3Users.size(), 2u);
    EXPECT_EQ(options.protocols.v3Users[1].level, UsmSecurityLevel::AuthPriv);
    EXPECT_EQ(options.protocols.engineId.size(), 5u);

    AgentOptions bad;
    EXPECT_FALSE(Parse({"--v3-engine-id", "80000001"}, bad, error)) << "under 5 octets";
    EXPECT_FALSE(Parse({"--v3-user", "a:SHA:short"}, bad, error));
    EXPECT_EQ(error.find("short"), std::string::npos) << error;
}
