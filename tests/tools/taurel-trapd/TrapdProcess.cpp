#include "tests/tools/taurel-trapd/TrapdProcess.h"

#include <csignal>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

std::string TrapdPath() {
    return TAUREL_TRAPD_PATH;
}

TrapdProcess::TrapdProcess(const QStringList& extraArgs, bool outputToFile)
    : m_journal(m_dir.filePath("j.sqlite").toStdString()) {
    if (outputToFile) {
        m_outFile = m_dir.filePath("out.txt").toStdString();
        m_process.setStandardOutputFile(QString::fromStdString(m_outFile));
    }
    QStringList args = {"--listen", "127.0.0.1:0", "--journal", QString::fromStdString(m_journal)};
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QString::fromStdString(TrapdPath()), args + extraArgs);
    if (!m_process.waitForStarted(10000)) {
        return;
    }
    const std::string prefix = "taurel-trapd listening on 127.0.0.1:";
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 10000 && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        m_err += m_process.readAllStandardError().toStdString();
        const std::size_t at = m_err.find(prefix);
        if (at != std::string::npos && m_err.find(',', at) != std::string::npos) {
            m_port = static_cast<std::uint16_t>(std::stoul(m_err.substr(at + prefix.size())));
            return;
        }
    }
}

TrapdProcess::~TrapdProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

const std::string& TrapdProcess::Out() {
    if (m_outFile.empty()) {
        m_out += m_process.readAllStandardOutput().toStdString();
    } else {
        QFile file(QString::fromStdString(m_outFile));
        m_out = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    return m_out;
}

bool TrapdProcess::WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_process.waitForReadyRead(20);
    }
    return true;
}

std::string TrapdProcess::Stop() {
    if (m_process.processId() > 0) {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
        m_process.waitForFinished(10000);
    }
    Out();
    m_err += m_process.readAllStandardError().toStdString();
    return m_err;
}

void TrapdProcess::Kill() {
    m_process.kill();
    m_process.waitForFinished(10000);
    Out();
}
