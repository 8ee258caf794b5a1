#include "tests/platform/ui/UiTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr UINT MSG_A = WM_USER + 1;
constexpr UINT MSG_B = WM_USER + 2;
constexpr UINT MSG_TRIGGER = WM_USER + 3;

class Child : public RecordingWnd {
public:
    explicit Child(int* deletions) : m_deletions(deletions) {}
    ~Child() override { ++*m_deletions; }
    void PostNcDestroy() override { delete this; }

private:
    int* m_deletions;
};

} // namespace

TEST(WindowMessages, PostedMessagesArriveAfterTheHandlerInPostingOrder) {
    TestFrame a, b;
    std::vector<std::pair<HWND, WPARAM>> arrivals;
    b.onMessage = [&](UINT msg, WPARAM w, LPARAM) {
        if (msg == MSG_A)
            arrivals.push_back({b.m_hWnd, w});
    };
    size_t seenByBDuringHandler = 99;
    a.onMessage = [&](UINT msg, WPARAM w, LPARAM) {
        if (msg == MSG_A)
            arrivals.push_back({a.m_hWnd, w});
        if (msg == MSG_TRIGGER) {
            b.PostMessage(MSG_A, 1, 10);
            a.PostMessage(MSG_A, 2, 20);
            b.PostMessage(MSG_A, 3, 30);
            seenByBDuringHandler = b.Only(MSG_A).size();
        }
    };
    EXPECT_EQ(a.SendMessage(MSG_TRIGGER), 0);
    EXPECT_EQ(seenByBDuringHandler, 0u);
    EXPECT_TRUE(b.Only(MSG_A).empty());
    PumpMessages();
    std::vector<std::pair<HWND, WPARAM>> expected{{b.m_hWnd, 1}, {a.m_hWnd, 2}, {b.m_hWnd, 3}};
    EXPECT_EQ(arrivals, expected);
    EXPECT_EQ(b.Only(MSG_A)[0], (RecordedMessage{MSG_A, 1, 10}));
}

TEST(WindowMessages, SendMessageRunsTheHandlerAtOnceAndReturnsItsResult) {
    class Answering : public TestFrame {
    public:
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            return msg == MSG_B ? LRESULT(w + l) : TestFrame::WindowProc(msg, w, l);
        }
    } wnd;
    EXPECT_EQ(wnd.SendMessage(MSG_B, 40, 2), 42);
    EXPECT_EQ(::SendMessage(0xDEAD, MSG_B, 1, 1), 0);
}

TEST(WindowMessages, MessagePostedToADestroyedWindowIsDropped) {
    TestFrame survivor;
    auto* doomed = new TestFrame;
    HWND handle = doomed->m_hWnd;
    int delivered = 0;
    doomed->onMessage = [&](UINT msg, WPARAM, LPARAM) { delivered += msg == MSG_A; };
    EXPECT_TRUE(doomed->PostMessage(MSG_A, 1, 0));
    survivor.PostMessage(MSG_A, 2, 0);
    doomed->DestroyWindow();
    delete doomed;
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(::PostMessage(handle, MSG_A, 3, 0));
    PumpMessages();
    EXPECT_EQ(delivered, 0);
    EXPECT_EQ(survivor.Only(MSG_A).size(), 1u);
}

TEST(WindowTimers, SetTimerWithAnExistingIdReplacesIt) {
    TestFrame wnd;
    EXPECT_EQ(wnd.SetTimer(7, 100000), 7u);
    EXPECT_EQ(wnd.SetTimer(8, 100000), 8u);
    EXPECT_EQ(wnd.SetTimer(7, 1), 7u);
    EXPECT_EQ(wnd.GetTimerInterval(7), 1u);
    EXPECT_EQ(wnd.GetTimerInterval(8), 100000u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !wnd.Only(WM_TIMER).empty(); }, 5000));
    for (const auto& m : wnd.Only(WM_TIMER))
        EXPECT_EQ(m.wParam, 7u);

    EXPECT_TRUE(wnd.KillTimer(7));
    EXPECT_FALSE(wnd.KillTimer(7));
    EXPECT_EQ(wnd.GetTimerInterval(7), 0u);
    wnd.messages.clear();
    PumpMessages();
    EXPECT_TRUE(wnd.Only(WM_TIMER).empty());
}

TEST(WindowLifetime, ChildrenAreDestroyedWithTheirParentAndSelfOwnedObjectsGo) {
    int deletions = 0;
    TestFrame frame;
    auto* first = new Child(&deletions);
    auto* second = new Child(&deletions);
    ASSERT_TRUE(
        first->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 11));
    ASSERT_TRUE(second->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), &frame, 12));
    HWND firstHandle = first->m_hWnd;

    EXPECT_EQ(frame.GetDlgItem(11), first);
    EXPECT_EQ(frame.GetDlgItem(12), second);
    EXPECT_EQ(frame.GetDlgItem(13), nullptr);
    EXPECT_EQ(first->GetParent(), &frame);
    EXPECT_EQ(first->GetDlgCtrlID(), 11);

    frame.DestroyWindow();
    EXPECT_EQ(deletions, 2);
    EXPECT_FALSE(IsWindow(firstHandle));
    EXPECT_EQ(frame.destroyed, 1);
}

TEST(WindowLifetime, ChildCreationNeedsALiveParent) {
    CWnd orphan;
    EXPECT_FALSE(orphan.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 5, 5), nullptr, 1));
    EXPECT_EQ(orphan.m_hWnd, 0u);
    TestFrame frame;
    CWnd child;
    EXPECT_FALSE(child.Create("NoSuchClass", nullptr, WS_CHILD, CRect(0, 0, 5, 5), &frame, 1));
}
