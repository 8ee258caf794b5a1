// nmdialog-browser with -v 3 and -v 2c: the options it takes, and snmpd's system group read
// through an authPriv user and a community only SNMPv2c may use, the same values a v1 community
// reads; a run the agent answered nothing fails.
#include "tests/tools/LoopbackSnmpd.h"
#include "tools/nmdialog-browser/BrowserArgs.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct BrowserRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

BrowserRun RunBrowserFully(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(NMDIALOG_BROWSER_PATH, args);
    if (!process.waitForFinished(30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

std::string RunBrowser(const QStringList& args) {
    return RunBrowserFully(args).out;
}

TEST(BrowserV3Args, TakesTaurelSnmpsUserOptionsAndNeedsAUser) {
    BrowserOptions o;
    std::string error;
    ASSERT_TRUE(
        ParseBrowserArgs({"127.0.0.1", "get", "-v", "3", "-u", "ops", "-l", "authPriv", "-a",
                          "SHA-256", "-A", "auth-pass", "-x", "AES", "-X", "priv-pass"},
                         o, error))
        << error;
    EXPECT_TRUE(o.v3);
    EXPECT_EQ(o.usm.userName, "ops");
    EXPECT_EQ(o.usm.auth, UsmAuthProtocol::SHA256);
    EXPECT_FALSE(ParseBrowserArgs({"127.0.0.1", "get", "-v", "3"}, o, error));
    EXPECT_EQ(error, "SNMPv3 needs a user name (-u)");
    EXPECT_FALSE(ParseBrowserArgs({"127.0.0.1", "get", "-v", "2"}, o, error));
    ASSERT_TRUE(ParseBrowserArgs({"127.0.0.1", "get", "-v", "2c"}, o, error)) << error;
    EXPECT_TRUE(o.v2c);
    EXPECT_FALSE(o.v3);
}

TEST(BrowserV3Interop, AnAuthPrivUserReadsWhatTheCommunityReads) {
    const std::string snmpd = FindTool("snmpd");
    if (snmpd.empty())
        GTEST_SKIP() << "snmpd missing (Debian package snmpd): skipped";
    LoopbackSnmpd agent(snmpd, "rocommunity tessla 127.0.0.1\n"
                               "createUser ops SHA-256 \"auth-pass\" AES \"priv-pass\"\n"
                               "rouser ops authPriv\n");
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();
    const QString address = QString::fromStdString(agent.Address());
    // sysName, sysLocation and sysContact only: sysUpTime moves between the two runs.
    const auto stable = [](const std::string& rows) {
        std::string kept;
        for (const char* name : {"sysContact\t", "sysName\t", "sysLocation\t"}) {
            const std::size_t at = rows.find(name);
            kept += at == std::string::npos ? "-" : rows.substr(at, rows.find('\n', at) - at);
            kept += "\n";
        }
        return kept;
    };
    const std::string v1 = RunBrowser({address, "get", "--quit-after", "2"});
    const std::string v3 =
        // A community the agent refuses: only the v3 user can read anything.
        RunBrowser({address, "get",       "--quit-after", "2",   "-c",       "refused",  "-v",
                    "3",     "-u",        "ops",          "-l",  "authPriv", "-a",       "SHA-256",
                    "-A",    "auth-pass", "-x",           "AES", "-X",       "priv-pass"});
    EXPECT_NE(stable(v1).find("sysName\t"), std::string::npos) << v1;
    EXPECT_NE(stable(v1), "-\n-\n-\n");
    EXPECT_EQ(stable(v3), stable(v1)) << v3;
}

TEST(BrowserV2cInterop, AV2cOnlyCommunityIsReadWithV2cAndARunAnsweredByNothingFails) {
    const std::string snmpd = FindTool("snmpd");
    if (snmpd.empty())
        GTEST_SKIP() << "snmpd missing (Debian package snmpd): skipped";
    LoopbackSnmpd agent(snmpd, "com2sec v2only 127.0.0.1 modern\n"
                               "group v2group v2c v2only\n"
                               "view everything included .1\n"
                               "access v2group \"\" v2c noauth exact everything none none\n");
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();
    const QString address = QString::fromStdString(agent.Address());
    const BrowserRun v2c =
        RunBrowserFully({address, "get", "-v", "2c", "-c", "modern", "--quit-after", "2"});
    EXPECT_EQ(v2c.exitCode, 0) << v2c.err;
    EXPECT_NE(v2c.out.find("sysName\t"), std::string::npos) << v2c.out;
    EXPECT_EQ(v2c.out.find("sysName\t\n"), std::string::npos) << "the value is read: " << v2c.out;

    // The same community in SNMPv1 gets no answer: the empty rows are no result.
    const BrowserRun v1 =
        RunBrowserFully({address, "get", "-c", "modern", "-t", "300", "--quit-after", "1.5"});
    EXPECT_EQ(v1.exitCode, 1);
    EXPECT_NE(v1.out.find("sysName\t\n"), std::string::npos) << v1.out;
    EXPECT_NE(v1.err.find("nmdialog-browser: " + agent.Address() + " answered no request: timeout"),
              std::string::npos)
        << v1.err;
}

} // namespace
