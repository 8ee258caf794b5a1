// The dialogs' pure rules: the resize rule, the list layouts' moves, where in-place editors
// go, and the status line texts.
#include <gtest/gtest.h>

#include "dialogs/NmDlgLayoutRules.h"
#include "dialogs/NmDlgResources.h"
#include "dialogs/NmDlgStatusText.h"
#include "snmp/CSnmpPdu.h"

#include <cstdlib>
#include <ctime>
#include <map>

namespace {

TEST(ResizeRule, BelowTheFirstSizeSnapsBackKeepingTheOtherDimension) {
    const CSize minimum(375, 268), last(400, 300);
    ResizeStep narrow = DecideResize(CSize(300, 350), minimum, last);
    EXPECT_TRUE(narrow.snapBack);
    EXPECT_EQ(narrow.snapSize, CSize(375, 350));
    ResizeStep low = DecideResize(CSize(420, 200), minimum, last);
    EXPECT_TRUE(low.snapBack);
    EXPECT_EQ(low.snapSize, CSize(420, 268));
    ResizeStep grown = DecideResize(CSize(440, 290), minimum, last);
    EXPECT_FALSE(grown.snapBack);
    EXPECT_EQ(grown.change, CSize(40, -10));
}

TEST(ListLayoutMoves, WideningBy40MovesButtonsAndTheRightHeaderColumn) {
    std::map<unsigned, ControlMove> moves;
    for (const ControlMove& m : ListLayoutMoves(40, 12, true))
        moves[m.id] = m;
    auto is = [&](unsigned id, int dx, int dy, int dw, int dh) {
        const ControlMove& m = moves.at(id);
        EXPECT_EQ(m.dx, dx) << id;
        EXPECT_EQ(m.dy, dy) << id;
        EXPECT_EQ(m.dw, dw) << id;
        EXPECT_EQ(m.dh, dh) << id;
    };
    for (unsigned id = 1001; id <= 1007; ++id)
        is(id, 40, 0, 0, 0);
    is(1010, 0, 0, 40, 0);
    is(1013, 20, 0, 0, 0);
    is(1017, 20, 0, 0, 0);
    is(1014, 20, 0, 20, 0);
    is(1018, 20, 0, 20, 0);
    is(1012, 0, 0, 20, 0);
    is(1016, 0, 0, 20, 0);
    is(1020, 0, 0, 40, 12);
    is(1000, 0, 12, 40, 0);
    is(1021, 0, 0, 40, 12);
    EXPECT_EQ(moves.count(1011), 0u); // the left labels stay
    // Without the number box the spin and box are not moved; odd changes halve toward zero.
    for (const ControlMove& m : ListLayoutMoves(-5, 0, false)) {
        EXPECT_NE(m.id, IDC_NMDLG_NUMBER);
        if (m.id == 1014) {
            EXPECT_EQ(m.dw, -2);
        }
    }
}

TEST(Cascade, StepsFromTheOriginAndWrapsOnlyInsideAWorkArea) {
    const CSize size(400, 300);
    EXPECT_EQ(CascadePosition(0, CPoint(100, 120), size, CRect()), CPoint(100, 120));
    EXPECT_EQ(CascadePosition(2, CPoint(100, 120), size, CRect()), CPoint(140, 164));
    EXPECT_EQ(CascadePosition(50, CPoint(0, 0), size, CRect()), CPoint(1000, 1100));
    // A 1000 × 500 area holds 400 × 300 windows at steps 0 … 9 down (22 px per step).
    const CRect area(0, 30, 1000, 530);
    EXPECT_EQ(CascadePosition(9, CPoint(0, 30), size, area), CPoint(180, 228));
    EXPECT_EQ(CascadePosition(10, CPoint(0, 30), size, area), CPoint(0, 30));
    EXPECT_EQ(CascadePosition(11, CPoint(0, 30), size, area), CPoint(20, 52));
    // A window larger than the area stays at the origin.
    EXPECT_EQ(CascadePosition(3, CPoint(0, 30), CSize(1200, 300), area), CPoint(0, 30));
}

TEST(CellEditorPlacement, CoversTheCellInsetAndClippedAndScrollsOutsideCellsIn) {
    const CRect client(0, 20, 300, 200);
    EditorPlacement inside = PlaceCellEditor(CRect(100, 37, 200, 54), client, 5);
    EXPECT_TRUE(inside.fits);
    EXPECT_EQ(inside.scrollX, 0);
    EXPECT_EQ(inside.rect, CRect(104, 37, 197, 54));

    EditorPlacement clipped = PlaceCellEditor(CRect(250, 37, 350, 54), client, 5);
    EXPECT_EQ(clipped.rect, CRect(254, 37, 300, 54));

    EditorPlacement right = PlaceCellEditor(CRect(320, 37, 420, 54), client, 5);
    EXPECT_EQ(right.scrollX, 320);
    EXPECT_EQ(right.rect, CRect(4, 37, 97, 54));
    EditorPlacement left = PlaceCellEditor(CRect(-60, 37, 40, 54), client, 5);
    EXPECT_EQ(left.scrollX, -60);

    EXPECT_FALSE(PlaceCellEditor(CRect(10, 37, 14, 54), client, 5).fits);
    EXPECT_TRUE(PlaceCellEditor(CRect(10, 37, 15, 54), client, 5).fits);
    EXPECT_FALSE(PlaceCellEditor(CRect(10, 37, 19, 54), client, 10).fits);
}

class StatusText : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    // 14:03:27 on a day in UTC.
    static constexpr std::int64_t kT = 1700000000 - (1700000000 % 86400) + 14 * 3600 + 3 * 60 + 27;
    CSnmpPdu pdu;
};

