// The dialog manager: the keys every dialog answers without code of its own.
#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CTabCtrl.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DialogManager.h"
#include "platform/ui/KeyNavigation.h"
#include "platform/ui/Mnemonic.h"
#include "platform/ui/WindowSystem.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

enum : UINT {
    kRefresh = 1001,
    kName = 1002,
    kNameEdit = 1003,
    kOff = 1004,
    kApply = 1005,
    kPlain = 1006,
    kList = 1007
};

// A modeless dialog that records its cancel path and the commands it receives.
class KeyDialog : public CDialog {
public:
    explicit KeyDialog(DWORD applyStyle = BS_PUSHBUTTON) {
        DialogTemplate tpl;
        tpl.title = "Keys";
        tpl.cx = 200;
        tpl.cy = 120;
        tpl.style = WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
        tpl.items = {
            {kRefresh, "BUTTON", 5, 5, 50, 14, WS_VISIBLE | WS_TABSTOP, "&Refresh"},
            {kName, "STATIC", 5, 25, 30, 10, WS_VISIBLE, "&Name:"},
            {kNameEdit, "EDIT", 40, 25, 60, 12, WS_VISIBLE | WS_TABSTOP, ""},
            {kOff, "BUTTON", 5, 45, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_DISABLED, "Off"},
            {kApply, "BUTTON", 60, 45, 50, 14, WS_VISIBLE | WS_TABSTOP | applyStyle, "Apply"},
            {kPlain, "BUTTON", 120, 45, 50, 14, WS_VISIBLE, "Plain"},
            {kList, WC_LISTVIEW, 5, 65, 150, 40, WS_VISIBLE | LVS_REPORT, ""},
        };
        CreateIndirect(tpl, nullptr);
        GetWidget()->activateWindow();
        PumpMessages();
    }
    ~KeyDialog() override { DestroyWindow(); }
    void OnCancel() override { ++cancelled; }
    void OnOK() override { ++oked; }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            clicked.push_back(LOWORD(wParam));
        return CDialog::WindowProc(msg, wParam, lParam);
    }
    QWidget* Item(UINT id) const { return GetDlgItem(int(id))->GetWidget(); }
    HWND Focused() const { return WindowSystem::FromWidget(QApplication::focusWidget()); }

    int cancelled = 0;
    int oked = 0;
    std::vector<UINT> clicked;
};

void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(target, key, mods);
    PumpMessages();
}

} // namespace

TEST(Mnemonics, TheMarkedLetterInUpperCaseAndNothingForEscapedAmpersands) {
    EXPECT_EQ(MnemonicOf("&Refresh"), 'R');
    EXPECT_EQ(MnemonicOf("Ad&vanced"), 'V');
    EXPECT_EQ(MnemonicOf("Save && close"), 0);
    EXPECT_EQ(MnemonicOf("A&&B &c"), 'C');
    EXPECT_EQ(MnemonicOf("Trailing&"), 0);
    EXPECT_EQ(MnemonicOf("Refresh"), 0);
}

TEST(Mnemonics, EveryCaptionGetsAFreeLetterInitialsFirstOwnMarksKept) {
    auto marks = AssignMnemonics({"Refresh", "&Apply", "Remove", "Trap Set", "Add", "?", "R"});
    EXPECT_EQ(marks[0].letter, 'R');
    EXPECT_EQ(marks[1].letter, 'A'); // its own mark
    EXPECT_EQ(marks[1].index, 0);
    EXPECT_EQ(marks[2].letter, 'E'); // R is taken and it has no other initial: its next letter
    EXPECT_EQ(marks[2].index, 1);
    EXPECT_EQ(marks[3].letter, 'T');
    EXPECT_EQ(marks[4].letter, 'D'); // A was marked by "&Apply", later in the list
    EXPECT_EQ(marks[5].letter, 0);   // nothing markable
    EXPECT_EQ(marks[6].letter, 0);   // its only letter is taken
    EXPECT_EQ(AssignMnemonics({"Trap Set", "Trap Receivers"})[1].index, 5); // R of Receivers

    EXPECT_EQ(WithMnemonicMark("Save && Close", 7), "Save && &Close"); // C of "Save & Close"
    EXPECT_EQ(WithMnemonicMark("Monitor", 0), "&Monitor");
    EXPECT_EQ(WithMnemonicMark("&About", 2), "&About");
    EXPECT_EQ(WithMnemonicMark("A&&B", -1), "A&&B");
}

