// taurel-trapd's rules: its command line, SNMPv3 users in net-snmp's createUser spelling, and
// the printed layout against what snmptrapd -f -Lo -n printed for the same notifications.

#include <gtest/gtest.h>

#include <fstream>

#include <QTemporaryDir>

#include "snmp/SnmpTypes.h"
#include "tools/taurel-trapd/TrapdOptions.h"
#include "tools/taurel-trapd/TrapdOutput.h"
#include "tools/taurel-trapd/TrapdUsers.h"

namespace {

std::tm Stamp() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 9;
    t.tm_hour = 1;
    t.tm_min = 3;
    t.tm_sec = 38;
    return t;
}

SnmpNotification From(std::uint16_t port) {
    SnmpNotification n;
    n.sourceAddress = "127.0.0.1";
    n.sourcePort = port;
    n.localAddress = "127.0.0.1";
    n.localPort = 31505;
    n.community = "public";
    return n;
}

TEST(TrapdOutput, AV1TrapIsLaidOutAsSnmptrapdLaysItOut) {
    SnmpNotification n = From(58317);
    n.pduType = SNMP_PDU_TRAP;
    n.enterprise = "1.3.6.1.4.1.88888.1.1";
    n.agentAddress = {10, 0, 0, 1};
    n.genericTrap = SNMP_TRAP_LINK_DOWN;
    n.uptime = 12345;
    n.bindings = {SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.1.5", 5)};
    EXPECT_EQ(SnmptrapdText(n, Stamp()),
              "2026-12-09 01:03:38 10.0.0.1 [10.0.0.1] (via UDP: [127.0.0.1]:58317->"
              "[127.0.0.1]:31505) TRAP, SNMP v1, community public\n"
              "\tiso.3.6.1.4.1.88888.1.1 Link Down Trap (0) Uptime: 0:02:03.45\n"
              "\tiso.3.6.1.2.1.2.2.1.1.5 = INTEGER: 5\n");
    // Without bindings the bindings line stays, empty.
    n.genericTrap = SNMP_TRAP_ENTERPRISE_SPECIFIC;
    n.specificTrap = 17;
    n.uptime = 8640000;
    n.bindings.clear();
    EXPECT_EQ(SnmptrapdText(n, Stamp()),
              "2026-12-09 01:03:38 10.0.0.1 [10.0.0.1] (via UDP: [127.0.0.1]:58317->"
              "[127.0.0.1]:31505) TRAP, SNMP v1, community public\n"
              "\tiso.3.6.1.4.1.88888.1.1 Enterprise Specific Trap (17) Uptime: 1 day, "
              "0:00:00.00\n\n");
}

TEST(TrapdOutput, AV2TrapOrInformIsOneHeaderAndOneLineOfBindings) {
    SnmpNotification n = From(50269);
    n.version = SNMP_VERSION_2C;
    n.pduType = SNMP_PDU_INFORM;
    n.bindings = {SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, 123),
                  SnmpNotificationBinding::ObjectId(kSnmpTrapOid, "1.3.6.1.6.3.1.1.5.3"),
                  SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.1.3", 3)};
    EXPECT_EQ(SnmptrapdText(n, Stamp()),
              "2026-12-09 01:03:38 UDP: [127.0.0.1]:50269->[127.0.0.1]:31505 [UDP: "
              "[127.0.0.1]:50269->[127.0.0.1]:31505]:\n"
              "iso.3.6.1.2.1.1.3.0 = Timeticks: (123) 0:00:01.23\tiso.3.6.1.6.3.1.1.4.1.0 = OID: "
              "iso.3.6.1.6.3.1.1.5.3\tiso.3.6.1.2.1.2.2.1.1.3 = INTEGER: 3\n");
}

TEST(TrapdOptions, ReadsTheCommandLineAndRefusesWhatItCannotUse) {
    TrapdOptions options;
    std::string error;
    ASSERT_TRUE(ParseTrapdOptions({"--listen", "127.0.0.1:1162", "--community", "a", "--community",
                                   "b", "--journal", "j.sqlite", "--keep-rows", "0", "--keep-days",
                                   "7", "--quiet"},
                                  options, error))
        << error;
    EXPECT_EQ(options.listenAddress, "127.0.0.1");
    EXPECT_EQ(options.listenPort, 1162);
    EXPECT_EQ(options.communities, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(options.journal, "j.sqlite");
    EXPECT_EQ(options.retention.maxRows, 0);
    EXPECT_EQ(options.retention.maxDays, 7);
    EXPECT_TRUE(options.quiet);

    const TrapdOptions defaults;
    EXPECT_EQ(defaults.listenAddress, "0.0.0.0");
    EXPECT_EQ(defaults.listenPort, 162);
    EXPECT_EQ(defaults.retention.maxRows, 100000);
    EXPECT_EQ(defaults.retention.maxDays, 90);
    EXPECT_EQ(DefaultJournalPath("/var/lib/taurel"), "/var/lib/taurel/notifications.sqlite");
    EXPECT_EQ(DefaultJournalPath(nullptr), "./notifications.sqlite");

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--listen", "127.0.0.1"},
                                                {"--listen", "x:70000"},
                                                {"--journal"},
                                                {"--keep-days", "-1"},
                                                {"--engine-id", "80ab"},
                                                {"--frobnicate"},
                                                {"--user", "ops SHA short"}}) {
        TrapdOptions o;
        error.clear();
        EXPECT_FALSE(ParseTrapdOptions(bad, o, error)) << bad.front();
        EXPECT_FALSE(error.empty());
    }
}

