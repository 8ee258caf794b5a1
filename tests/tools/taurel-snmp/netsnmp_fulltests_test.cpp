// net-snmp's own client tests (testing/fulltests/default, the T0xx scripts), run against our
// tool and against net-snmp's tools on the same snmpd: every CHECK pattern (a grep basic
// regular expression over the captured output) must match both outputs alike, and both must
// exit alike. Names are numeric, as no MIB files are read; snmpd's configuration joins the
// scripts' Sv1config, Sv2cconfig, Sv3config and Svacmconfig, and T066's pass handler serves a
// subtree of every type and takes sets of every type.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <regex>

#include <QFile>
#include <QTemporaryDir>

#include "tests/tools/LoopbackSnmpd.h"
#include "tests/tools/taurel-snmp/ClientProcess.h"
#include "tests/tools/taurel-snmp/NetSnmpRun.h"

namespace {

constexpr const char* kAgent = "AGENT";
const std::string kPass = ".1.3.6.1.4.1.8072.2.255";

// T066's sample data, one object of each type, in walk order; a set of any value is taken
// (and snmpd answers with the value set).
std::string PassScript() {
    const std::vector<std::array<std::string, 3>> objects = {
        {kPass + ".1.0", "string", "Life, the Universe, and Everything"},
        {kPass + ".2.1", "integer", "42"},
        {kPass + ".3.1", "objectid", kPass + ".99"},
        {kPass + ".4.0", "timeticks", "363136200"},
        {kPass + ".5.0", "ipaddress", "127.0.0.1"},
        {kPass + ".6.0", "counter", "42"},
        {kPass + ".7.0", "gauge", "3000000000"},
        {kPass + ".8.0", "octet", "00 3f dd 00 c6 be"}};
    std::string get = "case \"$2\" in\n";
    std::string next = "case \"$2\" in\n";
    std::string before = kPass;
    for (const auto& [oid, type, value] : objects) {
        const std::string answer = "echo " + oid + "; echo " + type + "; echo '" + value + "';;\n";
        get += oid + ") " + answer;
        next += before + ") " + answer;
        before = oid;
    }
    return "#!/bin/sh\n[ \"$1\" = -s ] && exit 0\nif [ \"$1\" = -g ]; then\n" + get +
           "esac\nelse\n" + next + "esac\nfi\n";
}

std::string Configuration(const std::string& passScript) {
    return
        // Sv1config, Sv2cconfig
        "rocommunity testcommunity 127.0.0.1\n"
        // T0141: snmp_write_access='all'
        "rwcommunity testrwall 127.0.0.1\n"
        // Svacmconfig: testcommunity1 reads .1.3.6.1.2.1.1.1 only, testcommunity2 all else
        "rocommunity testrocommunity 127.0.0.1 .1.3.6.1.2.1.1.5.0\n"
        "rwcommunity testrwcommunity 127.0.0.1 .1.3.6.1.2.1.1.5.0\n"
        "com2sec testcommunitysec1 default testcommunity1\n"
        "com2sec testcommunitysec2 default testcommunity2\n"
        "group testcommunitygroup1 any testcommunitysec1\n"
        "group testcommunitygroup2 any testcommunitysec2\n"
        "view system1 included .1.3.6.1.2.1.1.1\n"
        "view system2 included .1\n"
        "view system2 excluded .1.3.6.1.2.1.1.1\n"
        "access testcommunitygroup1 \"\" any noauth exact system1 none none\n"
        "access testcommunitygroup2 \"\" any noauth exact system2 none none\n"
        // Sv3config with SHA and AES; T023's MD5 user
        "createUser initial SHA initial_test_pass_auth AES\n"
        "createUser initialmd5 MD5 initial_test_pass_auth AES\n"
        "rwuser initial noauth\n"
        "rwuser initialmd5 priv\n"
        // T066
        "pass " +
        kPass + " " + passScript + "\n";
}

const std::vector<std::string> kNoAuth = {"-l", "nanp", "-u", "initial", "-v", "3"};
const std::vector<std::string> kAuth = {"-l", "anp", "-u",  "initial", "-v",
                                        "3",  "-a",  "SHA", "-A",      "initial_test_pass_auth"};
const std::vector<std::string> kPriv = {"-l", "ap",
                                        "-u", "initial",
                                        "-v", "3",
                                        "-a", "SHA",
                                        "-A", "initial_test_pass_auth",
                                        "-x", "AES",
                                        "-X", "initial_test_pass_auth"};

struct Check {
    std::string pattern;
    int count = -1; // CHECKCOUNT; -1: CHECK, at least one line
};

struct Capture {
    std::string script; // the T0xx script it comes from
    std::string tool;   // snmpget, snmpwalk, ...
    std::vector<std::string> args;
    std::vector<Check> checks;
};

std::vector<std::string> Args(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> args;
    for (const auto& part : parts) {
        args.insert(args.end(), part.begin(), part.end());
    }
    return args;
}

// The CAPTURE lines of the scripts, with their CHECKs.
std::vector<Capture> Captures() {
    const std::vector<std::string> v1 = {"-c", "testcommunity", "-v", "1", kAgent};
    const std::vector<std::string> v2c = {"-c", "testcommunity", "-v", "2c", kAgent};
    const std::vector<std::string> quick = {"-t", "0.3", "-r", "0"};
    const std::string setOid = kPass + ".9.0";
    const auto set = [&](const std::string& type, const std::string& value,
                         std::vector<Check> checks) {
        return Capture{"T066", "snmpset",
                       Args({{"-c", "testrwall", "-v", "2c", kAgent, setOid, type, value}}),
                       std::move(checks)};
    };
    return {
        {"T001",
         "snmpget",
         Args({v1, {".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T001",
         "snmpgetnext",
         Args({v1, {".1.3.6.1.2.1.1.3"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T001", "snmpget", Args({v1, {".1.3.6.1.2.1.1.3.1"}}), {{"Error in packet"}}},
        {"T001",
         "snmpget",
         Args({quick, {"-c", "notavalidcommunity", "-v", "1", kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{"Timeout"}}},
        {"T0141",
         "snmpget",
         Args({{"-c", "testrwall", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.4.0"}}),
         {{".1.3.6.1.2.1.1.4.0 = STRING:"}}},
        {"T0141",
         "snmpset",
         Args({{"-c", "testrwall", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.4.0", "s",
                "foobartestingbaz"}}),
         {{".1.3.6.1.2.1.1.4.0 = STRING:"}}},
        {"T0141",
         "snmpget",
         Args({{"-c", "testrwall", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.4.0"}}),
         {{"foobartestingbaz"}}},
        {"T019",
         "snmpget",
         Args({v2c, {".1.3.6.1.2.1.1.3.1"}}),
         {{".1.3.6.1.2.1.1.3.1 = No Such Instance"}}},
        {"T020",
         "snmpget",
         Args({kNoAuth, {kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T021",
         "snmpgetnext",
         Args({kNoAuth, {kAgent, ".1.3.6.1.2.1.1.3"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T0221",
         "snmpbulkget",
         Args({{"-Cn5", "-Cr50"},
               kNoAuth,
               {kAgent, ".1.3.6.1.2.1.1.3", ".1.3.6.1.2.1.1.3", ".1.3.6.1.2.1.1.3",
                ".1.3.6.1.2.1.1.3", ".1.3.6.1.2.1.1.3", ".1.3.6.1.2.1.2"}}),
         {{"^\\.1\\.3\\.6\\.1\\.2\\.1\\.1\\.3\\.0 = Timeticks: ", 5}, {"^\\.1\\.", 55}}},
        {"T0222",
         "snmpbulkget",
         Args({{"-Cn1", "-Cr1472"}, kPriv, {kAgent, ".1.3.6.1.2.1.1.5", ".1.3.6.1.2.1.1.7"}}),
         {{".1.3.6.1.2.1.1.5.0 = STRING:"}}},
        {"T023",
         "snmpget",
         Args({{"-l", "ap", "-u", "initialmd5", "-v", "3", "-a", "MD5", "-A",
                "initial_test_pass_auth", "-x", "AES", "-X", "initial_test_pass_auth", kAgent,
                ".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T024",
         "snmpget",
         Args({kAuth, {kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T026",
         "snmpget",
         Args({kPriv, {kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks:"}}},
        {"T028",
         "snmpget",
         Args({{"-v", "3", "-l", "nanp", "-u", "unknownuser", kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{"Unknown user name"}}},
        {"T066",
         "snmpwalk",
         Args({v2c, {kPass}}),
         {{kPass + ".1.0 = STRING: \"Life, the Universe, and Everything\""},
          {kPass + ".2.1 = INTEGER: 42"},
          {kPass + ".3.1 = OID: " + kPass + ".99"},
          {kPass + ".4.0 = Timeticks: (363136200) 42 days, 0:42:42.00"},
          {kPass + ".5.0 = IpAddress: 127.0.0.1"},
          {kPass + ".6.0 = Counter32: 42"},
          {kPass + ".7.0 = Gauge32: 3000000000"},
          {kPass + ".8.0 = Hex-STRING: 00 3F DD 00 C6 BE"}}},
        {"T066", "snmpget", Args({v2c, {kPass + ".2.1"}}), {{"INTEGER: 42"}}},
        {"T066", "snmpget", Args({v2c, {kPass + ".6.0"}}), {{"Counter32: 42"}}},
        // Sets of every type net-snmp's snmpset takes without MIB files.
        set("i", "-5", {{setOid + " = INTEGER: -5"}}),
        set("u", "3000000000", {{setOid + " = Gauge32: 3000000000"}}),
        set("t", "363136200", {{setOid + " = Timeticks: (363136200) 42 days, 0:42:42.00"}}),
        set("a", "10.0.0.1", {{setOid + " = IpAddress: 10.0.0.1"}}),
        set("o", ".1.3.6.1.4", {{setOid + " = OID: .1.3.6.1.4$"}}),
        set("s", "hello world", {{setOid + " = STRING: \"hello world\""}}),
        set("x", "0a 1b", {{setOid + " = Hex-STRING: 0A 1B $"}}),
        set("d", "1.2.3", {{setOid + " = Hex-STRING: 01 02 03 $"}}),
        set("b", "1,3", {{setOid + " = STRING: \"P\""}}),
        set("n", "0", {{"Reason: wrongType"}, {"Failed object: " + setOid}}),
        set("i", "abc", {{setOid + ": Value out of range (abc)"}}),
        {"T131",
         "snmpget",
         Args({{"-c", "testcommunity1", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.1.0"}}),
         {{".1.3.6.1.2.1.1.1.0 = STRING:"}}},
        {"T131",
         "snmpget",
         Args({{"-c", "testcommunity2", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = Timeticks: "}}},
        {"T140",
         "snmpget",
         Args({{"-c", "testcommunity1", "-v", "1", kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{"Reason: (noSuchName) There is no such variable name in this MIB."}}},
        {"T140",
         "snmpget",
         Args({{"-c", "testcommunity2", "-v", "1", kAgent, ".1.3.6.1.2.1.1.1.0"}}),
         {{"Reason: (noSuchName) There is no such variable name in this MIB."}}},
        {"T141",
         "snmpget",
         Args({{"-c", "testcommunity1", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.3.0"}}),
         {{".1.3.6.1.2.1.1.3.0 = No Such Object available on this agent at this OID"}}},
        {"T141",
         "snmpset",
         Args({{"-c", "testcommunity1", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.5.0", "s", "dummy"}}),
         {{"Reason: noAccess"}}},
        {"T141",
         "snmpset",
         Args({{"-c", "testrwcommunity", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.5.0", "s", "dummy"}}),
         {{".1.3.6.1.2.1.1.5.0 = STRING: \"*dummy"}}},
        {"T141",
         "snmpset",
         Args({{"-c", "testrocommunity", "-v", "2c", kAgent, ".1.3.6.1.2.1.1.5.0", "s", "dummy"}}),
         {{"Reason: noAccess"}}},
    };
}

// Lines of `output` (stdout then stderr) matching `pattern` as grep matches it.
int MatchingLines(const ClientRun& run, const std::string& pattern) {
    const std::regex expression(pattern, std::regex::basic);
    int count = 0;
    for (const std::string& line : Lines(run.out + run.err)) {
        count += std::regex_search(line, expression) ? 1 : 0;
    }
    return count;
}

// Our command word for each of net-snmp's tools.
std::string OurCommand(const std::string& tool) {
    return tool == "snmpget"       ? "get"
           : tool == "snmpgetnext" ? "getnext"
           : tool == "snmpwalk"    ? "walk"
           : tool == "snmpset"     ? "set"
           : tool == "snmpbulkget" ? "bulkget"
                                   : "bulkwalk";
}

TEST(NetSnmpFulltests, OurToolPassesNetSnmpsClientChecksAsNetSnmpsToolsDo) {
    for (const char* tool :
         {"snmpd", "snmpget", "snmpgetnext", "snmpwalk", "snmpset", "snmpbulkget"}) {
        if (FindTool(tool).empty()) {
            const char* ci = std::getenv("CI");
            if (ci && std::string(ci) == "true") {
                FAIL() << tool << " is required in CI (Debian packages snmpd, snmp)";
            }
            GTEST_SKIP() << tool << " missing (Debian packages snmpd, snmp): skipped";
        }
    }
    QTemporaryDir scripts;
    const std::string pass = scripts.path().toStdString() + "/passtest";
    std::ofstream(pass) << PassScript();
    QFile::setPermissions(QString::fromStdString(pass),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    LoopbackSnmpd agent(FindTool("snmpd"), Configuration(pass));
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();

    for (const Capture& capture : Captures()) {
        std::vector<std::string> args = capture.args;
        for (std::string& arg : args) {
            if (arg == kAgent) {
                arg = agent.Address();
            }
        }
        SCOPED_TRACE(capture.script + " " + capture.tool + " " + ::testing::PrintToString(args));
        const ClientRun theirs = RunNetSnmp(capture.tool, args);
        args.insert(args.begin(), OurCommand(capture.tool));
        const ClientRun ours = RunClient(args);
        EXPECT_EQ(ours.exitCode, theirs.exitCode) << ours.err;
        for (const Check& check : capture.checks) {
            const int theirCount = MatchingLines(theirs, check.pattern);
            const int ourCount = MatchingLines(ours, check.pattern);
            if (check.count < 0) {
                EXPECT_GT(theirCount, 0) << check.pattern << "\n" << theirs.out << theirs.err;
                EXPECT_GT(ourCount, 0) << check.pattern << "\n" << ours.out << ours.err;
            } else {
                EXPECT_EQ(theirCount, check.count) << check.pattern;
                EXPECT_EQ(ourCount, check.count) << check.pattern << "\n" << ours.out;
            }
        }
    }
}

} // namespace
