#pragma once
// Runs the taurel-snmp program and collects its exit status and output.

#include <functional>
#include <string>
#include <vector>

struct ClientRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Path of the built program.
std::string ClientProgram();
// Runs it in `workDir` (empty: the current one); `whileRunning` is called repeatedly (to serve
// an in-test agent) until the program ends or `maxMs` pass.
ClientRun RunClient(const std::vector<std::string>& args, const std::string& workDir = {},
                    const std::function<void()>& whileRunning = {}, int maxMs = 20000);
