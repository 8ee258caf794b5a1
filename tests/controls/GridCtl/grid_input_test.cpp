#include "tests/controls/GridCtl/GridFixture.h"

#include "platform/ui/Cursor.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

TEST_F(GridTest, ClickSelectsTheRowUnderTheMouseOrClearsTheSelection) {
    AddRows(3);
    LeftDown(grid, 200, 55); // row 2: y 50 – 66
    LeftUp(grid, 200, 55);
    EXPECT_EQ(grid->GetIndex(), 2);
    LeftDown(grid, 40, 34); // on the line between rows 0 and 1: the upper row
    LeftUp(grid, 40, 34);
    EXPECT_EQ(grid->GetIndex(), 0);
    LeftDown(grid, 200, 5); // header
    LeftUp(grid, 200, 5);
    EXPECT_EQ(grid->GetIndex(), -1);
    LeftDown(grid, 200, 40);
    LeftUp(grid, 200, 40);
    EXPECT_EQ(grid->GetIndex(), 1);
    LeftDown(grid, 200, 90); // below the last row
    LeftUp(grid, 200, 90);
    EXPECT_EQ(grid->GetIndex(), -1);
    EXPECT_EQ(At(88, 46), kWhite); // redrawn without shading
}

TEST_F(GridTest, SelectedRowIsShadedAtOnce) {
    AddRows(3);
    LeftDown(grid, 200, 40);
    LeftUp(grid, 200, 40);
    EXPECT_EQ(grid->GetSurface().pixel(88, 46), qRgb(192, 192, 192));
    EXPECT_EQ(grid->GetSurface().pixel(88, 30), qRgb(255, 255, 255));
}

TEST_F(GridTest, WithSelectionDisabledClicksNeverChangeTheSelection) {
    Init(0);
    AddRows(3);
    LeftDown(grid, 200, 40);
    LeftUp(grid, 200, 40);
    EXPECT_EQ(grid->GetIndex(), 0);
    LeftDown(grid, 200, 5);
    LeftUp(grid, 200, 5);
    EXPECT_EQ(grid->GetIndex(), 0);
    Repaint();
    EXPECT_EQ(At(88, 30), kWhite); // no shading when selection is off
}

TEST_F(GridTest, TheCursorShowsWhereABorderCanBeDragged) {
    Hover(grid, 93, 150); // within one pixel of the border at 92, at any height
    EXPECT_EQ(GetCursor(), IDC_SIZEWE);
    Hover(grid, 95, 150);
    EXPECT_EQ(GetCursor(), IDC_ARROW);
    Hover(grid, 272, 5); // the last column's right border is never a border
    EXPECT_EQ(GetCursor(), IDC_ARROW);
    Init(1, 1);
    Hover(grid, 92, 100); // one column: nothing to drag
    EXPECT_EQ(GetCursor(), IDC_ARROW);
}

TEST_F(GridTest, DraggingABorderInvertsTheDragLineAndSetsTheWidth) {
    AddRows(3);
    Repaint();
    LeftDown(grid, 92, 100);
    EXPECT_EQ(grid->GetIndex(), 0); // a border press selects nothing
    DragTo(grid, 120, 100);
    EXPECT_EQ(grid->GetSurface().pixel(92, 100), qRgb(255, 255, 255)); // old line inverted away
    EXPECT_EQ(grid->GetSurface().pixel(120, 100), qRgb(0, 0, 0));
    LeftUp(grid, 120, 100);
    EXPECT_EQ(grid->GetColumnWidth(0), 88);
    EXPECT_EQ(At(120, 100), kBlack); // the border now lies at the release point
    EXPECT_EQ(At(92, 100), kWhite);
    EXPECT_EQ(At(200, 100), kBlack); // column 1 follows: 120 + 80
    int lo = -1, hi = -1;
    Bar(6)->GetScrollRange(&lo, &hi);
    EXPECT_EQ(hi, 240); // the horizontal range is not updated
}

TEST_F(GridTest, ABorderReleasedLeftOfItsColumnLeavesAnEmptyColumn) {
    LeftDown(grid, 172, 100); // border between columns 1 and 2
    DragTo(grid, 50, 100);
    LeftUp(grid, 50, 100);
    EXPECT_EQ(grid->GetColumnWidth(1), 0);
}

TEST_F(GridTest, HorizontalScrollingSnapsToColumnEdges) {
    Scroll(6, SB_LINERIGHT);
    EXPECT_EQ(grid->GetHorzOffset(), 60); // exactly the first column's width
    Scroll(6, SB_LINERIGHT);
    EXPECT_EQ(grid->GetHorzOffset(), 140);
    Scroll(6, SB_LINELEFT);
    EXPECT_EQ(grid->GetHorzOffset(), 60);
    Scroll(6, SB_THUMBTRACK, 100); // the middle of column 1 shows column 1 from its left edge
    EXPECT_EQ(grid->GetHorzOffset(), 60);
    EXPECT_EQ(Bar(6)->GetScrollPos(), 100);
    Scroll(6, SB_RIGHT);
    EXPECT_EQ(grid->GetHorzOffset(), 140); // at most the last column's left edge
    EXPECT_EQ(Bar(6)->GetScrollPos(), 240);
    Scroll(6, SB_LEFT);
    EXPECT_EQ(grid->GetHorzOffset(), 0);
}

TEST_F(GridTest, HorizontalOffsetMovesTheColumns) {
    Scroll(6, SB_LINERIGHT);
    EXPECT_EQ(At(112, 100), kBlack); // column 1's right border: 32 − 60 + 140
    EXPECT_EQ(At(92, 100), kWhite);
    EXPECT_GT(CountColour(CRect(33, 1, 111, 17), kBlack), 5); // "Value" now first
}

