#include "platform/ui/CScrollBar.h"
#include "platform/ui/Cursor.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class MouseWnd : public RecordingWnd {
public:
    std::vector<RecordedMessage> mouse;
    std::vector<WPARAM> enables;
    HCURSOR cursorOnDown = 0;
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg >= WM_MOUSEMOVE && msg <= WM_LBUTTONDBLCLK)
            mouse.push_back({msg, w, l});
        if (msg == WM_ENABLE)
            enables.push_back(w);
        if (msg == WM_LBUTTONDOWN && cursorOnDown)
            SetCursor(cursorOnDown);
        return RecordingWnd::WindowProc(msg, w, l);
    }
};

} // namespace

TEST(MouseInput, DisabledWindowsGetNoMouseInput) {
    TestFrame frame;
    MouseWnd child;
    ASSERT_TRUE(
        child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &frame, 5));
    child.EnableWindow(FALSE);
    EXPECT_FALSE(child.IsWindowEnabled());
    LeftDown(&child, 5, 5);
    LeftUp(&child, 5, 5);
    EXPECT_TRUE(child.mouse.empty());

    child.EnableWindow(TRUE);
    EXPECT_EQ(child.enables, (std::vector<WPARAM>{0, 1}));
    LeftDown(&child, 7, 9);
    ASSERT_EQ(child.mouse.size(), 1u);
    EXPECT_EQ(child.mouse[0], (RecordedMessage{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9)}));
    LeftUp(&child, 7, 9);
}

TEST(MouseInput, WithoutCaptureTheReleaseGoesToTheWindowUnderTheMouse) {
    TestFrame frame;
    MouseWnd left, right;
    ASSERT_TRUE(
        left.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
    ASSERT_TRUE(
        right.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(100, 0, 150, 50), &frame, 2));
    LeftDown(&left, 10, 10);
    DragTo(&left, 110, 20); // over `right`, still delivered by Qt to `left`
    LeftUp(&left, 110, 20);
    ASSERT_EQ(left.mouse.size(), 1u);
    ASSERT_EQ(right.mouse.size(), 2u);
    EXPECT_EQ(right.mouse[0].msg, UINT(WM_MOUSEMOVE));
    EXPECT_EQ(right.mouse[0].wParam, MK_LBUTTON);
    EXPECT_EQ(right.mouse[1], (RecordedMessage{WM_LBUTTONUP, 0, MAKELPARAM(10, 20)}));
}

TEST(MouseInput, SetCursorShowsOnTheWindowHandlingTheMouse) {
    TestFrame frame;
    MouseWnd child;
    child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1);
    child.cursorOnDown = LoadCursor(0, IDC_SIZEWE);
    EXPECT_EQ(LoadCursor(0, 12345), 0u);
    LeftDown(&child, 5, 5);
    LeftUp(&child, 5, 5);
    EXPECT_EQ(GetCursor(), IDC_SIZEWE);
    EXPECT_EQ(child.GetWidget()->cursor().shape(), Qt::SizeHorCursor);
    SetCursor(LoadCursor(0, IDC_ARROW));
}

TEST(ScrollBars, RequestsGoToTheParentAndOnlyTheParentMovesTheBar) {
    TestFrame frame;
    std::vector<RecordedMessage> requests;
    frame.onMessage = [&](UINT msg, WPARAM w, LPARAM l) {
        if (msg == WM_HSCROLL || msg == WM_VSCROLL)
            requests.push_back({msg, w, l});
    };
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 20, 200), &frame, 7));
    bar.SetScrollRange(0, 320);
    EXPECT_EQ(bar.SetScrollPos(32), 0);
    auto* qbar = qobject_cast<QScrollBar*>(bar.GetWidget());
    ASSERT_NE(qbar, nullptr);
    qbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    qbar->triggerAction(QAbstractSlider::SliderToMaximum);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].msg, UINT(WM_VSCROLL));
    EXPECT_EQ(LOWORD(requests[0].wParam), SB_LINEDOWN);
    EXPECT_EQ(HWND(requests[0].lParam), bar.m_hWnd);
    EXPECT_EQ(LOWORD(requests[1].wParam), SB_BOTTOM);
    EXPECT_EQ(bar.GetScrollPos(), 32); // the frame did not move it
    int lo = -1, hi = -1;
    bar.GetScrollRange(&lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 320);
}

TEST(KeyboardInput, FocusAndKeysArriveAsWindowMessages) {
    class KeyWnd : public RecordingWnd {
    public:
        std::vector<RecordedMessage> keys;
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS || msg == WM_KEYDOWN || msg == WM_CHAR)
                keys.push_back({msg, w, l});
            return RecordingWnd::WindowProc(msg, w, l);
        }
    };
    TestFrame frame;
    KeyWnd child;
    ASSERT_TRUE(
        child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &frame, 3));
    QApplication::setActiveWindow(frame.GetWidget());
    child.SetFocus();
    PumpMessages();
    ASSERT_FALSE(child.keys.empty());
    EXPECT_EQ(child.keys[0].msg, UINT(WM_SETFOCUS));
    child.keys.clear();
    QTest::keyClick(child.GetWidget(), Qt::Key_A);
    QTest::keyClick(child.GetWidget(), Qt::Key_Escape);
    EXPECT_EQ(child.keys,
              (std::vector<RecordedMessage>{
                  {WM_KEYDOWN, 'A', 0}, {WM_CHAR, 'a', 0}, {WM_KEYDOWN, VK_ESCAPE, 0}}));
}
