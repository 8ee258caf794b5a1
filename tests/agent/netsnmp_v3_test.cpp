// net-snmp's snmpget, snmpwalk, snmpbulkwalk and snmpset as the manager of taurel-agent over
// SNMPv2c and SNMPv3 (every authentication protocol, without and with AES privacy): the same
// objects read the same as over SNMPv1.

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "tests/agent/AgentProcess.h"

namespace {

const std::vector<std::string> kAuthProtocols = {"MD5",     "SHA",     "SHA-224",
                                                 "SHA-256", "SHA-384", "SHA-512"};
const std::string kAuthPass = "agent-auth-1";
const std::string kPrivPass = "agent-priv-1";
const QString kSysContact = ".1.3.6.1.2.1.1.4.0";
const QString kSysName = ".1.3.6.1.2.1.1.5.0";
// The switch's identification, a port's speed and a trap receiver's row.
const QStringList kObjects = {".1.3.6.1.2.1.1.1.0", ".1.3.6.1.2.1.1.2.0",
                              ".1.3.6.1.4.1.88888.11.9.1.2.2.1.10.1.3",
                              ".1.3.6.1.4.1.88888.11.1.3.10.1.2.192.0.2.10"};

std::string UserName(const std::string& auth, bool priv) {
    return auth + (priv ? "-authPriv" : "-authNoPriv");
}

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

ToolRun Tool(const QString& tool, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, QStringList{"-On", "-t", "2", "-r", "0"} + args);
    ToolRun run;
    if (process.waitForFinished(30000))
        run.exitCode = process.exitCode();
    run.out = process.readAll().toStdString();
    return run;
}

QStringList V3Options(const std::string& auth, bool priv) {
    QStringList options = {"-v3",
                           "-u",
                           QString::fromStdString(UserName(auth, priv)),
                           "-l",
                           priv ? "authPriv" : "authNoPriv",
                           "-a",
                           QString::fromStdString(auth),
                           "-A",
                           QString::fromStdString(kAuthPass)};
    if (priv)
        options << "-x"
                << "AES"
                << "-X" << QString::fromStdString(kPrivPass);
    return options;
}

// A walk's lines without sysUpTime, whose value moves between two walks, and sysName, which
// the tests write.
std::string Steady(const std::string& walk) {
    std::string out;
    std::size_t start = 0;
    while (start < walk.size()) {
        std::size_t end = walk.find('\n', start);
        end = end == std::string::npos ? walk.size() : end + 1;
        const std::string line = walk.substr(start, end - start);
        if (line.rfind(".1.3.6.1.2.1.1.3.0 ", 0) != 0 && line.rfind(".1.3.6.1.2.1.1.5.0 ", 0) != 0)
            out += line;
        start = end;
    }
    return out;
}

class AgentNetSnmpV3 : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"snmpget", "snmpwalk", "snmpbulkwalk", "snmpset"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty()) {
                if (qEnvironmentVariable("CI") == "true")
                    FAIL() << tool << " is missing (install the Debian package snmp)";
                GTEST_SKIP() << tool << " not installed: net-snmp interoperability not tested";
            }
        }
        QStringList args = {"--v2c"};
        for (const std::string& auth : kAuthProtocols) {
            args << "--v3-user"
                 << QString::fromStdString(UserName(auth, false) + ":" + auth + ":" + kAuthPass)
                 << "--v3-user"
                 << QString::fromStdString(UserName(auth, true) + ":" + auth + ":" + kAuthPass +
                                           ":AES:" + kPrivPass);
        }
        agent = std::make_unique<AgentProcess>(args);
        ASSERT_NE(agent->Port(), 0);
        target = QString::fromStdString(agent->Target());
        v1 = {"-v1", "-c", "tessla", target};
        v1Write = {"-v1", "-c", "marbelo", target};
    }

    std::unique_ptr<AgentProcess> agent;
    QString target;
    QStringList v1, v1Write;
};

