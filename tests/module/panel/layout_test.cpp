#include "module/layout/PanelLayout.h"
#include "module/panel/CLedStatus.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Xs(const ModulePlacement& m) {
    std::vector<int> xs;
    for (const PortPlacement& p : m.ports)
        xs.push_back(p.origin.x);
    return xs;
}

TEST(PanelLayoutTest, TwoTwelvePortModules) {
    PanelLayout l = LayoutPanel(0x3300);
    EXPECT_EQ(l[0].firstPort, 0);
    EXPECT_EQ(l[1].firstPort, 12);
    EXPECT_EQ(l[2].ports.size() + l[3].ports.size(), 0u);
    EXPECT_EQ(Xs(l[0]),
              (std::vector<int>{210, 229, 248, 267, 301, 320, 339, 358, 392, 411, 430, 449}));
    EXPECT_EQ(l[0].ports[0].origin.y, 44);
    EXPECT_EQ(l[1].ports[0].origin.y, 78);
    EXPECT_EQ(l[0].portKind, 3);
    EXPECT_EQ(*l[0].pictureKind, 3);
    EXPECT_EQ(*l[2].pictureKind, 0);
    // Row 3 of port 0 sits 12 right of the jack, except in slot B where it is at 224.
    EXPECT_EQ(l[0].ports[0].leds[2]->x, 222);
    EXPECT_EQ(l[1].ports[0].leds[2]->x, 224);
    EXPECT_EQ(l[1].ports[0].leds[2]->y, 77);
    EXPECT_EQ(l[1].ports[1].leds[2]->x, 241);
    EXPECT_FALSE(l[0].ports[0].leds[0].has_value());
}

TEST(PanelLayoutTest, MixedModulesNumberPortsAcrossSlots) {
    PanelLayout l = LayoutPanel(0x4286);
    EXPECT_EQ(l[0].portKind, 2);
    EXPECT_EQ(l[0].ports.size(), 8u);
    EXPECT_EQ(l[0].ports[4].origin.x, 391);
    EXPECT_EQ(l[0].ports[4].leds[1]->x, 333);
    EXPECT_EQ(l[0].ports[4].leds[1]->y, 52);
    EXPECT_EQ(*l[1].pictureKind, 2) << "type 2 shows picture 166 and has no ports";
    EXPECT_TRUE(l[1].ports.empty());
    EXPECT_EQ(l[2].firstPort, 8);
    EXPECT_EQ(l[2].portKind, 1);
    EXPECT_EQ(l[2].ports[0].origin.x, 223);
    EXPECT_EQ(l[3].firstPort, 9);
    EXPECT_EQ(l[3].portKind, 4);
    EXPECT_EQ(l[3].ports[1].origin.x, 268 + 168);
    EXPECT_EQ(l[3].ports[1].leds[2]->y, 129);

    PanelLayout full = LayoutPanel(0x336A);
    EXPECT_EQ(full[3].firstPort, 26);
    EXPECT_EQ(full[3].ports[1].leds[1]->x, 244 + 168);
    EXPECT_EQ(full[2].ports[0].leds[0]->y, 121);

    PanelLayout fibre = LayoutPanel(0x5000);
    EXPECT_EQ(fibre[0].ports[5].leds[0]->x, 328);
    EXPECT_EQ(fibre[0].ports[5].leds[0]->y, 47);
    EXPECT_EQ(fibre[0].ports[5].leds[2]->x, 334);
    EXPECT_FALSE(LayoutPanel(0x9000)[0].pictureKind.has_value()) << "type 9 is refused";
    EXPECT_EQ(*LayoutPanel(0x6000)[0].pictureKind, 6);
}

TEST(PanelLayoutTest, LedBitsToStates) {
    using S = std::array<std::optional<int>, 3>;
    EXPECT_EQ(LedStates(LedRule::ThreeRows, 0x0D), (S{1, 1, 1}));
    EXPECT_EQ(LedStates(LedRule::ThreeRows, 0x04), (S{0, 1, 0}));
    EXPECT_EQ(LedStates(LedRule::TwoRows, 0x08), (S{0, std::nullopt, 1}));
    EXPECT_EQ(LedStates(LedRule::OneRow, 0x01), (S{1, std::nullopt, std::nullopt}));
    EXPECT_EQ(LedStates(LedRule::TwelvePort, 0x05), (S{std::nullopt, 3, 3}));
    EXPECT_EQ(LedStates(LedRule::TwelvePort, 0x08), (S{std::nullopt, 2, 2}));
}

TEST(LedStatusTest, ShortValuesEndWithTheMarkAndBlinkBitsIterate) {
    CLedStatus s;
    const std::uint8_t value[3] = {0x81, 0x01, 0x05};
    s.Take(value, 3);
    EXPECT_EQ(s.PortBits(0), 0x01);
    EXPECT_EQ(s.PortBits(1), 0x05);
    EXPECT_EQ(s.PortBits(2), CLedStatus::kEndMark) << "nothing beyond the value is read";
    EXPECT_EQ(s.PortBits(200), CLedStatus::kEndMark);
    EXPECT_EQ(s.NextBlinking(), 0);
    EXPECT_EQ(s.NextBlinking(), 7);
    EXPECT_EQ(s.NextBlinking(), -1);
    EXPECT_EQ(s.NextBlinking(), 0) << "starts again";
    const std::uint8_t next[1] = {0x02};
    s.Take(next, 1);
    EXPECT_EQ(s.Previous()[0], 0x81);
    s.Reset();
    EXPECT_EQ(s.Byte(0), 0);
    EXPECT_EQ(s.PortBits(5), 0);
}

} // namespace