TEST(KeyNavigation, StepsOverRefusedPlacesWrappingOrStoppingAtTheEnds) {
    auto all = [](int) { return true; };
    auto even = [](int i) { return i % 2 == 0; };
    EXPECT_EQ(StepCursor(4, 3, 1, true, all), 0);
    EXPECT_EQ(StepCursor(4, 0, -1, true, all), 3);
    EXPECT_EQ(StepCursor(4, 3, 1, false, all), 3);
    EXPECT_EQ(StepCursor(6, 0, 1, false, even), 2);
    EXPECT_EQ(StepCursor(6, 4, 1, false, even), 4); // nothing usable further on
    EXPECT_EQ(StepCursor(6, 4, 1, true, even), 0);
    EXPECT_EQ(StepCursor(6, -1, 1, false, even), 0);  // from nowhere: the first going on
    EXPECT_EQ(StepCursor(6, -1, -1, false, even), 4); // and the last going back
    EXPECT_EQ(StepCursor(6, 0, 3, false, even), 4);   // as far as it can get
    EXPECT_EQ(StepCursor(4, 1, 1, true, [](int) { return false; }), -1);
}

TEST(DialogKeys, EscapeRunsTheCancelPathFromAnyControlButACellEditor) {
    KeyDialog dlg;
    Key(dlg.Item(kNameEdit), Qt::Key_Escape);
    Key(dlg.Item(kRefresh), Qt::Key_Escape);
    EXPECT_EQ(dlg.cancelled, 2);

    // An edit inside a list view is a cell editor: Escape ends the edit, not the dialog.
    CWnd* list = dlg.GetDlgItem(int(kList));
    RecordingWnd editor;
    ASSERT_TRUE(editor.Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(2, 2, 60, 18), list, 5));
    std::vector<WPARAM> keys;
    editor.onMessage = [&](UINT msg, WPARAM w, LPARAM) {
        if (msg == WM_KEYDOWN)
            keys.push_back(w);
    };
    Key(editor.GetWidget(), Qt::Key_Escape);
    EXPECT_EQ(dlg.cancelled, 2);
    EXPECT_EQ(keys, std::vector<WPARAM>{VK_ESCAPE});
}

