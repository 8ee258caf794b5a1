// The standard controls a dialog template places: push buttons, group boxes and labels drawn
// by the layer, the multi-line edit, image lists, the list view and the up/down control; and
// the text-fitting rules they use.
#include <gtest/gtest.h>

#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CImageList.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/EditWidgets.h"
#include "platform/ui/TextFit.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QPlainTextEdit>

namespace {

int charWidth(const std::string& s) {
    return 7 * int(s.size());
}

TEST(TextFit, EllipsisKeepsTheLongestFittingStart) {
    EXPECT_EQ(FitWithEllipsis("sysDescr", 56, charWidth), "sysDescr");
    EXPECT_EQ(FitWithEllipsis("sysDescr", 55, charWidth), "sysD...");
    EXPECT_EQ(FitWithEllipsis("sysDescr", 21, charWidth), "...");
    EXPECT_EQ(FitWithEllipsis("sysDescr", 15, charWidth), "..");
    EXPECT_EQ(FitWithEllipsis("sysDescr", 3, charWidth), "");
}

TEST(TextFit, MnemonicMarksAreHiddenAndTheFirstIsUnderlined) {
    MnemonicText refresh = StripMnemonic("&Refresh");
    EXPECT_EQ(refresh.shown, "Refresh");
    EXPECT_EQ(refresh.underlined, 0);
    MnemonicText amp = StripMnemonic("R&&D &Apply&");
    EXPECT_EQ(amp.shown, "R&D Apply&");
    EXPECT_EQ(amp.underlined, 4);
}

// A dialog holding one of each control.
DialogTemplate controlsTemplate() {
    DialogTemplate tpl;
    tpl.title = "controls";
    tpl.cx = 200;
    tpl.cy = 160;
    tpl.fontFace = "Arial";
    tpl.items = {
        {10, "BUTTON", 4, 4, 50, 14, WS_VISIBLE | BS_PUSHBUTTON, "&Apply"},
        {2, "BUTTON", 60, 4, 80, 40, WS_VISIBLE | BS_GROUPBOX, "Area"},
        {3, "STATIC", 4, 24, 50, 10, WS_VISIBLE | SS_SUNKEN, "headerInfo"},
        {4, "EDIT", 4, 50, 120, 30, WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL, ""},
        {5, WC_LISTVIEW, 4, 84, 150, 70, WS_VISIBLE | LVS_REPORT, ""},
        {6, UPDOWN_CLASS, 160, 4, 11, 14, WS_VISIBLE | UDS_SETBUDDYINT, ""},
        {7, "EDIT", 174, 4, 20, 12, WS_VISIBLE, ""},
        {8, "BUTTON", 4, 36, 50, 12, BS_PUSHBUTTON, "hidden"},
    };
    return tpl;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.CreateIndirect(controlsTemplate(), &owner));
        dlg.ShowWindow(SW_SHOW);
        PumpMessages();
    }
    TestFrame owner;
    struct Dialog : CDialog {
        std::vector<WPARAM> commands;
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
            if (msg == WM_COMMAND)
                commands.push_back(wParam);
            return CDialog::WindowProc(msg, wParam, lParam);
        }
    } dlg;
};

TEST_F(ControlsTest, PushButtonSinksWhilePressedAndReportsAClick) {
    CWnd* button = dlg.GetDlgItem(10);
    const COLORREF white = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(Pixel(button, 0, 0), white);
    LeftDown(button, 5, 5);
    EXPECT_NE(Pixel(button, 0, 0), white);
    EXPECT_TRUE(dlg.commands.empty());
    LeftUp(button, 5, 5);
    EXPECT_EQ(Pixel(button, 0, 0), white);
    ASSERT_EQ(dlg.commands.size(), 1u);
    EXPECT_EQ(dlg.commands[0], MAKEWPARAM(10, BN_CLICKED));
    // Children without WS_VISIBLE stay hidden when the dialog shows.
    EXPECT_FALSE(dlg.GetDlgItem(8)->IsWindowVisible());
}

