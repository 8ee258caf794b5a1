// The real program, started as a process: option and address errors, what its status line
// says, an IPv6 agent, and one window per device.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

#include "tests/agent/AgentProcess.h"

namespace {

QCoreApplication* EnsureApp() {
    static int argc = 1;
    static char name[] = "program_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app;
}

struct Program {
    // `display`: run on X at that display instead of offscreen; `workDir`: where it runs.
    explicit Program(const QStringList& args, const QString& display = {},
                     const QString& workDir = {}) {
        EnsureApp();
        if (!workDir.isEmpty())
            process.setWorkingDirectory(workDir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        process.setProcessEnvironment(env);
        process.start(TAUREL_PATH, args);
        process.waitForStarted();
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    QProcess process;
};

TEST(Program, AnUnknownLongOptionExitsWithUsageCodeAndNoWindow) {
    Program p({"/NSw", "--x"});
    ASSERT_TRUE(p.process.waitForFinished(10000));
    EXPECT_EQ(p.process.exitCode(), 64);
    EXPECT_EQ(p.process.readAllStandardError().trimmed(), "taurel: unknown option --x");
}

TEST(Program, WithoutADisplayOneLineSaysSoAndTheExitStatusIsOne) {
    Program p({"--demo"}, ":9999");
    ASSERT_TRUE(p.process.waitForFinished(20000));
    EXPECT_EQ(p.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.process.exitCode(), 1);
    EXPECT_EQ(p.process.readAllStandardError(),
              "taurel: cannot open a display (DISPLAY=:9999); set DISPLAY, or "
              "QT_QPA_PLATFORM=offscreen to draw offscreen\n");
}

TEST(Program, ScreenshotOfTheDemoIsWrittenAndTheProgramEnds) {
    QTemporaryDir dir;
    QString prefix = dir.filePath("shot");
    Program p({"--demo", "--screenshot", prefix, "--open", "27", "--quit-after", "1"});
    ASSERT_TRUE(p.process.waitForFinished(20000));
    EXPECT_EQ(p.process.exitCode(), 0) << p.process.readAllStandardError().toStdString();
    EXPECT_GT(QFileInfo(prefix + "-main.png").size(), 1000);
    EXPECT_TRUE(QFileInfo::exists(prefix + "-slot27.png"));
}

TEST(Program, ABadAgentAddressOrSlotIsRefusedInOneLineAndNothingIsSentOrLogged) {
    QTemporaryDir dir;
    const std::pair<const char*, const char*> refused[] = {
        {"/I127.0.0.1:99999", "taurel: bad agent address /I127.0.0.1:99999: the port must be a "
                              "number from 1 to 65535\n"},
        {"/Ifoo.invalid.", "taurel: bad agent address /Ifoo.invalid.: no such host\n"},
        {"/I127.0.0.1:", "taurel: bad agent address /I127.0.0.1:: the port must be a number "
                         "from 1 to 65535\n"},
        {"/I[::1", "taurel: bad agent address /I[::1: the IPv6 address has no closing "
                   "bracket\n"},
        {"/I:::1", "taurel: bad agent address /I:::1: not an IPv6 address\n"},
    };
    for (const auto& [address, line] : refused) {
        Program p({address, "--packet-log", "--quit-after", "2"}, {}, dir.path());
        ASSERT_TRUE(p.process.waitForFinished(10000)) << address;
        EXPECT_EQ(p.process.exitCode(), 64) << address;
        EXPECT_EQ(p.process.readAllStandardError().toStdString(), line);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("snmp.log"))) << address;
    }
    Program slot({"--open", "999", "--packet-log"}, {}, dir.path());
    ASSERT_TRUE(slot.process.waitForFinished(10000));
    EXPECT_EQ(slot.process.exitCode(), 64);
    EXPECT_EQ(slot.process.readAllStandardError().count('\n'), 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("snmp.log")));
}

TEST(Program, ASilentAgentIsNamedOnTheMainStatusLineWithinTwoSeconds) {
    Program p({"/I127.0.0.1:1", "/Rsecret", "--quit-after", "2", "--print"});
    ASSERT_TRUE(p.process.waitForFinished(15000));
    EXPECT_EQ(p.process.exitCode(), 0) << p.process.readAllStandardError().toStdString();
    const std::string out = p.process.readAllStandardOutput().toStdString();
    EXPECT_EQ(out, "main: No response from 127.0.0.1:1\n") << "never the community";
}

