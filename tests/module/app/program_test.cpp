// The real program, started as a process: option errors, and one window per device.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

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
    // `display`: run on X at that display instead of offscreen.
    explicit Program(const QStringList& args, const QString& display = {}) {
        EnsureApp();
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