TEST_F(ControlsTest, GroupBoxAndSunkenLabelDrawTheirEdgesAndText) {
    CWnd* group = dlg.GetDlgItem(2);
    CRect r;
    group->GetClientRect(&r);
    EXPECT_EQ(Pixel(group, 2, r.bottom - 2), GetSysColor(COLOR_BTNSHADOW));
    CWnd* label = dlg.GetDlgItem(3);
    EXPECT_EQ(Pixel(label, 0, 0), GetSysColor(COLOR_BTNSHADOW));
    label->GetClientRect(&r);
    EXPECT_EQ(Pixel(label, r.right - 1, r.bottom - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    int dark = 0;
    for (int x = 2; x < r.right - 2; ++x)
        for (int y = 2; y < r.bottom - 2; ++y)
            dark += Pixel(label, x, y) == GetSysColor(COLOR_BTNTEXT);
    EXPECT_GT(dark, 10);
    label->SetWindowText("");
    for (int x = 3; x < r.right - 3; ++x)
        EXPECT_EQ(Pixel(label, x, r.bottom / 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ControlsTest, MultiLineEditKeepsLineEndsAndSelectsAcrossThem) {
    CEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(dlg.GetDlgItem(4)->m_hWnd));
    edit.SetWindowText("first\r\nsecond\r\nthird\r\n");
    edit.SetSel(15, 20);
    auto* widget = dynamic_cast<QPlainTextEdit*>(edit.GetWidget());
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isReadOnly());
    EXPECT_EQ(widget->textCursor().selectedText().toStdString(), "third");
    EXPECT_EQ(edit.GetWindowText(), "first\r\nsecond\r\nthird\r\n");
    EXPECT_EQ(ShownPosition("a\r\nb", 4), 3);
}

TEST_F(ControlsTest, ImageListCutsTheBitmapAndDrawsOverlaysOverTheMask) {
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(qRgb(0xC0, 0xC0, 0xC0));
    for (int y = 0; y < 16; ++y) {
        strip.setPixel(16 + 8, y, qRgb(255, 0, 0)); // image 1: a red vertical line
        strip.setPixel(32 + y, 8, qRgb(0, 0, 255)); // image 2: a blue horizontal line
    }
    RegisterBitmapResource(9130, strip);
    CImageList list;
    ASSERT_TRUE(list.Create(9130, 16, 1, RGB(0xC0, 0xC0, 0xC0)));
    EXPECT_EQ(list.GetImageCount(), 3);
    ASSERT_TRUE(list.SetOverlayImage(2, 1));
    CBitmap target;
    target.CreateCompatibleBitmap(16, 16);
    target.Image().fill(Qt::white);
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&target);
        list.Draw(&dc, 1, POINT{0, 0}, ILD_TRANSPARENT | (1u << 8));
    }
    EXPECT_EQ(target.Image().pixel(8, 2), qRgb(255, 0, 0));
    EXPECT_EQ(target.Image().pixel(2, 8), qRgb(0, 0, 255));
    EXPECT_EQ(target.Image().pixel(2, 2), qRgb(255, 255, 255)); // the mask let white through
}

TEST_F(ControlsTest, ListViewKeepsCellsAndScrollsToARow) {
    CListCtrl list;
    ASSERT_TRUE(list.SubclassWindow(dlg.GetDlgItem(5)->m_hWnd));
    list.InsertColumn(0, "Object", LVCFMT_LEFT, 120);
    list.InsertColumn(1, "Value", LVCFMT_RIGHT, 120);
    for (int i = 0; i < 20; ++i) {
        list.InsertItem(i, ("row " + std::to_string(i)).c_str());
        list.SetItemText(i, 1, std::to_string(i * i).c_str());
    }
    list.SetItemData(3, 42);
    EXPECT_EQ(list.GetItemCount(), 20);
    EXPECT_EQ(list.GetItemText(7, 1), "49");
    EXPECT_EQ(list.GetItemData(3), 42u);
    EXPECT_EQ(list.GetTopIndex(), 0);
    list.EnsureVisible(15, FALSE);
    EXPECT_EQ(list.GetTopIndex() + list.GetCountPerPage() - 1, 15);
    CRect r;
    list.GetItemRect(15, &r, LVIR_BOUNDS);
    LVHITTESTINFO hit;
    hit.pt = CPoint(130, r.top + 2);
    EXPECT_EQ(list.SubItemHitTest(&hit), 15);
    EXPECT_EQ(hit.iSubItem, 1);
    // One focused row: focusing another takes it from the first.
    list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetItemState(5, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 5);
    EXPECT_EQ(list.GetNextItem(5, LVNI_FOCUSED), -1);
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST_F(ControlsTest, SpinStepsWithinItsRangeAndWritesItsBuddy) {
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.SubclassWindow(dlg.GetDlgItem(6)->m_hWnd));
    spin.SetBuddy(dlg.GetDlgItem(7));
    spin.SetRange(1, 3);
    spin.SetPos(2);
    EXPECT_EQ(dlg.GetDlgItem(7)->GetWindowText(), "2");
    CRect r;
    spin.GetClientRect(&r);
    for (int i = 0; i < 3; ++i) {
        LeftDown(&spin, 3, 2);
        LeftUp(&spin, 3, 2);
    }
    EXPECT_EQ(spin.GetPos(), 3);
    LeftDown(&spin, 3, r.bottom - 2);
    LeftUp(&spin, 3, r.bottom - 2);
    EXPECT_EQ(spin.GetPos(), 2);
    EXPECT_EQ(dlg.GetDlgItem(7)->GetWindowText(), "2");
}

} // namespace
