#pragma once
// The front panel (control 700 of the main window): the chassis with its modules, ports and
// LEDs, kept current by polling the switch. Clicking a port selects it; double-clicking opens
// its information. It reports to the main window with PANEL_PORT_SELECTED, PANEL_OPEN_PORT and
// PANEL_AGENT_STATE.

#include "module/dialogbase/OutstandingRequest.h"
#include "module/layout/PanelLayout.h"
#include "module/panel/CLedStatus.h"
#include "module/panel/CPanelLed.h"
#include "module/panel/CPanelPicture.h"
#include "module/panel/CPanelPort.h"
#include "platform/ui/CWnd.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CSnmpClass;
class CSnmpMsg;

class CPanelWnd : public CWnd {
public:
    static constexpr UINT kControlId = 700;
    static constexpr UINT_PTR kLedTimerId = 102;
    static constexpr UINT kLedTimerMs = 100;
    static constexpr UINT_PTR kDeviceTimerId = 105;
    static constexpr UINT kDeviceTimerMs = 5000;
    static constexpr int kPorts = 28;
    static constexpr int kLedsPerRow = 52;

    CPanelWnd(int x, int y, int width, int height, CWnd* mainWnd, const std::string& agentAddress,
              const std::string& readCommunity, const std::string& writeCommunity);
    ~CPanelWnd() override;

    // Paints the whole picture.
    void Draw(CDC& dc);
    int GetSelectedPort() const { return m_nSelectedPort; }
    // The port the keyboard is on (-1: none yet); Space or Return selects it, Space on the
    // selected port clears the selection.
    int GetCursorPort() const { return m_nCursorPort; }
    CRect GetPanelRect() const { return m_rect; }

    // Asks the switch now, as the device timer does: after a trap says a link changed or the
    // switch restarted, the panel shows it without waiting for its next poll.
    void PollNow();

    // What the panel shows now (for the main window and tests).
    std::uint16_t ModuleTypes() const { return m_wModuleTypes; }
    const CPanelPort& Port(int index) const { return m_ports[index]; }
    const CPanelPort& SlotPicture(int slot) const { return m_slots[slot]; }
    const CPanelLed& PortLed(int row, int port) const { return m_leds[row][port]; }
    const CPanelLed& AgentLed() const { return m_agentLed; }
    const CLedStatus& LedStatus() const { return m_ledStatus; }
    int AgentValue() const { return m_nAgent; }
    bool IsLedRequestInFlight() const { return m_ledRequest.IsBusy(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void OnLedStatusReply(std::uint16_t code, CSnmpMsg* msg);
    void OnModuleTypesReply(std::uint16_t code, CSnmpMsg* msg);

private:
    void BuildPictures();
    void LayOutStatic();
    void SendLedStatusRequest();
    void SendModuleTypesRequest();
    void RedrawModulesAndLeds(CDC& dc);
    void LayOutModules(CDC& dc);
    void DrawPortLeds(CDC& dc);
    void OnLedTimer();
    void OnLeftButtonDown(CPoint point);
    // Selects port `hit` (-1: none) as a click on it does, and tells the main window.
    void SelectPort(int hit);
    void OnKeyDown(WPARAM key);
    void MoveCursor(int port);
    bool IsPortShown(int port) const { return m_ports[port].Kind() >= 0; }
    void Describe(AccessibleInfo& info) const;
    void DrawNow(void (CPanelWnd::*draw)(CDC&));
    void DrawSelection(CDC& dc);
    void ReportAgentState(WPARAM state);

    CWnd* m_pMainWnd;
    CRect m_rect;
    std::string m_strAgentAddress;
    std::string m_strReadCommunity;
    std::string m_strWriteCommunity;
    CBitmap m_chassis;

    // Port kinds 0-4, port LED, status LED, large modules, small modules.
    std::array<std::unique_ptr<CPanelPicture>, 5> m_portKinds;
    std::unique_ptr<CPanelPicture> m_portLed;
    std::unique_ptr<CPanelPicture> m_statusLed;
    std::array<std::unique_ptr<CPanelPicture>, 4> m_largeModules; // 166, 169, 167, 168
    std::array<std::unique_ptr<CPanelPicture>, 4> m_smallModules; // 170, 173, 171, 172

    std::unique_ptr<CSnmpClass> m_pLedRequest;
    std::unique_ptr<CSnmpClass> m_pModuleRequest;
    COutstandingRequest m_ledRequest;
    COutstandingRequest m_moduleRequest;

    std::array<CPanelPort, kPorts> m_ports;
    std::array<CPanelPort, kPanelSlots> m_slots;
    std::array<std::array<CPanelLed, kLedsPerRow>, kLedRows> m_leds;
    std::array<CPanelLed, CLedStatus::kStatusLeds> m_statusLeds;
    CPanelLed m_agentLed;
    CLedStatus m_ledStatus;

    int m_nSelectedPort = -1;
    int m_nCursorPort = -1;
    std::uint16_t m_wModuleTypes = 0;
    int m_nLaidOutWord = -1; // -1: lay everything out on the next redraw
    std::array<int, kPanelSlots> m_slotTypes{};
    PanelLayout m_layout{};
    int m_nAgent = 0;
    bool m_bFailed = false;
    // A poll was asked for while an LED status request was out: that answer may predate the
    // change, so one more request follows it.
    bool m_bAskAgain = false;
};
