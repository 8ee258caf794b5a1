// The report list with real mouse and key events: in-place editing ends on Enter, Escape or
// focus loss; its drawing shows row colours, grid lines and the full-row highlight.
#include <gtest/gtest.h>

#include "dialogs/NmDlgResources.h"
#include "platform/ui/CComboBox.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

// A list dialog that opens the editor on a click into column 1 and records the callbacks.
class EditingList : public BareList {
public:
    EditingList() : BareList("editing") {
        m_listCtrl.InsertColumn(0, "Object", LVCFMT_LEFT, 140, 0, kNmDefaultColor);
        m_listCtrl.InsertColumn(1, "Value", LVCFMT_LEFT, 200, 1, RGB(0x80, 0, 0));
        const char* names[3] = {"sysContact", "sysName", "sysLocation"};
        for (int i = 0; i < 3; ++i) {
            m_listCtrl.InsertItem(LVIF_TEXT, i, names[i], 0, 0, 0, 0,
                                  i == 1 ? RGB(0, 0, 255) : kNmDefaultColor);
            m_listCtrl.SetItemText(i, 1, "old");
        }
        m_listCtrl.m_pfnLabelChanged =
            static_cast<CNmListCtrl::LabelChangedFn>(&EditingList::OnLabelChanged);
        m_listCtrl.m_pfnLButtonDown =
            static_cast<CNmListCtrl::LButtonFn>(&EditingList::OnLButtonDownClick);
        m_listCtrl.m_pfnDblClick =
            static_cast<CNmListCtrl::DblClickFn>(&EditingList::OnItemDblClick);
        ShowWindow(SW_SHOW);
        GetWidget()->activateWindow();
        QApplication::setActiveWindow(GetWidget());
        PumpMessages();
    }
    void OnLabelChanged(int row, int col, const std::string& text) {
        changes.push_back({row, col, text});
    }
    void OnLButtonDownClick(int row, int col, LRESULT*) {
        clicks.push_back({row, col});
        if (col == 1)
            m_listCtrl.EditSubLabel(row, col);
        else if (col == 0 && useList)
            m_listCtrl.ShowInPlaceList(row, 1, {"Enabled", "Disabled", "Testing"}, 1);
    }
    void OnItemDblClick(NMHDR* hdr, LRESULT*) { doubleClicks.push_back(hdr->code); }

    struct Change {
        int row, col;
        std::string text;
    };
    std::vector<Change> changes;
    std::vector<std::pair<int, int>> clicks;
    std::vector<UINT> doubleClicks;
    bool useList = false;

    CPoint CellPoint(int row, int col) {
        CRect cell;
        m_listCtrl.GetSubItemRect(row, col, LVIR_LABEL, cell);
        return CPoint(cell.left + 10, (cell.top + cell.bottom) / 2);
    }
    void Click(int row, int col) {
        CPoint p = CellPoint(row, col);
        LeftDown(&m_listCtrl, p.x, p.y);
        LeftUp(&m_listCtrl, p.x, p.y);
        PumpMessages();
    }
    CWnd* Editor() { return m_listCtrl.GetDlgItem(0xFE01); }
};

class ListCtrlTest : public ::testing::Test {
protected:
    void TearDown() override {
        nmdlgCloseAll();
        PumpMessages();
    }
};

TEST_F(ListCtrlTest, EditBoxCoversTheCellAndEnterKeepsTheText) {
    auto* dlg = new EditingList;
    dlg->Click(1, 1);
    ASSERT_EQ(dlg->clicks.size(), 1u);
    EXPECT_EQ(dlg->clicks[0], std::make_pair(1, 1));
    CWnd* edit = dlg->Editor();
    ASSERT_NE(edit, nullptr);
    CRect cell, box;
    dlg->m_listCtrl.GetSubItemRect(1, 1, LVIR_LABEL, cell);
    edit->GetWindowRect(&box);
    dlg->m_listCtrl.ScreenToClient(&box);
    CRect rows = dlg->m_listCtrl.GetRowsRect();
    EXPECT_EQ(box.left, cell.left + 4);
    EXPECT_EQ(box.right, std::min<int>(cell.right - 3, rows.right));
    EXPECT_EQ(box.top, cell.top);
    EXPECT_EQ(box.bottom, cell.bottom);
    EXPECT_EQ(edit->GetWindowText(), "old");
    SaveScreenshot(dlg, "nmdlg_list_editing");

    QWidget* w = edit->GetWidget();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, "Network Operations");
    QTest::keyClick(w, Qt::Key_Return);
    PumpMessages();
    EXPECT_EQ(dlg->Editor(), nullptr);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(1, 1), "Network Operations");
    ASSERT_EQ(dlg->changes.size(), 1u);
    EXPECT_EQ(dlg->changes[0].row, 1);
    EXPECT_EQ(dlg->changes[0].col, 1);
    EXPECT_EQ(dlg->changes[0].text, "Network Operations");
}

