#pragma once
// taurel-agent as a child process on 127.0.0.1 and a free port.

#include <cstdint>
#include <string>

#include <QProcess>
#include <QStringList>

class AgentProcess {
public:
    // Starts the agent with `extraArgs` after "--listen 127.0.0.1:0" and waits for the line
    // that names its port. Port() is 0 when that did not happen.
    explicit AgentProcess(const QStringList& extraArgs = {});
    ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    std::uint16_t Port() const { return m_port; }
    std::string Target() const { return "127.0.0.1:" + std::to_string(m_port); }
    // Sends `signal` and waits for the exit; returns the exit code, or -1 when the agent did
    // not end normally.
    int Stop(int signal);

private:
    QProcess m_process;
    std::uint16_t m_port = 0;
};

// Ensures a QCoreApplication exists for sockets, timers and processes.
void EnsureQtApplication();
