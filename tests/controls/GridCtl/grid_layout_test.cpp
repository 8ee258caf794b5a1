#include "tests/controls/GridCtl/GridFixture.h"

#include "platform/ui/CDialog.h"

#include <QWidget>

TEST_F(GridTest, BandsOutlineGridLinesAndCellAreaFrame) {
    Repaint();
    EXPECT_EQ(At(28, 100), kBand);   // row-number band
    EXPECT_EQ(At(150, 10), kBand);   // header band (above the caption text)
    EXPECT_EQ(At(0, 100), kWhite);   // outline, left
    EXPECT_EQ(At(150, 0), kWhite);   // outline, top
    EXPECT_EQ(At(299, 100), kWhite); // outline, right
    EXPECT_EQ(At(32, 100), kBlack);  // cell-area frame, left
    EXPECT_EQ(At(278, 100), kBlack); // right (R.right − 22)
    EXPECT_EQ(At(100, 18), kBlack);  // top
    EXPECT_EQ(At(100, 179), kBlack); // bottom (R.bottom − 21)
    // Rows of 16: lines at 34, 50, …; columns end at 92 and 172, the last border is not drawn.
    EXPECT_EQ(At(100, 34), kBlack);
    EXPECT_EQ(At(100, 33), kWhite);
    EXPECT_EQ(At(100, 50), kBlack);
    EXPECT_EQ(At(92, 100), kBlack);
    EXPECT_EQ(At(172, 100), kBlack);
    EXPECT_EQ(At(272, 100), kWhite);
    EXPECT_EQ(At(120, 100), kWhite);
}

TEST_F(GridTest, CaptionsAndRowNumbersAreDrawnInTheirBands) {
    Repaint();
    EXPECT_GT(CountColour(CRect(33, 1, 91, 17), kBlack), 5);   // "Name" in column 0's header
    EXPECT_GT(CountColour(CRect(1, 1, 31, 17), kBlack), 3);    // "No."
    EXPECT_GT(CountColour(CRect(1, 20, 31, 33), kBlack), 2);   // "1"
    EXPECT_GT(CountColour(CRect(1, 164, 31, 179), kBlack), 2); // "10"
}

TEST_F(GridTest, CellsShowTheirTextInBlackOrBlueAndTheSelectedRowIsShaded) {
    AddRows(3);
    _DATAOBJ marked = Cell("marked", 1);
    _DATAOBJ plain = Cell("plain");
    ASSERT_TRUE(grid->SetItemString(1, 1, &marked));
    ASSERT_TRUE(grid->SetItemString(2, 1, &plain));
    Repaint();
    // Row r's cells span y = 19 + 16r to 32 + 16r; column 1's cells x = 94 to 170.
    EXPECT_GT(CountColour(CRect(94, 35, 170, 49), kBlue), 5);
    EXPECT_EQ(CountColour(CRect(94, 35, 170, 49), kBlack), 0);
    EXPECT_GT(CountColour(CRect(94, 51, 170, 65), kBlack), 5);
    EXPECT_EQ(CountColour(CRect(94, 51, 170, 65), kBlue), 0);
    // Row 0 is selected after InitTable: its cells are shaded, the others white.
    EXPECT_EQ(At(88, 30), kBand);
    EXPECT_EQ(At(88, 46), kWhite);
    EXPECT_EQ(At(91, 30), kWhite); // one pixel of white either side of the border
}

TEST_F(GridTest, RowAndColumnArgumentOrdersAddressTheSameCell) {
    AddRows(3);
    _DATAOBJ written = Cell("x", 1);
    ASSERT_TRUE(grid->SetItemString(0, 2, &written)); // row 0, column 2
    _DATAOBJ read{};
    ASSERT_TRUE(grid->GetItem(2, 0, read)); // column 2, row 0
    EXPECT_STREQ(read.text, "x");
    EXPECT_EQ(read.attribute, 1);
    ASSERT_TRUE(grid->GetItem(0, 2, read)); // column 0, row 2: the appended first cell
    EXPECT_STREQ(read.text, "r2");
    ASSERT_TRUE(grid->GetItem(1, 2, read)); // not yet set: empty
    EXPECT_STREQ(read.text, "");
}