TEST_F(ListCtrlTest, EscapeCancelsAndLosingTheFocusKeeps) {
    auto* dlg = new EditingList;
    dlg->Click(0, 1);
    ASSERT_NE(dlg->Editor(), nullptr);
    QTest::keyClicks(dlg->Editor()->GetWidget(), "typed");
    QTest::keyClick(dlg->Editor()->GetWidget(), Qt::Key_Escape);
    PumpMessages();
    EXPECT_EQ(dlg->Editor(), nullptr);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 1), "old");
    EXPECT_TRUE(dlg->changes.empty());

    dlg->Click(2, 1);
    ASSERT_NE(dlg->Editor(), nullptr);
    QWidget* w = dlg->Editor()->GetWidget();
    ASSERT_TRUE(w->hasFocus());
    QTest::keyClick(w, Qt::Key_End);
    QTest::keyClicks(w, "er");
    // A click on the first column takes the focus away: the text is kept.
    CPoint p = dlg->CellPoint(0, 0);
    LeftDown(&dlg->m_listCtrl, p.x, p.y);
    PumpMessages();
    EXPECT_EQ(dlg->Editor(), nullptr);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(2, 1), "older");
    ASSERT_EQ(dlg->changes.size(), 1u);
    EXPECT_EQ(dlg->changes[0].row, 2);
    // That click selected and focused row 0.
    EXPECT_EQ(dlg->m_listCtrl.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 0);
}

TEST_F(ListCtrlTest, DropDownListHoldsTheTextsAndEnterKeepsTheChoice) {
    auto* dlg = new EditingList;
    dlg->useList = true;
    dlg->Click(1, 0);
    auto* combo = dynamic_cast<CComboBox*>(dlg->Editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->GetMinVisible(), 30);
    EXPECT_EQ(combo->GetItemHeight(), dlg->m_listCtrl.GetRowHeight());
    EXPECT_EQ(combo->GetHorizontalExtent(), 200);
    QTest::keyClick(combo->GetWidget(), Qt::Key_Down);
    QTest::keyClick(combo->GetWidget(), Qt::Key_Return);
    PumpMessages();
    EXPECT_EQ(dlg->Editor(), nullptr);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(1, 1), "Testing");
    ASSERT_EQ(dlg->changes.size(), 1u);
    EXPECT_EQ(dlg->changes[0].text, "Testing");
}

TEST_F(ListCtrlTest, ClicksBeyondTheCellsSelectTheRowAndDoubleClicksReachTheCallback) {
    auto* dlg = new EditingList;
    CRect rows = dlg->m_listCtrl.GetRowsRect();
    CPoint cell = dlg->CellPoint(2, 1);
    int beyond = std::min<int>(rows.right - 2, 345);
    dlg->m_listCtrl.SetColumnWidth(1, 80); // leaves room right of the last column
    LeftDown(&dlg->m_listCtrl, beyond, cell.y);
    LeftUp(&dlg->m_listCtrl, beyond, cell.y);
    EXPECT_TRUE(dlg->clicks.empty());
    EXPECT_EQ(dlg->m_listCtrl.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 2);

    QTest::mouseDClick(dlg->m_listCtrl.GetWidget(), Qt::LeftButton, {}, QPoint(20, cell.y));
    PumpMessages();
    ASSERT_EQ(dlg->doubleClicks.size(), 1u);
    EXPECT_EQ(dlg->doubleClicks[0], NM_DBLCLK);
}

TEST_F(ListCtrlTest, RowsShowTheirColoursGridAndFullRowHighlight) {
    auto* dlg = new EditingList;
    CNmListCtrl& list = dlg->m_listCtrl;
    list.SetFocus();
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    PumpMessages();
    CRect row0, row1, cell;
    list.GetItemRect(0, &row0, LVIR_BOUNDS);
    list.GetItemRect(1, &row1, LVIR_BOUNDS);
    list.GetSubItemRect(1, 1, LVIR_LABEL, cell);
    CRect client = list.GetRowsRect();
    auto count = [&](const CRect& r, COLORREF color) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = std::max(0, r.left); x < std::min(r.right, client.right); ++x)
                n += Pixel(&list, x, y) == color;
        return n;
    };
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    // The selected row is highlighted up to the client's right edge, past its last column.
    CRect tail(client.right - 10, row0.top + 2, client.right - 2, row0.bottom - 2);
    EXPECT_EQ(count(tail, highlight), tail.Width() * tail.Height());
    // Row 1's name in its blue, its value in the column's maroon, light-grey grid lines.
    CRect name(row1.left, row1.top, row1.left + 140, row1.bottom);
    EXPECT_GT(count(name, RGB(0, 0, 255)), 10);
    EXPECT_GT(count(cell, RGB(0x80, 0, 0)), 5);
    EXPECT_EQ(Pixel(&list, name.right - 1, name.top + 3), RGB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(Pixel(&list, cell.left + 30, cell.bottom - 1), RGB(0xC0, 0xC0, 0xC0));

    // With selection hidden the row is not drawn highlighted.
    list.m_dwStyle |= NMLS_NOSELECTION;
    list.Invalidate();
    EXPECT_EQ(count(tail, highlight), 0);
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), 0u);
}

} // namespace
