// When the start dialog shows, what its fields become, and the recent switches' list rules;
// no window.

#include "module/app/CommandLine.h"
#include "module/app/ConnectFields.h"
#include "module/app/RecentSwitches.h"
#include "module/app/StartDialogRule.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const UsmSecret& secret) {
    return std::string(reinterpret_cast<const char*>(secret.data()), secret.size());
}

bool ResolvesNothing(const std::string&) {
    return false;
}

ConnectFields Fields(const std::string& address) {
    ConnectFields fields = InitialConnectFields({}, {});
    fields.address = address;
    return fields;
}

RecentSwitch Entry(const std::string& address, int version = SNMP_VERSION_1,
                   const std::string& user = {}) {
    RecentSwitch entry;
    entry.name = "sw-" + address;
    entry.address = address;
    entry.session.version = version;
    entry.session.userName = user;
    return entry;
}

// The options the program runs with after Connect.
ProgramOptions Parsed(const ConnectFields& fields, const ProgramOptions& started = {}) {
    return ParseProgramOptions(ConnectArguments(fields, started));
}

ModuleIdentity IdentityOf(const ProgramOptions& options) {
    ModuleIdentity identity;
    ParseCommandLine(options.commandLine, identity);
    return identity;
}

TEST(StartDialogRule, OnlyAStartThatNamesNoSwitchAndIsNoScriptAsks) {
    const auto shows = [](std::vector<std::string> args) {
        const ProgramOptions options = ParseProgramOptions(args);
        EXPECT_TRUE(options.error.empty()) << options.error;
        return ShowsStartDialog(options);
    };
    EXPECT_TRUE(shows({})) << "plain taurel, as the menu entry starts it";
    EXPECT_TRUE(shows({"--packet-log", "--open", "27"}));
    EXPECT_TRUE(shows({"--snmp-version", "3", "--v3-user", "ops"})) << "fills the fields";
    // The platform's way in: any of the four options, wherever it stands.
    for (const char* arg : {"/NCore", "/I10.0.0.1", "/Rpublic", "/Wprivate", "x/Iy"})
        EXPECT_FALSE(shows({arg})) << arg;
    // Scripts' runs never wait for an answer.
    EXPECT_FALSE(shows({"--demo"}));
    EXPECT_FALSE(shows({"--print"}));
    EXPECT_FALSE(shows({"--screenshot", "shot"}));
    EXPECT_FALSE(shows({"--quit-after", "3"}));
    // A value of a long option is not the command line's text: a path holding /N names nothing.
    EXPECT_TRUE(shows({"--v3-secrets", "/tmp/Net", "--snmp-version", "3", "--v3-user", "u"}));
}

TEST(RecentSwitches, MostRecentFirstAtMostTenAndTheSameSwitchMovesUp) {
    std::vector<RecentSwitch> list;
    for (int i = 0; i < 12; ++i)
        RememberRecentSwitch(list, Entry("10.0.0." + std::to_string(i)));
    ASSERT_EQ(list.size(), kMaxRecentSwitches);
    EXPECT_EQ(list.front().address, "10.0.0.11");
    EXPECT_EQ(list.back().address, "10.0.0.2") << "the oldest two went";

    RecentSwitch again = Entry("10.0.0.5");
    again.name = "renamed";
    RememberRecentSwitch(list, again);
    EXPECT_EQ(list.size(), kMaxRecentSwitches);
    EXPECT_EQ(list.front().name, "renamed");
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const RecentSwitch& e) { return e.address == "10.0.0.5"; }),
              1);

    // Another version or another SNMPv3 user of the same address is another switch.
    RememberRecentSwitch(list, Entry("10.0.0.5", SNMP_VERSION_2C));
    RememberRecentSwitch(list, Entry("10.0.0.5", SNMP_VERSION_3, "ops"));
    RememberRecentSwitch(list, Entry("10.0.0.5", SNMP_VERSION_3, "admin"));
    RememberRecentSwitch(list, Entry("10.0.0.5", SNMP_VERSION_3, "ops"));
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const RecentSwitch& e) { return e.address == "10.0.0.5"; }),
              4);
    EXPECT_EQ(RecentSwitchVersionText(list[0]), "SNMPv3 ops");
    EXPECT_EQ(RecentSwitchVersionText(list[1]), "SNMPv3 admin");
    EXPECT_EQ(RecentSwitchVersionText(list[2]), "SNMPv2c");
    EXPECT_EQ(RecentSwitchVersionText(list[3]), "SNMPv1");
}