TEST_F(StatusText, NamesTheBindingAtTheErrorIndexOrTheLastOne) {
    pdu.AddOid("1.3.6.1.4.1.88888.11.1.2.4.0", std::uint32_t(5), SNMP_TYPE_INTEGER);
    pdu.AddOid("1.3.6.1.4.1.88888.11.1.2.5.0", std::uint32_t(7), SNMP_TYPE_INTEGER);
    pdu.m_dwErrorStatus = 2;
    EXPECT_EQ(ReplyStatusLine(pdu, kT),
              "Received at 14:03:27, noSuchName, 1.3.6.1.4.1.88888.11.1.2.5.0");
    pdu.m_dwErrorStatus = 3;
    pdu.m_dwErrorIndex = 2;
    EXPECT_EQ(ReplyStatusLine(pdu, kT),
              "Received at 14:03:27, badValue(7), 1.3.6.1.4.1.88888.11.1.2.5.0");
    pdu.m_dwErrorIndex = 1;
    EXPECT_EQ(ReplyStatusLine(pdu, kT),
              "Received at 14:03:27, badValue(5), 1.3.6.1.4.1.88888.11.1.2.4.0");
}

TEST_F(StatusText, EveryStatusWordAndTheFailureTexts) {
    pdu.AddOid("1.3.6.1.2.1.1.5.0", std::string("x"), SNMP_TYPE_OCTETS);
    const std::map<std::uint32_t, std::string> words = {
        {0, "sucessful"},
        {1, "tooBig"},
        {4, "readOnly"},
        {5, "genErr"},
        {9, "wrongEncoding, 1.3.6.1.2.1.1.5.0"},
        {12, "inconsistentValue(x), 1.3.6.1.2.1.1.5.0"},
        {16, "authorizationError"},
        {19, ""}};
    for (const auto& [status, word] : words) {
        pdu.m_dwErrorStatus = status;
        EXPECT_EQ(ReplyStatusLine(pdu, kT), "Received at 14:03:27, " + word);
    }
    EXPECT_EQ(FailureStatusLine(16), "timeout");
    EXPECT_EQ(FailureStatusLine(255), "unknown error");
    EXPECT_EQ(FailureStatusLine(0), "unknown error");
    EXPECT_EQ(FailureStatusLine(255, "Socket error"), "unknown error");
    EXPECT_EQ(FailureStatusLine(17, "Response too big."), "Response too big.");
    EXPECT_EQ(FailureStatusLine(18, "Unknown user name"), "Unknown user name");
}

TEST_F(StatusText, AnErrorWithoutItsBindingNamesNothing) {
    pdu.m_dwErrorStatus = 2;
    EXPECT_EQ(ReplyStatusLine(pdu, kT), "Received at 14:03:27, noSuchName");
    pdu.m_dwErrorStatus = 3;
    EXPECT_EQ(ReplyStatusLine(pdu, kT), "Received at 14:03:27, badValue");
    pdu.AddOid("1.3.6.1.2.1.1.5.0", std::uint32_t(1), SNMP_TYPE_INTEGER);
    pdu.m_dwErrorIndex = 3; // beyond the one binding
    EXPECT_EQ(ReplyStatusLine(pdu, kT), "Received at 14:03:27, badValue");
}

} // namespace
