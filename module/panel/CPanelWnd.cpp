#include "module/panel/CPanelWnd.h"

#include "module/res/PanelResources.h"
#include "module/slots/PanelMessages.h"
#include "module/tables/PanelTables.h"
#include "platform/ui/KeyNavigation.h"
#include "platform/ui/WindowDC.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTypes.h"

#include <cstdlib>
#include <string>
#include <utility>

namespace {

constexpr std::uint16_t kGetRequest = 0xA0;

} // namespace

CPanelWnd::CPanelWnd(int x, int y, int width, int height, CWnd* mainWnd,
                     const std::string& agentAddress, const std::string& readCommunity,
                     const std::string& writeCommunity)
    : m_pMainWnd(mainWnd), m_rect(x, y, x + width, y + height), m_strAgentAddress(agentAddress),
      m_strReadCommunity(readCommunity), m_strWriteCommunity(writeCommunity) {
    RegisterPanelResources();
    m_nSelectedPort = -1;
    if (m_pMainWnd)
        m_pMainWnd->PostMessage(PANEL_PORT_SELECTED, WPARAM(-1), 0);
    m_bFailed = false;
    m_slotTypes.fill(0);
    m_chassis.LoadBitmap(PanelBitmap::kChassis);
    BuildPictures();

    CRect r(x, y, x + width - 1, y + height - 1);
    // A tab stop: from the keyboard the arrows move through the ports and Space selects one.
    CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r, mainWnd, kControlId);

    m_pLedRequest = std::make_unique<CSnmpClass>(this, m_strAgentAddress, m_strReadCommunity,
                                                 m_strWriteCommunity, kLedStatusRowCount,
                                                 g_LedStatusTable, ".0");
    m_pLedRequest->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CPanelWnd::OnLedStatusReply));
    SendLedStatusRequest();
    m_pModuleRequest = std::make_unique<CSnmpClass>(this, m_strAgentAddress, m_strReadCommunity,
                                                    m_strWriteCommunity, kModuleTypesRowCount,
                                                    g_ModuleTypesTable, ".1");
    m_pModuleRequest->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CPanelWnd::OnModuleTypesReply));
    SendModuleTypesRequest();

    LayOutStatic();
    SetTimer(kLedTimerId, kLedTimerMs);
    SetTimer(kDeviceTimerId, kDeviceTimerMs);
}

CPanelWnd::~CPanelWnd() {
    // Requests still outstanding are released by the engine without calling the panel; the
    // request objects only describe them.
    DestroyWindow();
}

void CPanelWnd::BuildPictures() {
    using namespace PanelBitmap;
    m_portKinds[0] = std::make_unique<CPanelPicture>(
        19, 18, 9, 0, std::initializer_list<UINT>{kPortKind0, kPortKind0Selected});
    m_portKinds[1] = std::make_unique<CPanelPicture>(
        29, 10, 0, 0, std::initializer_list<UINT>{kPortKind1, kPortKind1Selected});
    m_portKinds[2] = std::make_unique<CPanelPicture>(
        18, 16, 0, 0, std::initializer_list<UINT>{kPortKind2, kPortKind2Selected});
    m_portKinds[3] = std::make_unique<CPanelPicture>(
        18, 17, 0, 3, std::initializer_list<UINT>{kPortKind3, kPortKind3Selected});
    m_portKinds[4] = std::make_unique<CPanelPicture>(
        31, 12, 0, 0, std::initializer_list<UINT>{kPortKind4, kPortKind4Selected});
    m_portLed = std::make_unique<CPanelPicture>(
        6, 4, 0, 0,
        std::initializer_list<UINT>{kPortLed[0], kPortLed[1], kPortLed[2], kPortLed[3],
                                    kPortLed[4]});
    m_statusLed = std::make_unique<CPanelPicture>(
        5, 4, 0, 0, std::initializer_list<UINT>{kStatusLedOff, kStatusLedOn});
    const UINT large[4] = {166, 169, 167, 168};
    const UINT small[4] = {170, 173, 171, 172};
    for (int i = 0; i < 4; ++i) {
        m_largeModules[i] =
            std::make_unique<CPanelPicture>(338, 33, 0, 0, std::initializer_list<UINT>{large[i]});
        m_smallModules[i] =
            std::make_unique<CPanelPicture>(170, 33, 0, 0, std::initializer_list<UINT>{small[i]});
    }
}