TEST(RecentSwitches, AnEntryNotRememberedCarriesNoSecret) {
    std::vector<RecentSwitch> list;
    RecentSwitch entry = Entry("10.0.0.1", SNMP_VERSION_3, "ops");
    entry.readCommunity = "secret-r";
    entry.writeCommunity = "secret-w";
    entry.passphrases = {UsmSecret("auth-pass-1"), UsmSecret("priv-pass-1")};
    entry.session.secretsFile = "/home/op/.taurel-ops";
    RememberRecentSwitch(list, entry);
    EXPECT_EQ(list[0].readCommunity, "");
    EXPECT_EQ(list[0].writeCommunity, "");
    EXPECT_TRUE(list[0].passphrases.auth.empty());
    EXPECT_TRUE(list[0].passphrases.priv.empty());
    EXPECT_EQ(list[0].session.secretsFile, "");

    entry.remember = true;
    RememberRecentSwitch(list, entry);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].readCommunity, "secret-r");
    EXPECT_EQ(Text(list[0].passphrases.priv), "priv-pass-1");
}

TEST(ConnectFields, ConnectIsTheCommandLineThatNamesTheSwitch) {
    ConnectFields fields = Fields("192.0.2.7:1161");
    fields.name = "Core";
    fields.readCommunity = "pub";
    fields.writeCommunity = "";
    fields.timeoutMs = " 1500 ";
    ProgramOptions started;
    started.packetLog = true;
    started.openSlots = {173, 27};
    const std::vector<std::string> args = ConnectArguments(fields, started);
    EXPECT_EQ(args, (std::vector<std::string>{"/NCore", "/I192.0.2.7:1161", "/Rpub", "/W",
                                              "--snmp-version", "1", "--timeout", "1500",
                                              "--packet-log", "--open", "173", "--open", "27"}));
    const ProgramOptions options = ParseProgramOptions(args);
    ASSERT_TRUE(options.error.empty()) << options.error;
    const ModuleIdentity identity = IdentityOf(options);
    EXPECT_EQ(identity.deviceName, "Core");
    EXPECT_EQ(identity.agentAddress, "192.0.2.7:1161");
    EXPECT_EQ(identity.readCommunity, "pub");
    EXPECT_EQ(identity.writeCommunity, "") << "an emptied field is an empty community";
    EXPECT_EQ(options.timeoutMs, 1500);
    EXPECT_TRUE(options.packetLog);
    EXPECT_EQ(options.openSlots, (std::vector<int>{173, 27}));
    EXPECT_FALSE(ShowsStartDialog(options)) << "the chosen switch is never asked for again";

    // The defaults stand where nothing was changed.
    const ModuleIdentity defaults = IdentityOf(Parsed(Fields("10.1.1.1")));
    EXPECT_EQ(defaults.deviceName, "Mirova");
    EXPECT_EQ(defaults.readCommunity, "tessla");
    EXPECT_EQ(defaults.writeCommunity, "marbelo");
    EXPECT_FALSE(Parsed(Fields("10.1.1.1")).timeoutMs.has_value());
}

TEST(ConnectFields, AnSnmpV3SwitchKeepsItsUserLevelProtocolsAndEngineId) {
    ConnectFields fields = Fields("10.0.0.9");
    fields.version = SNMP_VERSION_3;
    fields.userName = "ops";
    fields.level = UsmSecurityLevel::AuthNoPriv;
    fields.auth = UsmAuthProtocol::SHA512;
    fields.engineId = "0x80001F8804";
    ASSERT_FALSE(CheckConnectFields(fields, ResolvesNothing));
    ProgramOptions started;
    started.snmp.secretsFile = "/home/op/.taurel-ops";
    const ProgramOptions options = Parsed(fields, started);
    ASSERT_TRUE(options.error.empty()) << options.error;
    EXPECT_EQ(options.snmp.version, SNMP_VERSION_3);
    EXPECT_EQ(options.snmp.userName, "ops");
    EXPECT_EQ(options.snmp.level, UsmSecurityLevel::AuthNoPriv);
    EXPECT_EQ(options.snmp.auth, UsmAuthProtocol::SHA512);
    EXPECT_EQ(options.snmp.engineId, (std::vector<std::uint8_t>{0x80, 0x00, 0x1f, 0x88, 0x04}));
    EXPECT_EQ(options.snmp.secretsFile, started.snmp.secretsFile)
        << "the command line's secrets file gives the passphrases the fields leave empty";

    // Typed passphrases go with the choice, never on the command line.
    fields.passphrases.auth = UsmSecret("auth-pass-1");
    const std::vector<std::string> args = ConnectArguments(fields, started);
    for (const std::string& arg : args)
        EXPECT_EQ(arg.find("auth-pass-1"), std::string::npos) << arg;
    EXPECT_EQ(std::find(args.begin(), args.end(), "--v3-secrets"), args.end());

    // The words of a session read back as the same session.
    SnmpSessionOptions back;
    std::vector<std::string> words = SnmpSessionArguments(options.snmp);
    for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
        std::string error;
        ASSERT_TRUE(TakeSnmpSessionOption(words[i], words[i + 1], back, error)) << error;
    }
    EXPECT_EQ(DescribeSnmpSession(back), DescribeSnmpSession(options.snmp));
    EXPECT_EQ(back.engineId, options.snmp.engineId);
}