TEST(Program, AnIPv6AgentIsManagedEndToEnd) {
    AgentProcess agent({}, true);
    ASSERT_NE(agent.Port(), 0) << "taurel-agent --listen [::1]:0";
    const QString address = QString::fromStdString(agent.Target());
    Program p({"/I" + address, "--open", "device-information", "--quit-after", "3", "--print"});
    ASSERT_TRUE(p.process.waitForFinished(15000));
    EXPECT_EQ(p.process.exitCode(), 0) << p.process.readAllStandardError().toStdString();
    const std::string out = p.process.readAllStandardOutput().toStdString();
    EXPECT_EQ(out.rfind("main: \nslot 0: Device Information\n", 0), 0u) << out;
    EXPECT_NE(out.find("Number of Ports\t28"), std::string::npos) << out;
}

TEST(Program, ASecondDemoRaisesTheFirstInsteadOfStartingAnotherSwitch) {
    const QString name = "/NDemo" + QString::number(QCoreApplication::applicationPid());
    Program first({name, "--demo", "--quit-after", "30"});
    QElapsedTimer started;
    started.start();
    while (started.elapsed() < 1500)
        first.process.waitForFinished(100);
    ASSERT_EQ(first.process.state(), QProcess::Running);
    Program again({name, "--demo"});
    ASSERT_TRUE(again.process.waitForFinished(5000));
    EXPECT_EQ(again.process.exitCode(), 0);
    EXPECT_EQ(first.process.state(), QProcess::Running);
}

TEST(Program, ASecondStartForTheSameDeviceRaisesTheFirstAndEnds) {
    const QString name = "/NSingle" + QString::number(QCoreApplication::applicationPid());
    Program first({name, "/I127.0.0.1:9", "--quit-after", "30"});
    QElapsedTimer started;
    started.start();
    // The first instance holds its lock once its window is up.
    while (started.elapsed() < 1500)
        first.process.waitForFinished(100);
    ASSERT_EQ(first.process.state(), QProcess::Running);

    QElapsedTimer second;
    second.start();
    Program again({name, "/I127.0.0.1:9"});
    ASSERT_TRUE(again.process.waitForFinished(5000));
    EXPECT_EQ(again.process.exitCode(), 0);
    EXPECT_LT(second.elapsed(), 2000);
    EXPECT_EQ(first.process.state(), QProcess::Running);

    Program other({name, "/I127.0.0.2:9", "--quit-after", "30"});
    EXPECT_FALSE(other.process.waitForFinished(1500)) << "another address is another device";
}

TEST(Program, TheDemoPrintsItsSwitchsStartAndAScheduledLinkFlapInTheEventsWindow) {
    Program p({"--demo", "--open", "events", "--link-flap", "1,3", "--quit-after", "5", "--print"});
    ASSERT_TRUE(p.process.waitForFinished(30000));
    EXPECT_EQ(p.process.exitCode(), 0) << p.process.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(p.process.readAllStandardOutput());
    const QStringList lines = out.split('\n');
    ASSERT_TRUE(lines.contains("slot 318: Events")) << out.toStdString();
    // Rows by their kind, newest first as printed.
    auto rows = [&](const QString& kind) {
        std::vector<int> at;
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].split('\t').value(1) == kind)
                at.push_back(i);
        return at;
    };
    const auto started = rows("coldStart");
    const auto down = rows("linkDown port 1");
    const auto up = rows("linkUp port 1");
    ASSERT_EQ(started.size(), 1u) << out.toStdString();
    ASSERT_FALSE(down.empty()) << out.toStdString();
    ASSERT_FALSE(up.empty()) << out.toStdString();
    EXPECT_TRUE(lines[down.back()].endsWith("\tifIndex.1 = 1")) << out.toStdString();
    // The switch started, then the link went down, then it came back.
    EXPECT_LT(down.back(), started.front());
    EXPECT_LT(up.front(), down.back());
}

} // namespace