void CPanelWnd::LayOutStatic() {
    // Large slot kinds 0-6 show 168, 168, 166, 166, 169, 167 and nothing.
    const CPanelPicture* large166 = m_largeModules[0].get();
    const CPanelPicture* large169 = m_largeModules[1].get();
    const CPanelPicture* large167 = m_largeModules[2].get();
    const CPanelPicture* large168 = m_largeModules[3].get();
    const CPanelPicture* largeKinds[7] = {large168, large168, large166, large166,
                                          large169, large167, nullptr};
    // Small slot kinds 0-3 show 172, 170, 171, 173.
    const CPanelPicture* smallKinds[4] = {m_smallModules[3].get(), m_smallModules[0].get(),
                                          m_smallModules[2].get(), m_smallModules[1].get()};
    for (int slot = 0; slot < kPanelSlots; ++slot) {
        m_slots[slot].SetOrigin(kSlotOrigins[slot]);
        for (int kind = 0; kind < CPanelPort::kKinds; ++kind)
            m_slots[slot].SetPicture(kind, slot < 2 ? largeKinds[kind]
                                                    : (kind < 4 ? smallKinds[kind] : nullptr));
    }
    for (CPanelPort& port : m_ports)
        for (int kind = 0; kind < 5; ++kind)
            port.SetPicture(kind, m_portKinds[kind].get());
    for (auto& row : m_leds)
        for (CPanelLed& led : row)
            led.SetPicture(m_portLed.get());
    m_agentLed.SetPicture(m_portLed.get());
    m_agentLed.SetPosition(kAgentLedPosition);
    for (int i = 0; i < CLedStatus::kStatusLeds; ++i) {
        m_statusLeds[i].SetPicture(m_statusLed.get());
        m_statusLeds[i].SetPosition(StatusLedPosition(i));
    }
}

void CPanelWnd::SendLedStatusRequest() {
    m_ledRequest.Start([this] { return m_pLedRequest->SendSnmp(kGetRequest); });
}

void CPanelWnd::SendModuleTypesRequest() {
    m_moduleRequest.Start([this] { return m_pModuleRequest->SendSnmp(kGetRequest); });
}

void CPanelWnd::ReportAgentState(WPARAM state) {
    if (m_pMainWnd)
        m_pMainWnd->PostMessage(PANEL_AGENT_STATE, state, 0);
}

void CPanelWnd::PollNow() {
    SendModuleTypesRequest();
    if (m_ledRequest.IsBusy())
        m_bAskAgain = true;
    else
        SendLedStatusRequest();
}

void CPanelWnd::OnLedStatusReply(std::uint16_t code, CSnmpMsg* msg) {
    m_ledRequest.Clear();
    const CSnmpPdu* pdu = msg ? msg->m_pPdu : nullptr;
    if (code != 0 || !pdu || pdu->m_dwErrorStatus != 0) {
        m_ledStatus.Reset();
        m_bFailed = true;
        ReportAgentState(code != 0 || !pdu ? PANEL_AGENT_NO_ANSWER : WPARAM(pdu->m_dwErrorStatus));
        m_nAgent = 0;
    } else {
        if (m_bFailed) {
            m_bFailed = false;
            ReportAgentState(0);
        }
        const CSnmpVarBind* vb = pdu->m_varBindList.empty() ? nullptr : pdu->m_varBindList.front();
        m_ledStatus.Take(vb ? vb->GetBytes() : nullptr, vb ? vb->m_wLength : 0);
        m_nAgent = 1;
    }
    if (m_hWnd) {
        DrawNow(&CPanelWnd::RedrawModulesAndLeds);
        DrawNow(&CPanelWnd::DrawSelection);
    }
    CSnmpMsg::Release(msg);
    if (std::exchange(m_bAskAgain, false))
        SendLedStatusRequest();
}

void CPanelWnd::OnModuleTypesReply(std::uint16_t code, CSnmpMsg* msg) {
    const CSnmpPdu* pdu = msg ? msg->m_pPdu : nullptr;
    if (code != 0 || !pdu || pdu->m_dwErrorStatus != 0) {
        if (m_nSelectedPort >= 0 && m_hWnd) {
            CDC* dc = GetDC();
            m_ports[m_nSelectedPort].Draw(*dc, false);
            ReleaseDC(dc);
        }
        m_nSelectedPort = -1;
        m_moduleRequest.Clear();
    } else {
        m_nAgent = 1;
        const CSnmpVarBind* vb = pdu->m_varBindList.empty() ? nullptr : pdu->m_varBindList.front();
        std::string text =
            vb ? CSnmpClass::FormatValue(vb, m_pModuleRequest->m_oidList.front()) : "";
        m_wModuleTypes = std::uint16_t(std::strtol(text.c_str(), nullptr, 10));
        m_moduleRequest.Clear();
        if (m_hWnd) {
            DrawNow(&CPanelWnd::RedrawModulesAndLeds);
            DrawNow(&CPanelWnd::DrawSelection);
        }
    }
    CSnmpMsg::Release(msg);
}