TEST(ConnectFields, WhatTheCommandLineCannotCarryIsRefusedByField) {
    const auto refusal = [](const ConnectFields& fields) {
        return CheckConnectFields(fields, [](const std::string& host) { return host == "sw1"; });
    };
    const auto expectRefused = [&](const ConnectFields& fields, ConnectField field,
                                   const std::string& text) {
        const std::optional<ConnectRefusal> refused = refusal(fields);
        ASSERT_TRUE(refused) << text;
        EXPECT_EQ(int(refused->field), int(field)) << refused->text;
        EXPECT_EQ(refused->text, text);
    };
    EXPECT_FALSE(refusal(Fields("10.0.0.1")));
    EXPECT_FALSE(refusal(Fields(" 10.0.0.1:1161 ")))
        << "spaces round the address are no part of it";
    EXPECT_FALSE(refusal(Fields("sw1:161"))) << "a host name the system knows";
    expectRefused(Fields(""), ConnectField::Address,
                  "Type the switch's agent address: ADDRESS or ADDRESS:PORT");
    expectRefused(Fields("10.0.0.1:0"), ConnectField::Address,
                  "The port after the address is a number from 1 to 65535");
    expectRefused(Fields("10.0.0.1:65536"), ConnectField::Address,
                  "The port after the address is a number from 1 to 65535");
    expectRefused(Fields("10.0.0.256"), ConnectField::Address,
                  "10.0.0.256 is no IPv4 address: four numbers from 0 to 255 with dots between");
    expectRefused(Fields("10.0.1"), ConnectField::Address,
                  "10.0.1 is no IPv4 address: four numbers from 0 to 255 with dots between");
    expectRefused(Fields("nowhere"), ConnectField::Address,
                  "No IPv4 address is known for the host nowhere");

    // A space would end the value early; an option inside it would be read as that option.
    ConnectFields named = Fields("10.0.0.1");
    named.name = "Core Switch";
    expectRefused(named, ConnectField::Name, "The name cannot hold a space or /N, /I, /R or /W");
    named.name = "a/Ib";
    expectRefused(named, ConnectField::Name, "The name cannot hold a space or /N, /I, /R or /W");
    ConnectFields community = Fields("10.0.0.1");
    community.writeCommunity = "x/Ry";
    expectRefused(community, ConnectField::WriteCommunity,
                  "The write community cannot hold a space or /N, /I, /R or /W");

    ConnectFields timeout = Fields("10.0.0.1");
    for (const char* bad : {"0", "60001", "1.5", "-3", "lots"}) {
        timeout.timeoutMs = bad;
        expectRefused(timeout, ConnectField::Timeout,
                      "The time-out is a number of milliseconds from 1 to 60000");
    }
    timeout.timeoutMs = "60000";
    EXPECT_FALSE(refusal(timeout));
}

TEST(ConnectFields, SnmpV3NeedsAUserAndWholePassphrasesOrNone) {
    ConnectFields v3 = Fields("10.0.0.1");
    v3.version = SNMP_VERSION_3;
    auto check = [&] { return CheckConnectFields(v3, ResolvesNothing); };
    ASSERT_TRUE(check());
    EXPECT_EQ(int(check()->field), int(ConnectField::UserName));
    EXPECT_EQ(check()->text, "SNMPv3 needs a user name");
    v3.userName = std::string(33, 'u');
    EXPECT_EQ(check()->text, "A user name has at most 32 characters");
    v3.userName = "ops";
    EXPECT_FALSE(check()) << "no passphrases: they are asked for when connecting";

    v3.passphrases.auth = UsmSecret("short");
    ASSERT_TRUE(check());
    EXPECT_EQ(int(check()->field), int(ConnectField::AuthPassphrase));
    EXPECT_EQ(check()->text, "The authentication passphrase has at least 8 characters");
    v3.passphrases.auth = UsmSecret("auth-pass-1");
    ASSERT_TRUE(check()) << "authPriv needs the privacy passphrase too";
    EXPECT_EQ(int(check()->field), int(ConnectField::PrivPassphrase));
    v3.level = UsmSecurityLevel::AuthNoPriv;
    EXPECT_FALSE(check());

    v3.engineId = "80001f8";
    ASSERT_TRUE(check());
    EXPECT_EQ(int(check()->field), int(ConnectField::EngineId));
    // None of it matters to SNMPv2c.
    v3.version = SNMP_VERSION_2C;
    EXPECT_FALSE(check());
    EXPECT_EQ(Parsed(v3).snmp.version, SNMP_VERSION_2C);
}

