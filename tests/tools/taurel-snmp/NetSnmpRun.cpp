#include "tests/tools/taurel-snmp/NetSnmpRun.h"

#include <QProcess>
#include <QStringList>

#include "tests/tools/LoopbackSnmpd.h"

namespace {

// "NAME = Counter32: " for a line whose value may change between reads; empty otherwise.
std::string ChangingValuePrefix(const std::string& line) {
    const std::size_t equals = line.find(" = ");
    if (equals == std::string::npos) {
        return {};
    }
    for (const char* type : {"Counter32: ", "Counter64: ", "Gauge32: ", "Timeticks: "}) {
        if (line.compare(equals + 3, std::string(type).size(), type) == 0) {
            return line.substr(0, equals + 3 + std::string(type).size());
        }
    }
    return {};
}

} // namespace

ClientRun RunNetSnmp(const std::string& program, const std::vector<std::string>& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    process.setProcessEnvironment(env);
    QStringList arguments = {"-On"};
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    process.start(QString::fromStdString(FindTool(program.c_str())), arguments);
    ClientRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(2000);
        run.err = program + " did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

std::string FirstDifferingLine(const std::string& ours, const std::string& theirs) {
    const std::vector<std::string> a = Lines(ours);
    const std::vector<std::string> b = Lines(theirs);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(none)";
        const std::string y = i < b.size() ? b[i] : "(none)";
        const std::string prefix = ChangingValuePrefix(x);
        if (x != y && (prefix.empty() || prefix != ChangingValuePrefix(y))) {
            return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
        }
    }
    return {};
}
