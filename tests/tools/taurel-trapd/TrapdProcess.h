#pragma once
// taurel-trapd as a child process on 127.0.0.1 and a free port, with its journal in a folder
// of the test's own; what it prints is collected as it comes.

#include <cstdint>
#include <functional>
#include <string>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class TrapdProcess {
public:
    // Starts taurel-trapd with "--listen 127.0.0.1:0 --journal DIR/j.sqlite" and `extraArgs`,
    // and waits for the line naming its port. Port() is 0 when that did not happen.
    // With `outputToFile` standard output goes to a file, as a service's would: a reader that
    // falls behind can never hold the receiver up.
    explicit TrapdProcess(const QStringList& extraArgs = {}, bool outputToFile = false);
    ~TrapdProcess();
    TrapdProcess(const TrapdProcess&) = delete;
    TrapdProcess& operator=(const TrapdProcess&) = delete;

    std::uint16_t Port() const { return m_port; }
    std::string Journal() const { return m_journal; }
    std::string Dir() const { return m_dir.path().toStdString(); }
    // Everything printed on standard output so far.
    const std::string& Out();
    // Pumps events until `done` holds or `ms` pass; returns `done()`.
    bool WaitFor(const std::function<bool()>& done, int ms = 10000);
    // SIGTERM and the exit; returns everything it printed on standard error.
    std::string Stop();
    // SIGKILL, as a crash would end it.
    void Kill();
    int ExitCode() const { return m_process.exitCode(); }

private:
    QTemporaryDir m_dir;
    std::string m_journal;
    QProcess m_process;
    std::uint16_t m_port = 0;
    std::string m_out;
    std::string m_outFile;
    std::string m_err;
};

// The path of the taurel-trapd built in this tree.
std::string TrapdPath();
