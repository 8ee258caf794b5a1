#include "tests/tools/ClientProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

std::string ClientProgram() {
    return TAUREL_SNMP_PATH;
}

ClientRun RunClient(const std::vector<std::string>& args, const std::string& workDir,
                    const std::function<void()>& whileRunning, int maxMs) {
    QProcess process;
    QStringList arguments;
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    if (!workDir.empty()) {
        process.setWorkingDirectory(QString::fromStdString(workDir));
    }
    process.start(QString::fromStdString(ClientProgram()), arguments);
    ClientRun run;
    if (!process.waitForStarted(5000)) {
        run.err = "cannot start " + ClientProgram();
        return run;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    while (process.state() != QProcess::NotRunning && elapsed.elapsed() < maxMs) {
        if (whileRunning) {
            whileRunning();
        }
        process.waitForFinished(10);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
        run.err = "taurel-snmp did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}
