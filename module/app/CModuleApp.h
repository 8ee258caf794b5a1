#pragma once
// The application object: it fixes the four texts that identify the managed switch, brings up
// the SNMP engine, makes sure only one window manages the device, and runs the main module
// window until it closes. Its destruction shuts the engine down.

#include "module/app/PassphrasePrompt.h"
#include "module/app/ProgramOptions.h"
#include "module/app/RecentSwitches.h"
#include "module/app/StartDialogPrompt.h"
#include "module/identity/ModuleIdentity.h"
#include "platform/ui/CWinApp.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
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
    // Asks which switch to manage and takes the answer as the command line it stands for;
    // false, the exit code set, when nothing is to start (CModuleAppChoice.cpp).
    bool ChooseSwitch();
    // Adds the chosen switch to the recent ones once its session started, with the
    // passphrases it started with when they are to be remembered.
    void RememberChosenSwitch(const SnmpSecrets& secrets);
    bool StartDemoAgent();
    // The engine told how to speak to the switch (CModuleAppSession.cpp); false, the exit code
    // set and the reason written, when the passphrases could not be had or used.
    bool StartSession();
    // The program's own listener, before the demo switch starts (it sends its coldStart then).
    void StartEventListener();
    // Runs the main window; `running` points at it meanwhile, for the instance lock.
    void RunMainWindow(CModuleMainDlg*& running);
    void ScheduleProgramOptions(CModuleMainDlg& main);
    static void QuitWhenUnwound(CModuleMainDlg& main, int attempt);
    void SaveScreenshots(CModuleMainDlg& main) const;

    ProgramOptions m_options;
    std::unique_ptr<CEventFeed> m_events;
    std::unique_ptr<CDemoAgent> m_demo;
    PassphraseAsker m_askPassphrases = AskPassphrasesInDialog;
    SwitchChooser m_chooseSwitch = ChooseSwitchInDialog;
    // The switch chosen in the start dialog, until it joins the recent ones.
    std::optional<RecentSwitch> m_chosenSwitch;
    bool m_bSnmpStarted = false;
    int m_exitCode = 0;
};
