#include "tests/tools/taurel-snmp/ClientProcess.h"

#include <QProcess>
#include <QStringList>

#include <sstream>

ClientRun RunClient(const std::vector<std::string>& args, const std::string& workDir) {
    QProcess process;
    QStringList arguments;
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    if (!workDir.empty()) {
        process.setWorkingDirectory(QString::fromStdString(workDir));
    }
    process.start(TAUREL_SNMP_PATH, arguments);
    ClientRun run;
    if (!process.waitForFinished(20000)) {
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}
