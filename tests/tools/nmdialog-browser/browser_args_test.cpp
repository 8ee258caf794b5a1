// nmdialog-browser's command line, its table files and how it sizes a window.
#include <gtest/gtest.h>

#include "tools/nmdialog-browser/BrowserArgs.h"
#include "tools/nmdialog-browser/BrowserFit.h"
#include "tools/nmdialog-browser/BrowserTables.h"
#include "tools/nmdialog-browser/BrowserWindow.h"
#include "tools/nmdialog-browser/TableFile.h"

#include <cstring>
#include <sstream>

namespace {

std::string Refusal(const std::vector<std::string>& args) {
    BrowserOptions options;
    std::string error;
    EXPECT_FALSE(ParseBrowserArgs(args, options, error));
    return error;
}

TEST(BrowserArgs, TakesTheAgentDialogAndOptionsWithTheirDefaults) {
    BrowserOptions o;
    std::string error;
    ASSERT_TRUE(ParseBrowserArgs({"10.0.0.9:1161", "portctrl"}, o, error)) << error;
    EXPECT_EQ(o.agent, "10.0.0.9:1161");
    EXPECT_EQ(o.dialog, BrowserDialog::PortCtrl);
    EXPECT_EQ(o.table, "portlock");
    EXPECT_EQ(o.readCommunity, "tessla");
    EXPECT_EQ(o.writeCommunity, "marbelo");
    EXPECT_EQ(o.timeoutMs, 500);
    EXPECT_EQ(o.retries, 0);
    EXPECT_FALSE(QuitAfterSeconds(o));

    ASSERT_TRUE(
        ParseBrowserArgs({"--table-file", "/tmp/x.tab", "host", "getnext", "-c", "public", "-w",
                          "private", "--instance", ".1.5", "--screenshot", "shot.png"},
                         o, error))
        << error;
    EXPECT_EQ(o.table, "");
    EXPECT_EQ(o.tableFile, "/tmp/x.tab");
    EXPECT_EQ(o.readCommunity, "public");
    EXPECT_EQ(o.writeCommunity, "private");
    EXPECT_EQ(*o.instance, ".1.5");
    EXPECT_EQ(*QuitAfterSeconds(o), 4.0);
    ASSERT_TRUE(
        ParseBrowserArgs({"h", "get", "--quit-after", "1.5", "--screenshot", "a.png"}, o, error));
    EXPECT_EQ(*QuitAfterSeconds(o), 1.5);
    ASSERT_TRUE(ParseBrowserArgs({"h", "statistic", "-t", "3000", "-r", "2"}, o, error)) << error;
    EXPECT_EQ(o.timeoutMs, 3000);
    EXPECT_EQ(o.retries, 2);
    ASSERT_TRUE(ParseBrowserArgs({"h", "get", "--version"}, o, error));
    EXPECT_TRUE(o.version);

    // The title names the dialog, its table and instance, and the agent.
    BrowserTarget system{"system", nullptr, 0, ".0"};
    ASSERT_TRUE(ParseBrowserArgs({"127.0.0.1:1161", "get"}, o, error));
    EXPECT_EQ(BrowserDialogKey(o, system), "get system .0 on 127.0.0.1:1161");
    EXPECT_EQ(BrowserTargetText(BrowserTarget{"objects.tab", nullptr, 0, ""}), "objects.tab");
}

TEST(BrowserArgs, RefusesBadArgumentsWithOneLineNamingTheProblem) {
    EXPECT_EQ(Refusal({}), "missing AGENT and DIALOG");
    EXPECT_EQ(Refusal({"host"}), "missing DIALOG");
    EXPECT_EQ(Refusal({"host", "walk"}),
              "unknown dialog walk (get, getnext, set, portctrl, statistic)");
    EXPECT_EQ(Refusal({"host:0", "get"}), "bad agent address host:0 (ADDRESS[:PORT])");
    EXPECT_EQ(Refusal({"host", "get", "extra"}), "unexpected argument extra");
    EXPECT_EQ(Refusal({"host", "get", "--table", "routes"}).rfind("unknown table routes", 0), 0u);
    EXPECT_EQ(Refusal({"host", "get", "--table", "system", "--table-file", "f"}),
              "give either --table or --table-file, not both");
    EXPECT_EQ(Refusal({"host", "get", "-c"}), "missing value for -c");
    EXPECT_EQ(Refusal({"host", "get", "--verbose"}), "unknown option --verbose");
    EXPECT_EQ(Refusal({"host", "get", "--quit-after", "0"}),
              "--quit-after needs a number of seconds above 0");
    EXPECT_EQ(Refusal({"host", "get", "--quit-after", "2s"}),
              "--quit-after needs a number of seconds above 0");
    EXPECT_EQ(Refusal({"host", "get", "--screenshot", "shot.jpg"}),
              "--screenshot needs a file name ending in .png");
    EXPECT_EQ(Refusal({"host", "get", "--instance", "0"}), "the instance must start with a dot: 0");
    for (const char* ms : {"0", "-5", "2.5", "600001", "fast"})
        EXPECT_EQ(Refusal({"host", "get", "-t", ms}),
                  "-t needs a time-out in milliseconds from 1 to 600000")
            << ms;
    for (const char* n : {"-1", "21", "x"})
        EXPECT_EQ(Refusal({"host", "get", "-r", n}), "-r needs a number of retries from 0 to 20")
            << n;
    for (const std::string& e : {Refusal({"h"}), Refusal({"h", "x"})})
        EXPECT_EQ(e.find('\n'), std::string::npos);
}

TEST(BrowserTables, BuiltInTablesAndTheirInstances) {
    const BuiltinTable* system = FindBuiltinTable("system");
    ASSERT_NE(system, nullptr);
    EXPECT_STREQ(system->instance, ".0");
    EXPECT_STREQ(system->rows[0].szOid, "1.3.6.1.2.1.1.1");
    const BuiltinTable* interfaces = FindBuiltinTable("interfaces");
    ASSERT_EQ(interfaces->rowCount, 8);
    EXPECT_EQ(interfaces->rows[0].wAccess & 0x30, 0x10); // ifIndex is the index column
    EXPECT_STREQ(interfaces->rows[7].szName, "ifOperStatus");
    const BuiltinTable* lock = FindBuiltinTable("portlock");
    ASSERT_EQ(lock->rowCount, 2);
    EXPECT_STREQ(lock->rows[0].szName, "Port Lock Status");
    EXPECT_STREQ(lock->rows[1].szName, "Link-Status-Alarm State");
    EXPECT_STREQ(lock->instance, ".1");
    const BuiltinTable* stats = FindBuiltinTable("portstats");
    for (int i = 0; i < stats->rowCount; ++i)
        EXPECT_EQ(stats->rows[i].byType, SNMP_TYPE_COUNTER) << i;
    EXPECT_NE(FindBuiltinTable("traps"), nullptr);
    EXPECT_EQ(FindBuiltinTable("System"), nullptr);
}

TEST(TableFile, ReadsRowsWithFlagsNamesAndNamedValues) {
    std::istringstream in("# the interface table\n"
                          "\n"
                          ".1.3.6.1.2.1.2.2.1.1 integer read-only,index ifIndex\n"
                          "  1.3.6.1.2.1.2.2.1.2\tstring read-only \"Interface Name\"\n"
                          "1.3.6.1.2.1.2.2.1.7 integer read-write,hex Admin 1=up 2=down "
                          "3=\"in test\"\n");
    LoadedTable table;
    std::string error;
    ASSERT_TRUE(ParseTableFile(in, table, error)) << error;
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_STREQ(table.rows[0].szOid, "1.3.6.1.2.1.2.2.1.1");
    EXPECT_EQ(table.rows[0].wAccess, 0x11);
    EXPECT_EQ(table.rows[0].pEnum, nullptr);
    EXPECT_STREQ(table.rows[1].szName, "Interface Name");
    EXPECT_EQ(table.rows[1].byType, SNMP_TYPE_OCTETS);
    EXPECT_EQ(table.rows[2].wAccess, 0x06);
    const _NmEnumPair* values = table.rows[2].pEnum;
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values[2].nValue, 3);
    EXPECT_STREQ(values[2].pszText, "in test");
    EXPECT_EQ(values[3].pszText, nullptr);
}