TEST(ConnectFields, FieldsStartFromTheCommandLineTheLastSwitchOrTheDefaults) {
    EXPECT_EQ(InitialConnectFields({}, {}).address, "127.0.0.1");
    EXPECT_EQ(InitialConnectFields({}, {}).readCommunity, "tessla");

    RecentSwitch last = Entry("10.0.0.8", SNMP_VERSION_3, "ops");
    last.session.level = UsmSecurityLevel::AuthNoPriv;
    last.timeoutMs = 2000;
    RecentSwitch remembered = Entry("10.0.0.9");
    remembered.remember = true;
    remembered.readCommunity = "r9";
    remembered.writeCommunity = "w9";
    const std::vector<RecentSwitch> recent = {last, remembered};
    ConnectFields fields = InitialConnectFields({}, recent);
    EXPECT_EQ(InitialRecentRow({}, recent), 0);
    EXPECT_EQ(fields.address, "10.0.0.8");
    EXPECT_EQ(fields.userName, "ops");
    EXPECT_EQ(fields.level, UsmSecurityLevel::AuthNoPriv);
    EXPECT_EQ(fields.timeoutMs, "2000");
    EXPECT_EQ(fields.readCommunity, "tessla") << "not remembered: the defaults, never a guess";
    EXPECT_FALSE(fields.remember);
    const ConnectFields second = FieldsOfRecentSwitch(remembered);
    EXPECT_EQ(second.readCommunity, "r9");
    EXPECT_EQ(second.writeCommunity, "w9");
    EXPECT_TRUE(second.remember);

    // SNMP options on the command line say how to speak: they are shown, not the last switch.
    const ProgramOptions v2c = ParseProgramOptions({"--snmp-version", "2c", "--timeout", "900"});
    EXPECT_EQ(InitialRecentRow(v2c, recent), -1);
    fields = InitialConnectFields(v2c, recent);
    EXPECT_EQ(fields.version, SNMP_VERSION_2C);
    EXPECT_EQ(fields.address, "127.0.0.1");
    EXPECT_EQ(fields.timeoutMs, "900");
}

TEST(ConnectFields, TheDemoAndTheListsEntryOfAConnection) {
    ProgramOptions started;
    started.openSlots = {203};
    EXPECT_EQ(DemoArguments(SNMP_VERSION_3, started),
              (std::vector<std::string>{"--demo", "--snmp-version", "3", "--open", "203"}));
    const ProgramOptions demo = ParseProgramOptions(DemoArguments(SNMP_VERSION_1, {}));
    EXPECT_TRUE(demo.error.empty()) << demo.error;
    EXPECT_TRUE(demo.demo);

    ConnectFields fields = Fields("10.0.0.4:1161");
    fields.name = "Edge";
    fields.readCommunity = "r4";
    const ProgramOptions options = Parsed(fields);
    const RecentSwitch forgotten = RecentSwitchOf(options, false, {});
    EXPECT_EQ(forgotten.name, "Edge");
    EXPECT_EQ(forgotten.address, "10.0.0.4:1161");
    EXPECT_EQ(forgotten.readCommunity, "");
    const RecentSwitch kept = RecentSwitchOf(options, true, {UsmSecret("a"), UsmSecret("b")});
    EXPECT_EQ(kept.readCommunity, "r4");
    EXPECT_EQ(kept.writeCommunity, "marbelo");
    EXPECT_EQ(Text(kept.passphrases.auth), "a");
}

TEST(ProgramOptions, TheTimeoutIsWholeMillisecondsUpToAMinute) {
    EXPECT_EQ(ParseProgramOptions({"--timeout", "2500"}).timeoutMs, 2500);
    EXPECT_EQ(ParseProgramOptions({"--timeout=1"}).timeoutMs, 1);
    for (const char* bad : {"0", "60001", "1e3", "", "-1", "1000000"})
        EXPECT_EQ(ParseProgramOptions({"--timeout", bad}).error,
                  "--timeout needs a number of milliseconds from 1 to 60000")
            << bad;
    EXPECT_FALSE(ParseProgramOptions({}).timeoutMs.has_value());
}

} // namespace