TEST_F(GridTest, VerticalScrollingSnapsToRowsOfSixteen) {
    Scroll(7, SB_LINEDOWN);
    EXPECT_EQ(grid->GetVertOffset(), 16);
    Scroll(7, SB_PAGEDOWN);
    EXPECT_EQ(grid->GetVertOffset(), 96); // five rows
    Scroll(7, SB_BOTTOM);
    EXPECT_EQ(grid->GetVertOffset(), 320);
    Scroll(7, SB_LINEDOWN);
    EXPECT_EQ(grid->GetVertOffset(), 320); // the range ends at 16 × 20
    Scroll(7, SB_THUMBTRACK, 50);
    EXPECT_EQ(grid->GetVertOffset(), 48);
    EXPECT_EQ(Bar(7)->GetScrollPos(), 50);
    Scroll(7, SB_LINEUP); // from the bar position lowered to 48
    EXPECT_EQ(grid->GetVertOffset(), 32);
    Scroll(7, SB_PAGEUP);
    EXPECT_EQ(grid->GetVertOffset(), 0);
    Scroll(7, SB_ENDSCROLL);
    EXPECT_EQ(grid->GetVertOffset(), 0);
}

TEST_F(GridTest, VerticalOffsetMovesTheRowsUp) {
    AddRows(3);
    _DATAOBJ text = Cell("WWWW");
    grid->SetItemString(1, 1, &text);
    Scroll(7, SB_LINEDOWN);
    // Row 1 now occupies the first visible row (y 19 – 32); row 0 is hidden.
    EXPECT_GT(CountColour(CRect(94, 19, 170, 33), kBlack), 5);
    EXPECT_EQ(CountColour(CRect(94, 35, 170, 49), kBlack), 0);
    // Clicking the first visible row selects row 1.
    LeftDown(grid, 200, 25);
    LeftUp(grid, 200, 25);
    EXPECT_EQ(grid->GetIndex(), 1);
}

TEST_F(GridTest, ScrollRequestsFromOtherWindowsAreIgnored) {
    grid->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    grid->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), LPARAM(Bar(6)->m_hWnd));
    EXPECT_EQ(grid->GetHorzOffset(), 0);
    EXPECT_EQ(grid->GetVertOffset(), 0);
}

TEST_F(GridTest, ClickingTheScrollBarArrowsScrollsByOneStep) {
    QWidget* horizontal = Bar(6)->GetWidget();
    QWidget* vertical = Bar(7)->GetWidget();
    QTest::mouseClick(horizontal, Qt::LeftButton, {},
                      QPoint(horizontal->width() - 4, horizontal->height() / 2));
    EXPECT_EQ(grid->GetHorzOffset(), 60);
    EXPECT_EQ(Bar(6)->GetScrollPos(), 60);
    QTest::mouseClick(vertical, Qt::LeftButton, {},
                      QPoint(vertical->width() / 2, vertical->height() - 4));
    EXPECT_EQ(grid->GetVertOffset(), 16);
    QTest::mouseClick(vertical, Qt::LeftButton, {}, QPoint(vertical->width() / 2, 4));
    EXPECT_EQ(grid->GetVertOffset(), 0);
}

TEST_F(GridTest, AColumnDraggedToNoWidthCanBeDraggedOpenAgain) {
    LeftDown(grid, 172, 100); // column 1's right border onto its left one
    DragTo(grid, 92, 100);
    LeftUp(grid, 92, 100);
    ASSERT_EQ(grid->GetColumnWidth(1), 0);
    // Right of the shared line the hidden column is caught and widens.
    LeftDown(grid, 93, 100);
    DragTo(grid, 130, 100);
    LeftUp(grid, 130, 100);
    EXPECT_EQ(grid->GetColumnWidth(1), 38);
    EXPECT_EQ(grid->GetColumnWidth(0), 60);
    // On the line itself the column left of it is still the one dragged.
    LeftDown(grid, 92, 100);
    LeftUp(grid, 100, 100);
    EXPECT_EQ(grid->GetColumnWidth(0), 68);
    EXPECT_EQ(grid->GetColumnWidth(1), 38);
}

TEST_F(GridTest, TheWheelScrollsByOneRowANotch) {
    AddRows(30);
    QWidget* w = grid->GetWidget();
    auto wheel = [w](int delta) {
        QPointF at(100, 100);
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    };
    wheel(-120);
    EXPECT_EQ(grid->GetVertOffset(), 16);
    EXPECT_EQ(Bar(7)->GetScrollPos(), 16);
    wheel(-240);
    EXPECT_EQ(grid->GetVertOffset(), 48);
    wheel(120);
    EXPECT_EQ(grid->GetVertOffset(), 32);
}

TEST_F(GridTest, ArrowsAndPagesMoveTheSelectionAndKeepItInView) {
    AddRows(30);
    ASSERT_EQ(grid->GetIndex(), 0);
    QWidget* w = grid->GetWidget();
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(grid->GetIndex(), 1);
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(grid->GetIndex(), 2);
    QTest::keyClick(w, Qt::Key_PageDown); // ten whole rows show in the 162-pixel cell area
    EXPECT_EQ(grid->GetIndex(), 12);
    EXPECT_EQ(grid->GetVertOffset(), 48); // row 12 (y 192–208) just in view
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(grid->GetIndex(), 2);
    EXPECT_EQ(grid->GetVertOffset(), 32);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w, Qt::Key_Up);
    EXPECT_EQ(grid->GetIndex(), 0);
    EXPECT_EQ(grid->GetVertOffset(), 0);

    // Without selection the keys only scroll.
    Init(0);
    QTest::keyClick(w, Qt::Key_Down);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(grid->GetVertOffset(), 96);
    EXPECT_EQ(grid->GetIndex(), 0);
}