TEST(TableFile, RefusesABadLineWithItsNumberAndWhy) {
    auto refusal = [](const std::string& text) {
        std::istringstream in(text);
        LoadedTable table;
        std::string error;
        EXPECT_FALSE(ParseTableFile(in, table, error));
        return error;
    };
    const std::string good = "1.3.6.1.2.1.1.5 string read-write sysName\n";
    EXPECT_EQ(refusal(good + "1.3.6 integer read-only\n"), "line 2: expected OID TYPE ACCESS NAME");
    EXPECT_EQ(refusal(good + "1.3..6 integer read-only x\n"),
              "line 2: not a dotted decimal OID: 1.3..6");
    EXPECT_EQ(refusal("# c\n1.3.6 float read-only x\n").rfind("line 2: unknown type float", 0), 0u);
    EXPECT_EQ(refusal("1.3.6 integer public x\n").rfind("line 1: unknown access public", 0), 0u);
    EXPECT_EQ(refusal("1.3.6 integer read-only,index,rowstatus x\n")
                  .rfind("line 1: unknown or repeated access flag rowstatus", 0),
              0u);
    EXPECT_EQ(refusal("1.3.6 string read-only x 1=up\n"),
              "line 1: named values need type integer: 1=up");
    EXPECT_EQ(refusal("1.3.6 integer read-only x up=1\n"),
              "line 1: expected VALUE=TEXT with a 32-bit VALUE: up=1");
    EXPECT_EQ(refusal("1.3.6 integer read-only x 99999999999=big\n").rfind("line 1: ", 0), 0u);
    EXPECT_EQ(refusal("1.3.6 integer read-only \"x\n"), "line 1: a quote is not closed");
    EXPECT_EQ(refusal("1.3.6 integer read-only " + std::string(128, 'n') + "\n"),
              "line 1: the name is longer than 127 characters");
    EXPECT_EQ(refusal("# nothing\n"), "the table file holds no objects");
}

TEST(BrowserFit, ColumnsWidenToTheirTextAndTheWindowGrowsWithinTheLargestSize) {
    EXPECT_EQ(FittedColumnWidth(70, {30, 92, 12}, 8), 100);
    EXPECT_EQ(FittedColumnWidth(140, {30}, 8), 140);
    // The list needs 300 more pixels across and 40 more down.
    EXPECT_EQ(GrownWindowSize(CSize(400, 300), CSize(260, 100), CSize(560, 140), CSize(1600, 1000)),
              CSize(700, 340));
    EXPECT_EQ(GrownWindowSize(CSize(400, 300), CSize(260, 100), CSize(200, 80), CSize(1600, 1000)),
              CSize(400, 300));
    EXPECT_EQ(
        GrownWindowSize(CSize(400, 300), CSize(260, 100), CSize(5000, 140), CSize(1600, 1000)),
        CSize(1600, 340));
}

} // namespace
