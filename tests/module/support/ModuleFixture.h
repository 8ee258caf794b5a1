#pragma once
// What the program's tests share: a simulated switch in this process on 127.0.0.1 and a free
// port, the engine, a main window made for the test (not run modally), a scripted prompt, a
// manual clock for time-outs, and helpers to open a slot, click a control and wait for replies.
// With TAUREL_SCREENSHOTS=DIR set, Screenshot() saves a PNG of a window there.

#include "agent/CAgentServer.h"
#include "module/app/CModuleApp.h"
#include "module/app/SnmpSessionStart.h"
#include "module/mainwnd/CModuleMainDlg.h"
#include "platform/core/Clock.h"
#include "platform/ui/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The SNMPv3 user the program's tests give the simulated switch: "ops" at authPriv with SHA-256
// and AES, passphrases "auth-pass-1" and "priv-pass-1".
UsmUser TestOpsUser();

// With TAUREL_SCREENSHOTS=DIR set, saves a PNG of the window as DIR/NAME.png.
void SaveTestScreenshot(CWnd* wnd, const std::string& name);

class ModuleFixture : public ::testing::Test {
protected:
    // Starts the switch with the modules word and faults, then the engine and the main window.
    void StartModule(std::uint16_t modulesWord = 0x336A, FaultSettings faults = {});
    // The switch and the engine only, for tests that make their own windows.
    void StartEngine(std::uint16_t modulesWord = 0x336A, FaultSettings faults = {});
    void TearDown() override;

    // Stops the switch (nothing answers) and starts it again on the same port.
    void StopAgent();
    void RestartAgent(FaultSettings faults = {});

    // Delivers events until `done` holds or `ms` of real time have passed; whether it held.
    bool WaitFor(const std::function<bool()>& done, int ms = 3000);
    void PumpFor(int ms);
    // Moves the clock past the reply time-out and ticks the engine until nothing is outstanding.
    void ExpireRequests();
    std::size_t OutstandingRequests() const;
    // Waits until every request sent so far has had its answer.
    bool WaitForReplies(int ms = 3000);

    // Runs the main window's PANEL_MSG handling for slot n; the dialog that is open there now.
    CWnd* OpenSlot(int slot);
    // A left click in the middle of the control with this id inside `dialog`.
    void ClickControl(CWnd* dialog, UINT id);
    void Screenshot(CWnd* wnd, const std::string& name) const;

    std::string AgentAddress() const;

    Clock::Manual clock{1000000};
    // The switch's time in milliseconds (its traffic follows it); the steady clock when empty.
    // Set before StartModule or StartEngine.
    std::function<std::int64_t()> agentClock;
    // What the switch answers besides SNMPv1, and how the engine speaks to it (SNMPv1 unless
    // set), with the passphrases of an SNMPv3 session. Set before StartModule or StartEngine.
    AgentProtocols agentProtocols;
    SnmpSessionOptions session;
    SnmpSecrets sessionSecrets;
    ScriptedPrompt prompt;
    std::unique_ptr<CAgentServer> agent;
    std::unique_ptr<CModuleApp> app;
    std::unique_ptr<CModuleMainDlg> main;

private:
    bool StartAgent(std::uint16_t port, FaultSettings faults);

    std::uint16_t m_modulesWord = 0;
    std::uint16_t m_port = 0;
};
