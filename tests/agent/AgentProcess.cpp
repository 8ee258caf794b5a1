#include "tests/agent/AgentProcess.h"

#include <csignal>

#include <QCoreApplication>

void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "agent_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        // Kept to the end of the process: destroying it among the static destructors would
        // race Qt's own global teardown.
        new QCoreApplication(argc, argv);
    }
}

AgentProcess::AgentProcess(const QStringList& extraArgs, bool ipv6)
    : m_host(ipv6 ? "[::1]" : "127.0.0.1") {
    EnsureQtApplication();
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(TAUREL_AGENT_PATH,
                    QStringList{"--listen", QString::fromStdString(m_host) + ":0"} + extraArgs);
    if (!m_process.waitForStarted(10000)) {
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    const QString prefix = QString::fromStdString("taurel-agent listening on " + m_host + ":");
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
    const qint64 pid = m_process.processId();
    if (pid <= 0) {
        return -1; // never started: signalling pid 0 would hit our own process group
    }
    ::kill(static_cast<pid_t>(pid), signal);
    if (!m_process.waitForFinished(10000) || m_process.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return m_process.exitCode();
}