void CPanelWnd::DrawNow(void (CPanelWnd::*draw)(CDC&)) {
    CDC* dc = GetDC();
    if (!dc)
        return;
    (this->*draw)(*dc);
    ReleaseDC(dc);
}

void CPanelWnd::DrawSelection(CDC& dc) {
    if (m_nSelectedPort >= 0)
        m_ports[m_nSelectedPort].Draw(dc, true);
}

void CPanelWnd::LayOutModules(CDC& dc) {
    m_layout = LayoutPanel(m_wModuleTypes);
    int placed = 0;
    for (int slot = 0; slot < kPanelSlots; ++slot) {
        const ModulePlacement& module = m_layout[slot];
        m_slotTypes[slot] = module.type;
        if (module.pictureKind)
            m_slots[slot].SetKind(dc, *module.pictureKind);
        else
            m_slots[slot].Draw(dc, false);
        for (const PortPlacement& place : module.ports) {
            int n = placed++;
            if (n >= kPorts)
                break;
            m_ports[n].SetOrigin(place.origin);
            m_ports[n].SetKind(dc, module.portKind);
            for (int row = 0; row < kLedRows; ++row)
                if (place.leds[row])
                    m_leds[row][n].SetPosition(*place.leds[row]);
        }
    }
    // Ports the new layout does not place stop showing, so none can be clicked where no
    // module holds it any more.
    for (int n = placed; n < kPorts; ++n)
        if (m_ports[n].Kind() >= 0)
            m_ports[n].SetKind(dc, -1);
    if (m_nSelectedPort >= placed) {
        m_nSelectedPort = -1;
        if (m_pMainWnd)
            m_pMainWnd->PostMessage(PANEL_PORT_SELECTED, WPARAM(-1), 0);
    }
    m_nLaidOutWord = m_wModuleTypes;
    // The ports may have moved: the keyboard's mark follows its port.
    if (HasFocus())
        MoveCursor(m_nCursorPort >= 0 && IsPortShown(m_nCursorPort) ? m_nCursorPort : -1);
}

void CPanelWnd::DrawPortLeds(CDC& dc) {
    for (const ModulePlacement& module : m_layout) {
        for (int j = 0; j < int(module.ports.size()); ++j) {
            int n = module.firstPort + j;
            if (n >= kPorts)
                break;
            std::uint8_t bits = m_ledStatus.PortBits(n);
            if (bits == CLedStatus::kEndMark)
                break; // this module only; the next starts again at its own first port
            auto states = LedStates(module.rule, bits);
            for (int row = 0; row < kLedRows; ++row)
                if (states[row] && module.ports[j].leds[row])
                    m_leds[row][n].Draw(dc, *states[row]);
        }
    }
}

void CPanelWnd::RedrawModulesAndLeds(CDC& dc) {
    if (m_wModuleTypes != m_nLaidOutWord) {
        bool changed = m_nLaidOutWord != -1;
        LayOutModules(dc);
        // Modules changed while the switch ran: pictures of the old layout may lie where the
        // new one has none, so the whole panel is painted again from the chassis.
        if (changed)
            Invalidate(FALSE);
    } else if (m_wModuleTypes == 0) {
        for (int slot = 0; slot < kPanelSlots; ++slot) {
            m_slotTypes[slot] = 0;
            m_slots[slot].SetKind(dc, 0);
        }
    }
    if (m_wModuleTypes != 0) {
        m_agentLed.Draw(dc, m_nAgent);
        DrawPortLeds(dc);
    }
    for (int i = 0; i < CLedStatus::kStatusLeds; ++i)
        m_statusLeds[i].Draw(dc, m_ledStatus.IsBlinking(i) ? 1 : 0);
}

void CPanelWnd::Draw(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    memory.SelectObject(&m_chassis);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(static_cast<CBitmap*>(nullptr));
    // The chassis covered everything: every slot and port is laid out and drawn again.
    m_nLaidOutWord = -1;
    RedrawModulesAndLeds(dc);
    DrawSelection(dc);
}

void CPanelWnd::OnLedTimer() {
    CDC* dc = GetDC();
    if (!dc)
        return;
    for (int led = m_ledStatus.NextBlinking(); led >= 0; led = m_ledStatus.NextBlinking())
        m_statusLeds[led].Blink(*dc);
    ReleaseDC(dc);
}

void CPanelWnd::OnLeftButtonDown(CPoint point) {
    int hit = -1;
    for (int n = 0; n < kPorts && hit < 0; ++n)
        if (m_ports[n].HitTest(point))
            hit = n;
    SelectPort(hit);
}

