#pragma once
// The command line of taurel-agent.

#include <string>
#include <vector>

#include "agent/CAgentServer.h"

struct AgentOptions {
    std::string listenAddress = "127.0.0.1";
    std::uint16_t listenPort = 1161;
    AgentCommunities communities;
    SwitchSetup device;
    FaultSettings faults;
    std::uint16_t trapPort = 162;
    TrapReceiverMap trapReceivers;
    std::size_t linkFlapPort = 0; // from 1; 0: none
    int linkFlapSeconds = 10;
    AgentProtocols protocols;
    bool verbose = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program name. Returns false with `error` set for an unknown
// option, a missing value or a value out of range.
bool ParseAgentOptions(const std::vector<std::string>& args, AgentOptions& options,
                       std::string& error);

// The exit status of a command line that cannot be read.
constexpr int kAgentUsageExit = 2;

std::string AgentUsage();
