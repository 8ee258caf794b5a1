// The list layouts: headers and buttons at initialisation, the resize moves, the status box.
#include <gtest/gtest.h>

#include "dialogs/NmDlgResources.h"
#include "snmp/CSnmpMsg.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

namespace {

class LayoutTest : public ::testing::Test {
protected:
    void TearDown() override {
        nmdlgCloseAll();
        PumpMessages();
    }
    static CRect RectIn(CWnd* dlg, int id) {
        CRect r;
        dlg->GetDlgItem(id)->GetWindowRect(&r);
        dlg->ScreenToClient(&r);
        return r;
    }
    static std::string SelectedStatus(CNmDlgLayout* dlg) {
        auto* edit = dynamic_cast<QPlainTextEdit*>(dlg->m_statusBox.GetWidget());
        return edit ? edit->textCursor().selectedText().toStdString() : "?";
    }
};

TEST_F(LayoutTest, InitialisationFillsHeadersAndShowsTheLayoutsButtons) {
    auto* list = new BareList("Get");
    EXPECT_EQ(list->GetWindowText(), "Get");
    const char* labels[4] = {"Name", "Ip Addr", "Opened", "Target"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list->GetHeaderLabel(i)->GetWindowText(), labels[i]);
    EXPECT_EQ(list->GetHeaderValue(0)->GetWindowText(),
              "taurel-ui-tests"); // the test program's name
    EXPECT_EQ(list->GetHeaderValue(3)->GetWindowText(), "");
    // "HH:MM:SS, MM/DD/YYYY"
    std::string opened = list->GetHeaderValue(2)->GetWindowText();
    ASSERT_EQ(opened.size(), 20u) << opened;
    EXPECT_EQ(opened.substr(8, 2), ", ");
    list->SetTarget("Index(3) Port(5) ");
    EXPECT_EQ(list->GetHeaderValue(3)->GetWindowText(), "Index(3) Port(5) ");

    list->ShowWindow(SW_SHOW);
    const char* captions[5] = {"&Refresh", "&Set", nullptr, nullptr, "&Close"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list->GetButton(i)->IsWindowVisible() != 0, captions[i] != nullptr) << i;
        if (captions[i]) {
            EXPECT_EQ(list->GetButton(i)->GetWindowText(), captions[i]);
        }
    }
    EXPECT_FALSE(list->GetDlgItem(IDC_NMDLG_NUMBER)->IsWindowVisible());
    EXPECT_FALSE(list->GetDlgItem(IDC_NMDLG_SPIN)->IsWindowVisible());

    auto* set = new CNmDlgListSet(nullptr, "Set", "", "", "", 0, nullptr, "");
    set->Create();
    set->ShowWindow(SW_SHOW);
    EXPECT_EQ(set->GetButton(1)->GetWindowText(), "&Apply");
    EXPECT_EQ(set->GetDlgItem(IDC_NMDLG_NUMBER), nullptr);
    // The set layout's buttons start higher.
    EXPECT_LT(RectIn(set, 1001).top, RectIn(list, 1001).top);
}

TEST_F(LayoutTest, WideningMovesTheControlsAndNarrowingSnapsBack) {
    auto* dlg = new BareList("resize");
    dlg->ShowWindow(SW_SHOW);
    PumpMessages();
    CRect window;
    dlg->GetWindowRect(&window);
    std::map<int, CRect> before;
    for (int id : {1001, 1005, 1006, 1012, 1013, 1014, 1016, 1017, 1018, 1011, 1000, 1021})
        before[id] = RectIn(dlg, id);

    dlg->MoveWindow(window.left, window.top, window.Width() + 40, window.Height() + 10);
    PumpMessages();
    EXPECT_EQ(dlg->lastResize, CSize(40, 10));
    auto moved = [&](int id, int dx, int dy, int dw, int dh) {
        CRect now = RectIn(dlg, id), was = before[id];
        EXPECT_EQ(now.left - was.left, dx) << id;
        EXPECT_EQ(now.top - was.top, dy) << id;
        EXPECT_EQ(now.Width() - was.Width(), dw) << id;
        EXPECT_EQ(now.Height() - was.Height(), dh) << id;
    };
    moved(1001, 40, 0, 0, 0);
    moved(1005, 40, 0, 0, 0);
    moved(1006, 40, 0, 0, 0);
    moved(1013, 20, 0, 0, 0);
    moved(1017, 20, 0, 0, 0);
    moved(1014, 20, 0, 20, 0);
    moved(1018, 20, 0, 20, 0);
    moved(1012, 0, 0, 20, 0);
    moved(1016, 0, 0, 20, 0);
    moved(1011, 0, 0, 0, 0);
    moved(1000, 0, 10, 40, 0);
    moved(1021, 0, 0, 40, 10);

    // Below the first width: back to it, keeping the new height; the controls stay.
    dlg->MoveWindow(window.left, window.top, window.Width() - 30, window.Height() + 30);
    PumpMessages();
    CRect snapped;
    dlg->GetWindowRect(&snapped);
    EXPECT_EQ(snapped.Width(), window.Width());
    EXPECT_EQ(snapped.Height(), window.Height() + 30);
    EXPECT_EQ(dlg->m_nMinWidth, window.Width());
}

TEST_F(LayoutTest, EachReplyAddsALineAndTheNewestIsSelected) {
    auto* dlg = new BareList("status");
    dlg->ShowWindow(SW_SHOW);
    CSnmpPdu ok, error;
    error.AddOid("1.3.6.1.2.1.1.5.0", std::string("x"), SNMP_TYPE_OCTETS);
    error.m_dwErrorStatus = 2;
    dlg->DisplayStatus(&ok);
    dlg->DisplayStatus(&error);
    EXPECT_EQ(std::count(dlg->m_strStatus.begin(), dlg->m_strStatus.end(), '\n'), 2);
    EXPECT_NE(SelectedStatus(dlg).find("noSuchName, 1.3.6.1.2.1.1.5.0"), std::string::npos);

    // The outcome as window message 1025 reaches the same handler as the engine's call.
    dlg->SendMessage(0x0400 + 1, 16, 0);
    EXPECT_EQ(SelectedStatus(dlg), "timeout");
    dlg->PostMessage(0x0400 + 1, 3, LPARAM(new CSnmpMsg(nullptr, "", "", 0xA0)));
    PumpMessages();
    EXPECT_EQ(SelectedStatus(dlg), "unknown error");
    std::string lines = dlg->m_strStatus.substr(dlg->m_strStatus.find("\r\ntimeout"));
    EXPECT_EQ(lines, "\r\ntimeout\r\nunknown error\r\n");
    EXPECT_EQ(dlg->m_statusBox.GetWindowText(), dlg->m_strStatus);
    SaveScreenshot(dlg, "nmdlg_status_lines");
}

TEST_F(LayoutTest, EscapeAndTheCloseButtonEndTheDialog) {
    auto* dlg = new BareList("close");
    dlg->ShowWindow(SW_SHOW);
    CWnd* close = dlg->GetButton(4);
    LeftDown(close, 4, 4);
    LeftUp(close, 4, 4);
    EXPECT_EQ(nmdlgFind("close"), nullptr);

    // Esc reaches the dialog's cancel path through the window layer's dialog manager.
    auto* other = new BareList("escape");
    other->ShowWindow(SW_SHOW);
    QTest::keyClick(other->GetWidget(), Qt::Key_Escape);
    EXPECT_EQ(nmdlgFind("escape"), nullptr);
}

} // namespace
