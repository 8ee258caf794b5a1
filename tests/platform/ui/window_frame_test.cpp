// Window sizes and places, and the wheel: what the window layer gives every window.
#include "platform/ui/CDialog.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/Cascade.h"
#include "platform/ui/ControlStyles.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<CDialog> OpenDialog(DWORD style, CWnd* owner = nullptr) {
    DialogTemplate tpl;
    tpl.title = "Sized";
    tpl.x = 10;
    tpl.y = 10;
    tpl.cx = 100;
    tpl.cy = 60;
    tpl.style = WS_CAPTION | WS_SYSMENU | WS_VISIBLE | style;
    auto dlg = std::make_unique<CDialog>();
    dlg->CreateIndirect(tpl, owner);
    PumpMessages();
    return dlg;
}

QPoint FramePos(CWnd* wnd) {
    return wnd->GetWidget()->pos();
}

void Wheel(CWnd* wnd, int delta) {
    QWidget* w = wnd->GetWidget();
    QPointF at(5, 5);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(WindowFrames, WithoutASizingFrameTheOperatorCannotResizeButTheProgramCan) {
    auto fixed = OpenDialog(0);
    QWidget* w = fixed->GetWidget();
    QSize made = w->size();
    w->resize(made + QSize(80, 40));
    EXPECT_EQ(w->size(), made);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    fixed->MoveWindow(w->x(), w->y(), 300, 200);
    EXPECT_EQ(w->size(), QSize(300, 200));
    w->resize(500, 400);
    EXPECT_EQ(w->size(), QSize(300, 200));

    auto sizable = OpenDialog(WS_THICKFRAME | WS_MAXIMIZEBOX);
    QWidget* s = sizable->GetWidget();
    QSize before = s->size();
    s->resize(before + QSize(80, 40));
    EXPECT_EQ(s->size(), before + QSize(80, 40));
    EXPECT_TRUE(s->windowFlags() & Qt::WindowMaximizeButtonHint);
    CRect client;
    sizable->GetClientRect(&client);
    EXPECT_EQ(client.Width(), s->width());
}

TEST(Cascade, StepsDownAndRightPastTakenPlacesAndReusesFreedOnes) {
    const CRect screen(0, 0, 1000, 800);
    const CSize size(200, 100);
    const CPoint origin(100, 150);
    EXPECT_EQ(CascadePoint(origin, 24, size, screen, {}), origin);
    EXPECT_EQ(CascadePoint(origin, 24, size, screen, {origin}), CPoint(124, 174));
    EXPECT_EQ(CascadePoint(origin, 24, size, screen, {origin, CPoint(148, 198)}), CPoint(124, 174));
    // A run that would leave the screen starts again at the origin's height, further right.
    const CRect small(0, 0, 400, 300);
    std::vector<CPoint> taken;
    for (int i = 0; i < 12; ++i) {
        CPoint p = CascadePoint(origin, 24, size, small, taken);
        EXPECT_GE(p.y, origin.y);
        EXPECT_LE(p.y + size.cy, small.bottom);
        EXPECT_EQ(std::count(taken.begin(), taken.end(), p), 0);
        taken.push_back(p);
    }
}

TEST(Cascade, ChildrenStartBesideTheOwnerThenBelowItThenOnIt) {
    const CRect owner(100, 50, 600, 300), screen(0, 0, 1600, 1200);
    const CPoint onOwner(100, 100);
    EXPECT_EQ(ChildCascadeOrigin(owner, onOwner, CSize(500, 400), screen, 4), CPoint(604, 50));
    // No room on the right: below, left edges aligned.
    EXPECT_EQ(ChildCascadeOrigin(owner, onOwner, CSize(1100, 400), screen, 4), CPoint(100, 304));
    // Room nowhere: on the owner.
    EXPECT_EQ(ChildCascadeOrigin(owner, onOwner, CSize(1100, 1000), screen, 4), onOwner);
    // An owner partly above the screen's top keeps the child on the screen.
    EXPECT_EQ(ChildCascadeOrigin(CRect(0, -20, 400, 200), onOwner, CSize(300, 300), screen, 4),
              CPoint(404, 0));
}

TEST(Cascade, OwnedDialogsOpenBesideTheOwnerNeverOnTopOfEachOther) {
    TestFrame owner(400, 200);
    owner.SetChildCascade(CPoint(0, 50));
    QRect ownerFrame = owner.GetWidget()->frameGeometry();
    auto first = OpenDialog(0, &owner);
    auto second = OpenDialog(0, &owner);
    // The offscreen screen has room on the owner's right.
    EXPECT_EQ(FramePos(first.get()), QPoint(ownerFrame.right() + 1 + 4, ownerFrame.top()));
    EXPECT_EQ(FramePos(second.get()), FramePos(first.get()) + QPoint(24, 24));
    first->DestroyWindow();
    auto third = OpenDialog(0, &owner);
    EXPECT_EQ(FramePos(third.get()), QPoint(ownerFrame.right() + 5, ownerFrame.top()));
}

TEST(MouseWheel, ScrollsWhatTheWindowsVerticalBarScrollsOneLineANotch) {
    TestFrame frame;
    RecordingWnd view;
    ASSERT_TRUE(view.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &frame, 1));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(180, 0, 200, 100), &view, 7));
    std::vector<WPARAM> requests;
    view.onMessage = [&](UINT msg, WPARAM w, LPARAM l) {
        if (msg == WM_VSCROLL && HWND(l) == bar.m_hWnd)
            requests.push_back(LOWORD(w));
    };
    Wheel(&view, -120);
    Wheel(&view, 120);
    Wheel(&view, -60); // half a notch waits for the other half
    EXPECT_EQ(requests, (std::vector<WPARAM>{WPARAM(SB_LINEDOWN), WPARAM(SB_LINEUP)}));
    Wheel(&view, -60);
    EXPECT_EQ(requests.size(), 3u);

    // A window without a bar passes the wheel to its parent.
    RecordingWnd inner;
    ASSERT_TRUE(inner.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &view, 2));
    Wheel(&inner, -240);
    EXPECT_EQ(requests.size(), 5u);
}
