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
    // How the switch is spoken to, in the words of the program's log lines ("SNMPv1",
    // "SNMPv2c", "SNMPv3 user ..."), so the About box can say so.
    std::string snmpSession = "SNMPv1";
};

// Device name, ":", agent address, with no spaces: the main window's title, by which a second
// start finds the instance that already manages the device.
std::string ModuleWindowTitle(const ModuleIdentity& identity);

// The application object that fixes the identity for the run implements this, so dialogs can
// ask for it without knowing the application class.
class CModuleIdentitySource {
public:
    virtual ModuleIdentity Identity() const = 0;

protected:
    ~CModuleIdentitySource() = default;
};

// The running application's identity; the defaults when no application gives one (tests that
// make dialogs without the program).
ModuleIdentity SwitchIdentity();
