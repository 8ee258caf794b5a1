#pragma once
// The four texts that identify the managed switch for the whole run, and the title that
// identifies the window managing it.

#include <array>
#include <cstdint>
#include <string>

struct ModuleIdentity {
    std::string deviceName = "Mirova";
    // Where nothing else is said, the agent on this machine.
    std::string agentAddress = "127.0.0.1";
    std::string readCommunity = "tessla";
    std::string writeCommunity = "marbelo";
};

// Device name, ":", agent address, with no spaces: the main window's title, by which a second
// start finds the instance that already manages the device.
std::string ModuleWindowTitle(const ModuleIdentity& identity);