TEST(TrapdUsers, TakesNetSnmpCreateUserLines) {
    UsmUser user;
    std::string error;
    ASSERT_TRUE(ParseCreateUser("-e 0x8000000001020304 ops SHA maplesyrup AES", user, error))
        << error;
    EXPECT_EQ(user.userName, "ops");
    EXPECT_EQ(user.engineId, (std::vector<std::uint8_t>{0x80, 0, 0, 0, 1, 2, 3, 4}));
    EXPECT_EQ(user.level, UsmSecurityLevel::AuthPriv);
    EXPECT_EQ(user.auth, UsmAuthProtocol::SHA1);
    // Without its own privacy passphrase AES takes the authentication one.
    EXPECT_EQ(
        std::string(user.privPassword.data(), user.privPassword.data() + user.privPassword.size()),
        "maplesyrup");

    ASSERT_TRUE(ParseCreateUser("informer SHA-256 \"two words\"", user, error)) << error;
    EXPECT_EQ(user.level, UsmSecurityLevel::AuthNoPriv);
    EXPECT_EQ(user.auth, UsmAuthProtocol::SHA256);
    EXPECT_TRUE(user.engineId.empty());
    ASSERT_TRUE(ParseCreateUser("watcher", user, error));
    EXPECT_EQ(user.level, UsmSecurityLevel::NoAuthNoPriv);

    for (const char* bad :
         {"", "-e", "-e zz ops", "ops SHA", "ops SHA1 maplesyrup",
          "ops SHA maplesyrup DES x12345678", "ops MD5 maplesyrup AES p1 extra"}) {
        EXPECT_FALSE(ParseCreateUser(bad, user, error)) << bad;
    }

    QTemporaryDir dir;
    const std::string path = dir.filePath("users.conf").toStdString();
    std::ofstream(path) << "# receiver users\n\ncreateUser informer MD5 maplesyrup\n"
                           "createUser -e 0x8000000001020304 ops SHA maplesyrup AES maplesyrup\n";
    std::vector<UsmUser> users;
    ASSERT_TRUE(ReadUsersFile(path, users, error)) << error;
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[1].userName, "ops");
    std::ofstream(path) << "createUser informer MD5 maplesyrup\ncreateuser typo\n";
    users.clear();
    EXPECT_FALSE(ReadUsersFile(path, users, error));
    EXPECT_NE(error.find(":2:"), std::string::npos);
}

} // namespace
