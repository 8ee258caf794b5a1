#pragma once
// net-snmp's snmpd as the real peer of the tools' tests: in the foreground on 127.0.0.1 (or ::1)
// and a free port, with a generated configuration and its own state folder, logging to a file
// there, and stopped however the test ends.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <cstdint>
#include <fstream>
#include <string>

// A program of Debian's net-snmp packages (snmpd in /usr/sbin); empty when not installed.
inline std::string FindTool(const char* name) {
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/local/sbin", "/usr/bin"})
        .toStdString();
}

class LoopbackSnmpd {
public:
    // `ipv6`: on [::1] (udp6) instead of 127.0.0.1.
    LoopbackSnmpd(const std::string& program, const std::string& configuration, bool ipv6 = false)
        : m_ipv6(ipv6) {
        QUdpSocket probe;
        probe.bind(ipv6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost, 0);
        m_port = probe.localPort();
        probe.close();
        const QString dir = m_dir.path();
        std::ofstream(dir.toStdString() + "/snmpd.conf") << configuration;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", dir + "/persist");
        env.insert("MIBS", "");
        m_process.setProcessEnvironment(env);
        m_process.start(QString::fromStdString(program),
                        {"-f", "-C", "-c", dir + "/snmpd.conf", "-Lf", dir + "/snmpd.log", "-p",
                         dir + "/snmpd.pid",
                         QString(ipv6 ? "udp6:[::1]:%1" : "udp:127.0.0.1:%1").arg(m_port)});
    }
    ~LoopbackSnmpd() {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    // snmpd logs its version line once its endpoint is open.
    bool WaitReady() {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 10000 && m_process.state() != QProcess::NotRunning) {
            if (Log().find("NET-SNMP version") != std::string::npos)
                return true;
            m_process.waitForFinished(50);
        }
        return false;
    }
    std::string Log() const {
        QFile file(m_dir.path() + "/snmpd.log");
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    std::string Address() const {
        return (m_ipv6 ? "[::1]:" : "127.0.0.1:") + std::to_string(m_port);
    }
    std::string Dir() const { return m_dir.path().toStdString(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_ipv6 = false;
    std::uint16_t m_port = 0;
};
