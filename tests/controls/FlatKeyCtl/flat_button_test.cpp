#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/WindowDC.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kPressedFace = RGB(63, 63, 63);
constexpr UINT kId = 1005;

// A 60 × 20 "Refresh" button at (100, 50) of a frame.
class FlatButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CFBCtrl::Register(), 1);
        button = new CFBCtrl;
        ASSERT_TRUE(button->Create(WS_CHILD | WS_VISIBLE, CRect(100, 50, 160, 70), &frame, kId));
        button->InitFlatButton("Refresh");
    }
    COLORREF At(int x, int y) { return Pixel(button, x, y); }
    size_t Clicks() {
        PumpMessages();
        return frame.Only(CTRL_CLICK_MSG).size();
    }
    int Count(COLORREF colour) {
        button->UpdateWindow();
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                n += At(x, y) == colour;
        return n;
    }

    TestFrame frame{300, 200};
    CFBCtrl* button = nullptr;
};

} // namespace

TEST_F(FlatButtonTest, RaisedAndPressedFacesHaveOppositeEdges) {
    button->RedrawWindow();
    EXPECT_EQ(At(0, 0), kWhite);
    EXPECT_EQ(At(0, 18), kWhite);
    EXPECT_EQ(At(58, 0), kWhite);
    EXPECT_EQ(At(59, 0), kGrey);
    EXPECT_EQ(At(0, 19), kGrey);
    EXPECT_EQ(At(59, 19), kGrey);
    EXPECT_EQ(At(2, 17), kFace);
    EXPECT_GT(Count(kBlack), 10); // the caption

    LeftDown(button, 30, 10);
    EXPECT_FALSE(button->IsRaised());
    EXPECT_EQ(At(0, 0), kGrey);
    EXPECT_EQ(At(59, 19), kWhite);
    EXPECT_EQ(At(2, 17), kPressedFace);
    LeftUp(button, 30, 10);
    EXPECT_TRUE(button->IsRaised());
    EXPECT_EQ(At(0, 0), kWhite);
}

TEST_F(FlatButtonTest, EveryReleaseOverTheButtonPostsAClick) {
    LeftDown(button, 30, 10);
    LeftUp(button, 30, 10);
    EXPECT_TRUE(frame.Only(CTRL_CLICK_MSG).empty()); // posted, not sent
    EXPECT_EQ(Clicks(), 1u);
    EXPECT_EQ(frame.Only(CTRL_CLICK_MSG)[0], (RecordedMessage{CTRL_CLICK_MSG, 0, LPARAM(kId)}));
    LeftDown(button, 5, 5);
    LeftUp(button, 55, 15);
    EXPECT_EQ(Clicks(), 2u);
}

TEST_F(FlatButtonTest, DraggingOffAndReleasingElsewherePostsNothingAndStaysPressed) {
    LeftDown(button, 30, 10);
    DragTo(button, 150, 10); // outside the button
    LeftUp(button, 150, 10);
    EXPECT_EQ(Clicks(), 0u);
    EXPECT_FALSE(button->IsRaised());
    button->RedrawWindow(); // the pressed face survives a repaint
    EXPECT_EQ(At(0, 0), kGrey);
    EXPECT_EQ(At(2, 17), kPressedFace);
}

TEST_F(FlatButtonTest, PressingElsewhereAndDraggingOntoTheButtonClicksIt) {
    LeftDown(&frame, 20, 20);
    DragTo(&frame, 130, 60); // over the button
    EXPECT_FALSE(button->IsRaised());
    EXPECT_EQ(button->GetSurface().pixel(0, 0), qRgb(128, 128, 128));
    LeftUp(&frame, 130, 60);
    EXPECT_TRUE(button->IsRaised());
    EXPECT_EQ(Clicks(), 1u);
}

TEST_F(FlatButtonTest, ADisabledButtonShowsAGreyCaptionAndPostsNothing) {
    button->EnableWindow(FALSE);
    EXPECT_EQ(Count(kBlack), 0);
    EXPECT_GT(Count(kGrey), 30); // caption plus the grey edges (78 pixels)
    LeftDown(button, 30, 10);
    LeftUp(button, 30, 10);
    EXPECT_EQ(Clicks(), 0u);
    EXPECT_TRUE(button->IsRaised());
    button->EnableWindow(TRUE);
    EXPECT_GT(Count(kBlack), 10);
}

TEST_F(FlatButtonTest, RaiseButtonRepaintsOnlyAPressedButton) {
    button->RedrawWindow();
    {
        CClientDC dc(button);
        dc.SetPixel(3, 15, RGB(255, 0, 0)); // a mark any repaint would cover
    }
    button->RaiseButton();
    EXPECT_EQ(At(3, 15), RGB(255, 0, 0));

    LeftDown(button, 30, 10);
    {
        CClientDC dc(button);
        dc.SetPixel(3, 15, RGB(255, 0, 0));
    }
    button->RaiseButton();
    EXPECT_TRUE(button->IsRaised());
    EXPECT_EQ(At(3, 15), kFace);
    EXPECT_EQ(At(0, 0), kWhite);
}

TEST_F(FlatButtonTest, PlacedByATemplateItClicksWithItsOwnId) {
    DialogTemplate tpl;
    tpl.cx = 100;
    tpl.cy = 60;
    tpl.items = {{1010, "FlatBtnCtrlClass", 10, 10, 40, 14, WS_VISIBLE, ""}};
    class Recording : public CDialog {
    public:
        using CDialog::CDialog;
        std::vector<LPARAM> clicks;
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == CTRL_CLICK_MSG)
                clicks.push_back(l);
            return CDialog::WindowProc(msg, w, l);
        }
    } dlg(tpl, nullptr);
    ASSERT_TRUE(dlg.Create());
    auto* placed = dynamic_cast<CFBCtrl*>(dlg.GetDlgItem(1010));
    ASSERT_NE(placed, nullptr);
    placed->InitFlatButton("Close");
    LeftDown(placed, 5, 5);
    LeftUp(placed, 5, 5);
    PumpMessages();
    EXPECT_EQ(dlg.clicks, (std::vector<LPARAM>{1010}));
}

TEST_F(FlatButtonTest, SpaceOrTheDialogsPressPostsTheClickButNotWhileDisabled) {
    QTest::keyClick(button->GetWidget(), Qt::Key_Space);
    EXPECT_EQ(Clicks(), 1u);
    button->SendMessage(BM_CLICK);
    EXPECT_EQ(Clicks(), 2u);
    EXPECT_EQ(frame.Only(CTRL_CLICK_MSG).back(), (RecordedMessage{CTRL_CLICK_MSG, 0, kId}));
    EXPECT_TRUE(button->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON);
    button->EnableWindow(FALSE);
    button->SendMessage(BM_CLICK);
    EXPECT_EQ(Clicks(), 2u);
}

TEST_F(FlatButtonTest, OnADarkPaletteTheFaceAndCaptionFollowItsRolesAndStayReadable) {
    const QPalette classic = QApplication::palette();
    QPalette dark = classic;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    button->Invalidate(TRUE);
    EXPECT_EQ(At(30, 17), RGB(50, 50, 50));   // below the caption: the palette's button face
    EXPECT_GT(Count(RGB(230, 230, 230)), 20); // the caption in its button text
    EXPECT_EQ(Count(kBlack), 0);              // nothing black on the dark face
    QApplication::setPalette(classic);
    button->Invalidate(TRUE);
    EXPECT_EQ(At(30, 17), kFace); // the classic scheme again
    EXPECT_GT(Count(kBlack), 20);
}