void CPanelWnd::SelectPort(int hit) {
    CDC* dc = GetDC();
    if (m_nSelectedPort >= 0)
        m_ports[m_nSelectedPort].Draw(*dc, false);
    m_nSelectedPort = hit;
    if (hit >= 0)
        m_ports[hit].Draw(*dc, true);
    ReleaseDC(dc);
    if (m_pMainWnd)
        m_pMainWnd->PostMessage(PANEL_PORT_SELECTED, WPARAM(std::intptr_t(hit)), 0);
    if (hit >= 0)
        m_nCursorPort = hit;
    NotifyAccessible(AccEvent::SelectionChanged, hit);
}

void CPanelWnd::MoveCursor(int port) {
    m_nCursorPort = port;
    if (port < 0 || !IsPortShown(port)) {
        SetFocusPart(nullptr);
        return;
    }
    CRect inner = m_ports[port].Area();
    CRect area(inner.left - 2, inner.top - 2, inner.right + 2, inner.bottom + 2);
    SetFocusPart(&area);
    NotifyAccessible(AccEvent::Focus, port);
}

void CPanelWnd::OnKeyDown(WPARAM key) {
    auto shown = [this](int n) { return IsPortShown(n); };
    int from = m_nCursorPort >= 0 && IsPortShown(m_nCursorPort) ? m_nCursorPort : -1;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        MoveCursor(
            StepCursor(kPorts, from, (key == VK_LEFT || key == VK_UP) ? -1 : 1, false, shown));
        break;
    case VK_HOME:
    case VK_END:
        MoveCursor(StepCursor(kPorts, -1, key == VK_HOME ? 1 : -1, false, shown));
        break;
    case VK_SPACE:
        // Space on the selected port clears the selection, as a click between the ports does,
        // so the device's own dialogs are reachable again from the keyboard.
        if (from >= 0)
            SelectPort(from == m_nSelectedPort ? -1 : from);
        break;
    case VK_RETURN:
        if (from >= 0)
            SelectPort(from);
        break;
    default:
        break;
    }
}

void CPanelWnd::Describe(AccessibleInfo& info) const {
    info.self.role = AccRole::Pane;
    info.self.name = "Front panel";
    info.self.focusable = true;
    for (int n = 0; n < kPorts; ++n) {
        if (!IsPortShown(n))
            continue;
        AccItem port;
        port.role = AccRole::Button;
        port.name = "Port " + std::to_string(n + 1);
        // The port's first LED bit is its link; a port without LED information says so.
        std::uint8_t bits = m_ledStatus.PortBits(n);
        port.value = bits == CLedStatus::kEndMark ? "No link information"
                     : (bits & 1)                 ? "Link up"
                                                  : "Link down";
        port.rect = m_ports[n].Area();
        port.focusable = true;
        port.focused = n == m_nCursorPort && HasFocus();
        port.selectable = true;
        port.selected = n == m_nSelectedPort;
        info.items.push_back(port);
    }
    for (int i = 0; i < CLedStatus::kStatusLeds; ++i) {
        AccItem led;
        led.role = AccRole::Indicator;
        led.name = "Status LED " + std::to_string(i + 1);
        led.value = m_ledStatus.IsBlinking(i) ? "Blinking" : "Off";
        CPoint at = m_statusLeds[i].Position();
        led.rect = CRect(at.x, at.y, at.x + 5, at.y + 4);
        info.items.push_back(led);
    }
    AccItem agent;
    agent.role = AccRole::Indicator;
    agent.name = "Agent LED";
    agent.value = m_nAgent ? "On: the switch answers" : "Off: no answer";
    CPoint at = m_agentLed.Position();
    agent.rect = CRect(at.x, at.y, at.x + 6, at.y + 4);
    info.items.push_back(agent);
}

LRESULT CPanelWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Draw(dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the chassis covers the whole window
    case WM_TIMER:
        if (wParam == kLedTimerId) {
            OnLedTimer();
        } else if (wParam == kDeviceTimerId) {
            SendModuleTypesRequest();
            if (!m_ledRequest.IsBusy())
                SendLedStatusRequest();
        }
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(CPoint(lParam));
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | (wParam == VK_RETURN ? DLGC_WANTALLKEYS : 0);
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_SETFOCUS:
        // The keyboard starts on the selected port, else on the first one shown.
        if (m_nCursorPort < 0 || !IsPortShown(m_nCursorPort))
            m_nCursorPort =
                m_nSelectedPort >= 0
                    ? m_nSelectedPort
                    : StepCursor(kPorts, -1, 1, false, [this](int n) { return IsPortShown(n); });
        MoveCursor(m_nCursorPort);
        break;
    case WM_GETOBJECT:
        Describe(*reinterpret_cast<AccessibleInfo*>(lParam));
        return TRUE;
    case WM_LBUTTONDBLCLK:
        if (m_pMainWnd)
            m_pMainWnd->PostMessage(PANEL_OPEN_PORT, WPARAM(std::intptr_t(m_nSelectedPort)), 0);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
