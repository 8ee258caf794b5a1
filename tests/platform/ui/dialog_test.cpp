#include "platform/ui/CDialog.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/WindowClass.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

int g_liveControls = 0;

class ProbeControl : public CWnd {
public:
    ProbeControl() { ++g_liveControls; }
    ~ProbeControl() override { --g_liveControls; }
    void PostNcDestroy() override { delete this; }
};

LRESULT ProbeClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return (new ProbeControl)->SubclassWindow(hwnd);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void RegisterProbeClass() {
    WNDCLASS wc;
    if (GetClassInfo(AfxGetInstanceHandle(), "ProbeCtrlClass", &wc))
        return;
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ProbeClassProc;
    wc.lpszClassName = "ProbeCtrlClass";
    ASSERT_TRUE(RegisterClass(&wc));
}

DialogTemplate ProbeTemplate() {
    DialogTemplate tpl;
    tpl.title = "Probe";
    tpl.cx = 240;
    tpl.cy = 180;
    tpl.items = {{1000, "ProbeCtrlClass", 7, 7, 231, 155, WS_VISIBLE, ""},
                 {1001, "ProbeCtrlClass", 7, 165, 40, 10, WS_VISIBLE, ""},
                 {1002, "SCROLLBAR", 60, 165, 100, 10, WS_VISIBLE | SBS_HORZ, ""}};
    return tpl;
}

CRect ChildRect(CWnd* child) {
    QRect g = child->GetWidget()->geometry();
    return CRect(g.left(), g.top(), g.left() + g.width(), g.top() + g.height());
}

} // namespace

TEST(WindowClasses, RegisteringTwiceIsRefusedAndTheClassStaysKnown) {
    RegisterProbeClass();
    WNDCLASS wc;
    wc.lpszClassName = "ProbeCtrlClass";
    wc.lpfnWndProc = ProbeClassProc;
    EXPECT_FALSE(RegisterClass(&wc));
    WNDCLASS info;
    ASSERT_TRUE(GetClassInfo(AfxGetInstanceHandle(), "ProbeCtrlClass", &info));
    EXPECT_EQ(info.lpfnWndProc, &ProbeClassProc);
    EXPECT_EQ(info.style, UINT(CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_FALSE(GetClassInfo(AfxGetInstanceHandle(), "NoSuchCtrlClass", &info));
}

TEST(DialogTemplates, ItemsAreCreatedByClassNameAtTheirDialogUnitRectangles) {
    RegisterProbeClass();
    CDialog dlg(ProbeTemplate(), nullptr);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(g_liveControls, 2);

    CSize base = dlg.GetDialogBaseUnits();
    EXPECT_GE(base.cx, 5); // an 8-point sans-serif font: about 6 × 13 pixels
    EXPECT_LE(base.cx, 7);
    EXPECT_GE(base.cy, 12);
    EXPECT_LE(base.cy, 15);

    auto* table = dynamic_cast<ProbeControl*>(dlg.GetDlgItem(1000));
    auto* small = dynamic_cast<ProbeControl*>(dlg.GetDlgItem(1001));
    ASSERT_NE(table, nullptr);
    ASSERT_NE(small, nullptr);
    EXPECT_NE(table, small); // each placed control has its own object
    // Position and size each convert with rounding: x · baseX / 4, y · baseY / 8.
    int left = (7 * base.cx + 2) / 4, top = (7 * base.cy + 4) / 8;
    EXPECT_EQ(ChildRect(table),
              CRect(left, top, left + (231 * base.cx + 2) / 4, top + (155 * base.cy + 4) / 8));
    CRect mapped(60, 165, 160, 175);
    dlg.MapDialogRect(&mapped);
    CWnd* bar = dlg.GetDlgItem(1002);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ChildRect(bar), mapped);

    dlg.DestroyWindow();
    EXPECT_EQ(g_liveControls, 0);
}

TEST(DialogTemplates, AnUnknownClassFailsTheWholeDialog) {
    DialogTemplate tpl = ProbeTemplate();
    tpl.items.push_back({1003, "UnregisteredClass", 0, 0, 10, 10, 0, ""});
    CDialog dlg(tpl, nullptr);
    EXPECT_FALSE(dlg.Create());
    EXPECT_EQ(dlg.m_hWnd, 0u);
    EXPECT_EQ(g_liveControls, 0);
}

TEST(DialogTemplates, RegisteredTemplatesAreFoundById) {
    RegisterProbeClass();
    RegisterDialogTemplate(4242, ProbeTemplate());
    CDialog dlg(4242, nullptr);
    ASSERT_TRUE(dlg.Create());
    EXPECT_NE(dynamic_cast<ProbeControl*>(dlg.GetDlgItem(1000)), nullptr);
    CDialog missing(4243, nullptr);
    EXPECT_FALSE(missing.Create());
}

TEST(Dialogs, DoModalReturnsTheEndDialogResult) {
    class Modal : public CDialog {
    public:
        Modal()
            : CDialog(DialogTemplate{"Modal", 0, 0, 50, 30, 0, "MS Sans Serif", 8, {}}, nullptr) {}
        BOOL OnInitDialog() override {
            PostMessage(WM_USER + 5, 42, 0);
            return TRUE;
        }
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == WM_USER + 5) {
                handle = m_hWnd;
                EndDialog(int(w));
                return 0;
            }
            return CDialog::WindowProc(msg, w, l);
        }
        HWND handle = 0;
    } dlg;
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_NE(dlg.handle, 0u);
    EXPECT_FALSE(IsWindow(dlg.handle));
}

TEST(Dialogs, ModelessDialogLivesUntilClosed) {
    CDialog dlg(DialogTemplate{"Modeless", 0, 0, 50, 30, WS_VISIBLE, "MS Sans Serif", 8, {}},
                nullptr);
    ASSERT_TRUE(dlg.Create());
    PumpMessages();
    EXPECT_TRUE(IsWindow(dlg.m_hWnd));
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.GetWindowText(), "Modeless");
    dlg.SendMessage(WM_CLOSE);
    EXPECT_EQ(dlg.m_hWnd, 0u);
}
