#pragma once
// The application object: it fixes the four texts that identify the managed switch, brings up
// the SNMP engine, makes sure only one window manages the device, and runs the main module
// window until it closes. Its destruction shuts the engine down.

#include "module/app/ProgramOptions.h"
#include "module/identity/ModuleIdentity.h"
#include "platform/ui/CWinApp.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CDemoAgent;
class CEventFeed;
class CModuleMainDlg;

class CModuleApp : public CWinApp, public CModuleIdentitySource {
public:
    explicit CModuleApp(ProgramOptions options = {});
    ~CModuleApp() override;

    // The start-up steps, in order; returns false: nothing is left running when it returns.
    BOOL InitInstance() override;
    // 0 after a normal run or when another instance was raised; 1 when start-up failed.
    int ExitCode() const { return m_exitCode; }

    // Defaults, then the options of the command line, then the agent octets.
    void TakeCommandLine(const std::string& commandLine);
    ModuleIdentity Identity() const override;
    std::string WindowTitle() const { return ModuleWindowTitle(Identity()); }

    std::string m_strDeviceName;
    std::string m_strAgentAddress;
    std::string m_strReadCommunity;
    std::string m_strWriteCommunity;
    std::array<std::uint8_t, 4> m_byAgentOctets{};
    bool m_bAgentOctetsValid = false;

private:
    bool StartDemoAgent();
    // The program's own listener, before the demo switch starts (it sends its coldStart then).
    void StartEventListener();
    void RunMainWindow();
    void ScheduleProgramOptions(CModuleMainDlg& main);
    static void QuitWhenUnwound(CModuleMainDlg& main, int attempt);
    void SaveScreenshots(CModuleMainDlg& main) const;

    ProgramOptions m_options;
    std::unique_ptr<CEventFeed> m_events;
    std::unique_ptr<CDemoAgent> m_demo;
    bool m_bSnmpStarted = false;
    int m_exitCode = 0;
};