TEST(DialogKeys, TabVisitsUsableTabStopsInTemplateOrderBothWays) {
    KeyDialog dlg;
    std::vector<HWND> stops = DialogManager::TabStops(dlg.m_hWnd);
    ASSERT_EQ(stops.size(), 3u); // the disabled and the non-tab-stop buttons are left out
    EXPECT_EQ(stops[0], dlg.GetDlgItem(int(kRefresh))->m_hWnd);
    EXPECT_EQ(stops[1], dlg.GetDlgItem(int(kNameEdit))->m_hWnd);
    EXPECT_EQ(stops[2], dlg.GetDlgItem(int(kApply))->m_hWnd);

    // Opening gave the first tab stop the focus.
    EXPECT_EQ(dlg.Focused(), stops[0]);
    Key(dlg.Item(kRefresh), Qt::Key_Tab);
    EXPECT_EQ(dlg.Focused(), stops[1]);
    Key(dlg.Item(kNameEdit), Qt::Key_Tab);
    EXPECT_EQ(dlg.Focused(), stops[2]);
    Key(dlg.Item(kApply), Qt::Key_Tab);
    EXPECT_EQ(dlg.Focused(), stops[0]); // round again
    Key(dlg.Item(kRefresh), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(dlg.Focused(), stops[2]);
    EXPECT_TRUE(dlg.clicked.empty());
}

TEST(DialogKeys, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    KeyDialog dlg(BS_DEFPUSHBUTTON);
    Key(dlg.Item(kRefresh), Qt::Key_Return);
    Key(dlg.Item(kNameEdit), Qt::Key_Enter);
    EXPECT_EQ(dlg.clicked, (std::vector<UINT>{kRefresh, kApply}));
    Key(dlg.Item(kApply), Qt::Key_Space);
    EXPECT_EQ(dlg.clicked.back(), kApply);
    EXPECT_EQ(dlg.oked, 0);

    // Without a default button, Enter in an edit presses nothing.
    KeyDialog plain;
    Key(plain.Item(kNameEdit), Qt::Key_Return);
    EXPECT_TRUE(plain.clicked.empty());
}

TEST(DialogKeys, AltLetterPressesTheMarkedButtonOrFocusesAfterTheMarkedLabel) {
    KeyDialog dlg;
    Key(dlg.Item(kApply), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(dlg.clicked, std::vector<UINT>{kRefresh});
    Key(dlg.Item(kApply), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(dlg.Focused(), dlg.GetDlgItem(int(kNameEdit))->m_hWnd);
    Key(dlg.Item(kApply), Qt::Key_Q, Qt::AltModifier); // marked nowhere
    EXPECT_EQ(dlg.clicked.size(), 1u);
}

TEST(DialogKeys, AltLettersNeverReachAFieldAndDefaultButtonsTakeEnter) {
    KeyDialog dlg;
    QWidget* field = dlg.Item(kNameEdit);
    field->setFocus();
    // "Apply" marks nothing itself: it was given A. Alt+A presses it and types nothing.
    EXPECT_EQ(dlg.GetDlgItem(int(kApply))->GetCaptionMark().letter, 'A');
    Key(field, Qt::Key_A, Qt::AltModifier);
    Key(field, Qt::Key_Z, Qt::AltModifier); // marked by nothing: nothing at all
    EXPECT_EQ(dlg.clicked, std::vector<UINT>{kApply});
    EXPECT_EQ(dlg.GetDlgItem(int(kNameEdit))->GetWindowText(), "");

    // A dialog that names its default button has Enter press it from a field.
    dlg.SetDefID(kRefresh);
    Key(field, Qt::Key_Return);
    EXPECT_EQ(dlg.clicked.back(), kRefresh);
    EXPECT_EQ(dlg.oked, 0);
}

TEST(DialogKeys, CtrlTabTurnsTheTabPagesBothWaysAsAClickOnATabWould) {
    class TabDialog : public CDialog {
    public:
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
            if (msg == WM_NOTIFY)
                ++notices;
            return CDialog::WindowProc(msg, wParam, lParam);
        }
        int notices = 0;
    } dlg;
    CTabCtrl::Register();
    DialogTemplate tpl;
    tpl.cx = 200;
    tpl.cy = 120;
    tpl.style = WS_CAPTION | WS_VISIBLE;
    tpl.items = {{1, "SysTabControl32", 5, 5, 150, 80, WS_VISIBLE | WS_TABSTOP, ""},
                 {2, "EDIT", 10, 90, 60, 12, WS_VISIBLE | WS_TABSTOP, ""}};
    ASSERT_TRUE(dlg.CreateIndirect(tpl, nullptr));
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.SubclassWindow(dlg.GetDlgItem(1)->m_hWnd));
    for (int i = 0; i < 3; ++i)
        tabs.InsertItem(i, "Page");
    dlg.GetWidget()->activateWindow();
    QWidget* field = dlg.GetDlgItem(2)->GetWidget();
    Key(field, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    Key(field, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    Key(field, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs.GetCurSel(), 2); // round from the first to the last
    EXPECT_EQ(dlg.notices, 3);
    dlg.DestroyWindow();
}
