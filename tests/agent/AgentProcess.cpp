#include "tests/agent/AgentProcess.h"

#include <csignal>
#include <memory>

#include <QCoreApplication>

void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "agent_tests";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
}

AgentProcess::AgentProcess(const QStringList& extraArgs) {
    EnsureQtApplication();
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(TAUREL_AGENT_PATH, QStringList{"--listen", "127.0.0.1:0"} + extraArgs);
    if (!m_process.waitForStarted(10000)) {
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    const QString prefix = "taurel-agent listening on 127.0.0.1:";
    if (line.startsWith(prefix)) {
        m_port = static_cast<std::uint16_t>(line.mid(prefix.size()).toUInt());
    }
}

AgentProcess::~AgentProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

int AgentProcess::Stop(int signal) {
    ::kill(static_cast<pid_t>(m_process.processId()), signal);
    if (!m_process.waitForFinished(10000) || m_process.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return m_process.exitCode();
}