TEST_F(AgentNetSnmpV3, SnmpV2cReadsWritesAndWalksAsSnmpV1Does) {
    const QStringList v2 = {"-v2c", "-c", "tessla", target};
    const ToolRun get1 = Tool("snmpget", v1 + kObjects);
    const ToolRun get2 = Tool("snmpget", v2 + kObjects);
    ASSERT_EQ(get2.exitCode, 0) << get2.out;
    EXPECT_EQ(get2.out, get1.out);
    const ToolRun walk1 = Tool("snmpwalk", v1 + QStringList{".1.3.6.1.2.1.1"});
    const ToolRun bulk = Tool("snmpbulkwalk", v2 + QStringList{"-Cr7", ".1.3.6.1.2.1"});
    ASSERT_EQ(bulk.exitCode, 0) << bulk.out;
    EXPECT_EQ(Steady(Tool("snmpwalk", v2 + QStringList{".1.3.6.1.2.1.1"}).out), Steady(walk1.out));
    EXPECT_EQ(Steady(bulk.out), Steady(Tool("snmpwalk", v1 + QStringList{".1.3.6.1.2.1"}).out));

    // A missing object is an exception in words; a write names its reason.
    const ToolRun missing = Tool("snmpget", v2 + QStringList{".1.3.6.1.2.1.1.1.7"});
    EXPECT_NE(missing.out.find("No Such Instance"), std::string::npos) << missing.out;
    const ToolRun set =
        Tool("snmpset", {"-v2c", "-c", "marbelo", target, kSysContact, "s", "noc over v2c"});
    ASSERT_EQ(set.exitCode, 0) << set.out;
    EXPECT_NE(Tool("snmpget", v1 + QStringList{kSysContact}).out.find("noc over v2c"),
              std::string::npos);
    const ToolRun readOnly =
        Tool("snmpset", {"-v2c", "-c", "marbelo", target, ".1.3.6.1.2.1.1.1.0", "s", "x"});
    EXPECT_NE(readOnly.out.find("notWritable"), std::string::npos) << readOnly.out;
}

TEST_F(AgentNetSnmpV3, EveryAuthAndPrivPairGetsWalksAndSetsAsSnmpV1) {
    const std::string expected = Tool("snmpget", v1 + kObjects).out;
    const std::string system = Steady(Tool("snmpwalk", v1 + QStringList{".1.3.6.1.2.1.1"}).out);
    for (const std::string& auth : kAuthProtocols) {
        for (const bool priv : {false, true}) {
            SCOPED_TRACE(UserName(auth, priv));
            const QStringList v3 = V3Options(auth, priv) << target;
            const ToolRun get = Tool("snmpget", v3 + kObjects);
            ASSERT_EQ(get.exitCode, 0) << get.out;
            EXPECT_EQ(get.out, expected);
            const ToolRun walk = Tool("snmpwalk", v3 + QStringList{".1.3.6.1.2.1.1"});
            ASSERT_EQ(walk.exitCode, 0) << walk.out;
            EXPECT_EQ(Steady(walk.out), system);
            const QString name = QString::fromStdString("via " + UserName(auth, priv));
            const ToolRun set = Tool("snmpset", v3 + QStringList{kSysName, "s", name});
            ASSERT_EQ(set.exitCode, 0) << set.out;
            const ToolRun readBack = Tool("snmpget", v1 + QStringList{kSysName});
            EXPECT_NE(readBack.out.find("\"" + name.toStdString() + "\""), std::string::npos)
                << readBack.out;
        }
    }
    // A wrong passphrase is refused in net-snmp's words, at once.
    QStringList wrong = V3Options("SHA", true);
    wrong[wrong.indexOf("-A") + 1] = "not-the-passphrase";
    const ToolRun refused = Tool("snmpget", wrong << target << kSysContact);
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.out.find("Authentication failure"), std::string::npos) << refused.out;
}

} // namespace