TEST_F(GridTest, OutOfRangeCellsAreRefusedAndLeftUntouched) {
    AddRows(2);
    _DATAOBJ record = Cell("keep");
    EXPECT_FALSE(grid->SetItemString(2, 0, &record));
    EXPECT_FALSE(grid->SetItemString(0, 3, &record));
    EXPECT_FALSE(grid->SetItemString(-1, 0, &record));
    EXPECT_FALSE(grid->GetItem(3, 0, record));
    EXPECT_FALSE(grid->GetItem(0, 2, record));
    EXPECT_FALSE(grid->GetItem(0, -1, record));
    EXPECT_STREQ(record.text, "keep");
}

TEST_F(GridTest, AnUnterminatedCellTextIsCutAt255Characters) {
    AddRows(1);
    _DATAOBJ full;
    std::memset(full.text, 'a', sizeof full.text); // no terminating NUL
    full.attribute = 0;
    ASSERT_TRUE(grid->SetItemString(0, 1, &full));
    _DATAOBJ read{};
    ASSERT_TRUE(grid->GetItem(1, 0, read));
    EXPECT_EQ(std::strlen(read.text), 255u);
}

TEST_F(GridTest, SelectionStartsAtZeroAndResetClearsIt) {
    EXPECT_EQ(grid->GetIndex(), 0);
    AddRows(4);
    grid->ResetTbl();
    EXPECT_EQ(grid->GetIndex(), -1);
    EXPECT_EQ(grid->GetRowCount(), 0);
    _DATAOBJ record{};
    EXPECT_FALSE(grid->GetItem(0, 0, record));
}

TEST_F(GridTest, NumberedRowsNeverFallBelowTwentyAndTheVerticalRangeStays) {
    AddRows(21);
    EXPECT_EQ(grid->GetDisplayedRowCount(), 21);
    int lo = -1, hi = -1;
    Bar(7)->GetScrollRange(&lo, &hi);
    EXPECT_EQ(hi, 320);
    grid->ResetTbl();
    EXPECT_EQ(grid->GetDisplayedRowCount(), 20);
    AddRows(5);
    EXPECT_EQ(grid->GetDisplayedRowCount(), 20);
    Bar(6)->GetScrollRange(&lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 240); // total width
}

TEST_F(GridTest, MoreThanEightyColumnsAreCut) {
    std::vector<_CAPTIONDATA> captions(81, _CAPTIONDATA{10, "c"});
    grid->InitTable(81, captions.data(), 1);
    EXPECT_EQ(grid->GetColumnCount(), 80);
}

TEST_F(GridTest, CreateKeepsTheLowStyleWordAsTheControlStyle) {
    auto* other = new CTableControl;
    ASSERT_TRUE(other->Create(WS_CHILD | 0x1234, CRect(0, 0, 100, 100), &frame, 1001));
    EXPECT_EQ(other->GetControlStyle(), 0x1234);
    EXPECT_EQ(other->GetStyle() & 0xFFFF, 0u);
}

TEST_F(GridTest, ResizingMovesTheScrollBars) {
    grid->MoveWindow(0, 0, 400, 250);
    QRect h = Bar(6)->GetWidget()->geometry(), v = Bar(7)->GetWidget()->geometry();
    EXPECT_EQ(h, QRect(32, 230, 347, 20));
    EXPECT_EQ(v, QRect(379, 18, 20, 232));
}

TEST(GridPlacement, TemplatesAndSubclassingGiveEachWindowItsOwnTable) {
    ASSERT_EQ(CTableControl::Register(), 1);
    DialogTemplate tpl;
    tpl.cx = 250;
    tpl.cy = 200;
    tpl.items = {{1000, "GridCtlClass", 7, 7, 231, 155, WS_VISIBLE, ""},
                 {1001, "GridCtlClass", 7, 7, 50, 50, 0, ""},
                 {1002, "BUTTON", 7, 7, 50, 50, 0, ""}};
    CDialog dlg(tpl, nullptr);
    ASSERT_TRUE(dlg.Create());
    auto* first = dynamic_cast<CTableControl*>(dlg.GetDlgItem(1000));
    auto* second = dynamic_cast<CTableControl*>(dlg.GetDlgItem(1001));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);

    auto* taken = new CTableControl;
    EXPECT_EQ(taken->SubclassTable(&dlg, 1003), 0);
    EXPECT_NE(taken->SubclassTable(&dlg, 1002), 0);
    EXPECT_EQ(dlg.GetDlgItem(1002), taken);
    dlg.DestroyWindow(); // the three tables delete themselves with their windows
}
