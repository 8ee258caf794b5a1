// The front panel against the simulated switch: what it draws, how it blinks, selection, and
// what it reports when the switch stops answering.

#include "module/panel/CPanelWnd.h"
#include "module/slots/PanelMessages.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/SnmpTypes.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QTest>
#include <QWidget>

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

class PanelTest : public ModuleFixture {
protected:
    void Start(std::uint16_t word) {
        StartEngine(word);
        frame = std::make_unique<TestFrame>(495, 194);
        panel = std::make_unique<CPanelWnd>(0, 50, 495, 144, frame.get(), AgentAddress(), "tessla",
                                            "marbelo");
        ASSERT_TRUE(WaitFor([&] { return panel->ModuleTypes() == word; }));
        ASSERT_TRUE(WaitForReplies());
        frame->messages.clear();
    }
    void TearDown() override {
        panel.reset();
        frame.reset();
        ModuleFixture::TearDown();
    }
    // Hands the panel an LED status reply as the engine would.
    void GiveLedStatus(std::vector<std::uint8_t> bytes) {
        auto* msg = new CSnmpMsg(panel.get(), AgentAddress(), "tessla", SNMP_PDU_RESPONSE);
        msg->m_pPdu->AddOid("1.3.6.1.4.1.88888.11.9.1.1.1.7.0", bytes.data(), int(bytes.size()),
                            SNMP_TYPE_OCTETS);
        panel->OnLedStatusReply(0, msg);
    }
    COLORREF At(int x, int y) { return Pixel(panel.get(), x, y); }
    std::vector<WPARAM> Posted(UINT msg) {
        PumpMessages();
        std::vector<WPARAM> values;
        for (const RecordedMessage& m : frame->Only(msg))
            values.push_back(m.wParam);
        return values;
    }

    std::unique_ptr<TestFrame> frame;
    std::unique_ptr<CPanelWnd> panel;
};

TEST_F(PanelTest, TwelvePortModulesDrawTheirJacksAndLedsFromTheirOwnBytes) {
    Start(0x3300);
    EXPECT_EQ(panel->Port(12).Origin().y, 78);
    EXPECT_EQ(panel->Port(23).Kind(), 3);
    EXPECT_EQ(panel->Port(24).Kind(), -1);
    // Kind 3 jacks sit 3 pixels below their origin: frame, face, then the black opening.
    EXPECT_EQ(At(211, 48), kSilver);
    EXPECT_EQ(At(215, 55), kBlack);
    EXPECT_EQ(At(211, 82), kSilver);

    std::vector<std::uint8_t> leds(128, 0);
    leds[1] = 0x05; // port 0: both LEDs on
    leds[2] = 0x01;
    leds[3] = 255; // slot A ends after port 1
    leds[4] = 0x05;
    leds[13] = 0x01; // port 12, the first of slot B: row 2 on, row 3 off
    GiveLedStatus(leds);
    EXPECT_EQ(panel->PortLed(1, 0).State(), 3);
    EXPECT_EQ(panel->PortLed(2, 0).State(), 3);
    EXPECT_EQ(At(211, 44), kLime);
    EXPECT_EQ(panel->PortLed(2, 1).State(), 2);
    EXPECT_EQ(At(242, 44), kGrey);
    panel->Invalidate(); // a fresh paint draws only what the status tells
    EXPECT_EQ(At(249, 44), kBlack) << "port 2 is past the end mark: its LED is not drawn";
    EXPECT_EQ(panel->PortLed(1, 12).State(), 3);
    EXPECT_EQ(panel->PortLed(2, 12).State(), 2);
    EXPECT_EQ(panel->PortLed(2, 12).Position().x, 224);
    EXPECT_EQ(At(225, 78), kGrey);
}

