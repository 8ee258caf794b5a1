#pragma once
// Runs the built taurel-snmp program and collects its exit status and output.

#include <string>
#include <vector>

struct ClientRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs it in `workDir` (empty: the current directory), for at most 20 s.
ClientRun RunClient(const std::vector<std::string>& args, const std::string& workDir = {});
// The lines of a program's output, without their line ends.
std::vector<std::string> Lines(const std::string& text);
