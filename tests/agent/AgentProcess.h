#pragma once
// taurel-agent as a child process on 127.0.0.1 (or ::1) and a free port.

#include <cstdint>
#include <string>

#include <QProcess>
#include <QStringList>

class AgentProcess {
public:
    // Starts the agent with `extraArgs` after "--listen HOST:0" (HOST 127.0.0.1, or [::1]
    // with `ipv6`) and waits for the line that names its port. Port() is 0 when that did not
    // happen.
    explicit AgentProcess(const QStringList& extraArgs = {}, bool ipv6 = false);
    ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    std::uint16_t Port() const { return m_port; }
    // "127.0.0.1:PORT" or "[::1]:PORT", as taurel and taurel-snmp take it.
    std::string Target() const { return m_host + ":" + std::to_string(m_port); }
    // Sends `signal` and waits for the exit; returns the exit code, or -1 when the agent did
    // not end normally.
    int Stop(int signal);

private:
    QProcess m_process;
    std::string m_host;
    std::uint16_t m_port = 0;
};

// Ensures a QCoreApplication exists for sockets, timers and processes.
void EnsureQtApplication();