TEST_F(PanelTest, MixedModulesPlaceEveryKind) {
    Start(0x4286);
    EXPECT_EQ(panel->SlotPicture(1).Kind(), 2);
    EXPECT_EQ(panel->Port(7).Kind(), 2);
    EXPECT_EQ(panel->Port(8).Kind(), 1);
    EXPECT_EQ(panel->Port(9).Kind(), 4);
    EXPECT_EQ(panel->Port(11).Kind(), -1);
    EXPECT_EQ(At(232, 44), kSilver);          // port 0, an eight-port jack
    EXPECT_EQ(At(223 + 14, 120 + 4), kBlack); // port 8, the AUI opening
    EXPECT_EQ(At(369 + 4, 117 + 4), kNavy);   // port 9, an SC receptacle
    Screenshot(panel.get(), "panel-4286");
}

TEST_F(PanelTest, StatusLedsWithBlinkBitsAlternateEveryTick) {
    Start(0x336A);
    std::vector<std::uint8_t> leds(29, 0);
    leds[0] = 0x81;
    GiveLedStatus(leds);
    EXPECT_EQ(At(335, 23), kLime);
    EXPECT_EQ(At(353, 23), kGreen);
    const int led7 = 334 + 6 * 7 + 1;
    for (COLORREF expected : {kGreen, kLime, kGreen}) {
        panel->SendMessage(WM_TIMER, CPanelWnd::kLedTimerId, 0);
        EXPECT_EQ(At(335, 23), expected);
        EXPECT_EQ(At(led7, 23), expected);
        EXPECT_EQ(At(353, 23), kGreen) << "LED 3 does not blink";
    }
}

TEST_F(PanelTest, ClickSelectsAPortAndBetweenPortsClears) {
    Start(0x3300);
    LeftDown(panel.get(), 215, 52);
    LeftUp(panel.get(), 215, 52);
    EXPECT_EQ(panel->GetSelectedPort(), 0);
    EXPECT_EQ(At(211, 48), kWhite) << "a selected jack is drawn lighter";
    LeftDown(panel.get(), 292, 52);
    EXPECT_EQ(panel->GetSelectedPort(), -1);
    EXPECT_EQ(At(211, 48), kSilver);
    LeftDown(panel.get(), 250, 86);
    EXPECT_EQ(panel->GetSelectedPort(), 14);
    EXPECT_EQ(Posted(PANEL_PORT_SELECTED), (std::vector<WPARAM>{0, WPARAM(-1), 14}));

    QTest::mouseDClick(panel->GetWidget(), Qt::LeftButton, {}, QPoint(250, 86));
    EXPECT_EQ(Posted(PANEL_OPEN_PORT).back(), 14u);
    LeftDown(panel.get(), 60, 60);
    QTest::mouseDClick(panel->GetWidget(), Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(Posted(PANEL_OPEN_PORT).back(), WPARAM(-1)) << "empty chassis: the device";
}

TEST_F(PanelTest, ASilentSwitchTurnsLedsOffUntilItAnswersAgain) {
    Start(0x3300);
    EXPECT_EQ(panel->AgentValue(), 1);
    StopAgent();
    panel->SendMessage(WM_TIMER, CPanelWnd::kDeviceTimerId, 0);
    EXPECT_TRUE(panel->IsLedRequestInFlight());
    ExpireRequests();
    EXPECT_FALSE(panel->IsLedRequestInFlight()) << "a time-out ends the wait";
    EXPECT_EQ(Posted(PANEL_AGENT_STATE), (std::vector<WPARAM>{6}));
    EXPECT_EQ(panel->AgentValue(), 0);
    EXPECT_EQ(panel->AgentLed().State(), 0);
    EXPECT_EQ(panel->PortLed(1, 0).State(), 2);
    EXPECT_EQ(panel->ModuleTypes(), 0x3300) << "the layout stays";

    RestartAgent();
    panel->SendMessage(WM_TIMER, CPanelWnd::kDeviceTimerId, 0);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Posted(PANEL_AGENT_STATE), (std::vector<WPARAM>{6, 0}));
    EXPECT_EQ(panel->AgentLed().State(), 1);
}

} // namespace
