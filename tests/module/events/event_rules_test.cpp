// The events window's rules: the kind of a notification in words, the texts of its row, where
// the user's journal lives and which sender is the switch.

#include "module/events/EventKind.h"
#include "module/events/EventRow.h"
#include "module/events/EventSources.h"
#include "snmp/SnmpTypes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

using Bindings = std::vector<SnmpNotificationBinding>;

const std::string kSwitch = "1.3.6.1.4.1.88888.1.1";

SnmpNotificationBinding IfIndex(int n) {
    return SnmpNotificationBinding::Integer(std::string(kIfIndexOid) + "." + std::to_string(n), n);
}

TEST(EventKind, NamesEachGenericTrapAndThePortOrSenderItConcerns) {
    EXPECT_EQ(EventKindText(0, 0, kSwitch, {}), "coldStart");
    EXPECT_EQ(EventKindText(1, 0, kSwitch, {}), "warmStart");
    EXPECT_EQ(EventKindText(2, 0, kSwitch, {IfIndex(7)}), "linkDown port 7");
    EXPECT_EQ(EventKindText(3, 0, kSwitch, {IfIndex(28)}), "linkUp port 28");
    // The ifIndex binding need not lead, and one of another type names its instance.
    EXPECT_EQ(EventKindText(3, 0, kSwitch,
                            {SnmpNotificationBinding::Octets("1.3.6.1.2.1.2.2.1.2.4", "port 4"),
                             {std::string(kIfIndexOid) + ".12", SNMP_TYPE_GAUGE, {12}}}),
              "linkUp port 12");
    // ifIndex.1x is not an instance of ifIndex: no port is named.
    EXPECT_EQ(EventKindText(2, 0, kSwitch,
                            {SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.10.3", 3)}),
              "linkDown");
    const SnmpNotificationBinding from{"1.3.6.1.4.1.9.2.1.5.0", SNMP_TYPE_IPADDR, {10, 0, 0, 9}};
    EXPECT_EQ(EventKindText(4, 0, kSwitch, {from}), "authenticationFailure from 10.0.0.9");
    EXPECT_EQ(EventKindText(4, 0, kSwitch, {}), "authenticationFailure");
    EXPECT_EQ(EventKindText(6, 3, kSwitch, {IfIndex(2)}), "enterprise-specific " + kSwitch + "/3");
    EXPECT_EQ(EventKindText(9, 0, kSwitch, {}), "generic-trap 9");
}

TEST(EventKind, OnlyLinkChangesAndColdStartsMakeThePanelAskAtOnce) {
    EXPECT_TRUE(EventChangesPanel(SNMP_TRAP_COLD_START));
    EXPECT_TRUE(EventChangesPanel(SNMP_TRAP_LINK_DOWN));
    EXPECT_TRUE(EventChangesPanel(SNMP_TRAP_LINK_UP));
    EXPECT_FALSE(EventChangesPanel(SNMP_TRAP_WARM_START));
    EXPECT_FALSE(EventChangesPanel(SNMP_TRAP_AUTHENTICATION_FAILURE));
    EXPECT_FALSE(EventChangesPanel(SNMP_TRAP_ENTERPRISE_SPECIFIC));
}

TEST(EventRow, BindingsReadAsTheOtherWindowsShowValues) {
    EXPECT_EQ(EventBindingText(IfIndex(7)), "ifIndex.7 = 7");
    EXPECT_EQ(EventBindingText(SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.8.7", -1)),
              "ifOperStatus.7 = -1");
    EXPECT_EQ(EventBindingText(SnmpNotificationBinding::Unsigned("1.3.6.1.4.1.1.1",
                                                                 SNMP_TYPE_COUNTER, 4294967295u)),
              "1.3.6.1.4.1.1.1 = 4294967295");
    EXPECT_EQ(EventBindingText(SnmpNotificationBinding::Octets("1.3.6.1.2.1.1.5.0", "core-1")),
              "1.3.6.1.2.1.1.5.0 = core-1");
    EXPECT_EQ(EventBindingText({kSnmpTrapAddressOid, SNMP_TYPE_IPADDR, {192, 0, 2, 7}}),
              "snmpTrapAddress.0 = 192.0.2.7");
    EXPECT_EQ(EventBindingText(SnmpNotificationBinding::ObjectId(kSnmpTrapEnterpriseOid, kSwitch)),
              "snmpTrapEnterprise.0 = " + kSwitch);
    EXPECT_EQ(EventBindingText({"1.3.6.1.4.1.1.2", SNMP_TYPE_NULL, {}}), "1.3.6.1.4.1.1.2 = Null");
    // An IpAddress of the wrong length is not read past its octets.
    EXPECT_EQ(EventBindingText({"1.3.6.1.4.1.1.3", SNMP_TYPE_IPADDR, {10, 0}}),
              "1.3.6.1.4.1.1.3 = ");
}

TEST(EventRow, AVersionTwoNotificationLeavesOutWhatTimeAndKindAlreadySay) {
    SnmpNotification n;
    n.pduType = SNMP_PDU_TRAP2;
    n.genericTrap = SNMP_TRAP_LINK_DOWN;
    n.bindings = {SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, 500),
                  SnmpNotificationBinding::ObjectId(kSnmpTrapOid, "1.3.6.1.6.3.1.1.5.3"),
                  IfIndex(5), SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.7.5", 1)};
    EXPECT_EQ(MakeEventRow(n).bindings, "ifIndex.5 = 5; ifAdminStatus.5 = 1");
    EXPECT_EQ(MakeEventRow(n).kind, "linkDown port 5");
    // A v1 trap's own bindings are all its own, even one that looks like sysUpTime.0.
    n.pduType = SNMP_PDU_TRAP;
    n.bindings = {SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, 500)};
    EXPECT_EQ(MakeEventRow(n).bindings, "1.3.6.1.2.1.1.3.0 = 500");
}

TEST(EventRow, TimeIsLocalWithTheDate) {
    const char* saved = std::getenv("TZ");
    const std::string restore = saved ? saved : "";
    setenv("TZ", "UTC-2", 1); // two hours east of UTC
    tzset();
    EXPECT_EQ(EventTimeText(1715695331999), "2024-05-14 16:02:11");
    EXPECT_EQ(EventTimeText(-1), "1970-01-01 01:59:59");
    if (saved)
        setenv("TZ", restore.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(EventSources, TheUsersJournalFollowsTheXdgRules) {
    EXPECT_EQ(UserJournalPath("/data/me/", "/home/me"), "/data/me/taurel/notifications.sqlite");
    EXPECT_EQ(UserJournalPath(nullptr, "/home/me"),
              "/home/me/.local/share/taurel/notifications.sqlite");
    // A relative XDG_DATA_HOME is not a place: the default is used.
    EXPECT_EQ(UserJournalPath("data", "/home/me"),
              "/home/me/.local/share/taurel/notifications.sqlite");
    EXPECT_EQ(UserJournalPath("", nullptr), "");
}

TEST(EventSources, TheSwitchSendsFromItsAgentAddressWithoutThePort) {
    EXPECT_EQ(SwitchSourceAddress("10.0.0.5"), "10.0.0.5");
    EXPECT_EQ(SwitchSourceAddress("127.0.0.1:40161"), "127.0.0.1");
    EXPECT_EQ(EventsMenuText(0), "Events");
    EXPECT_EQ(EventsMenuText(3), "Events (3)");
}

} // namespace
