// "Connect to Switch" driven by keys and clicks as an operator drives it: what it starts with,
// where Tab goes and what a screen reader hears there, refusals that keep what was typed, the
// recent list, and how it ends.

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/app/CConnectDlg.h"
#include "module/config/ConfigSupport.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

bool Resolves(const std::string& host) {
    return host == "switch.example";
}

RecentSwitch Recent(const std::string& name, const std::string& address, int version,
                    const std::string& user = {}) {
    RecentSwitch entry;
    entry.name = name;
    entry.address = address;
    entry.session.version = version;
    entry.session.userName = user;
    return entry;
}

class ConnectDialogTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& args = {}, std::vector<RecentSwitch> recent = {}) {
        PumpMessages();
        dlg = std::make_unique<CConnectDlg>(ParseProgramOptions(args), std::move(recent), Resolves);
        ASSERT_TRUE(dlg->Create());
        dlg->ShowWindow(SW_SHOW);
        dlg->GetWidget()->activateWindow();
        PumpMessages();
    }
    void TearDown() override {
        dlg.reset();
        PumpMessages();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Focused(), key, mods);
        PumpMessages();
    }
    void Type(const QString& text) {
        QTest::keyClicks(Focused(), text);
        PumpMessages();
    }
    CWnd* Item(UINT id) const { return dlg->GetDlgItem(int(id)); }
    std::string FieldOf(UINT id) const {
        return FieldText(dynamic_cast<CTextEditControl*>(Item(id)));
    }
    // Whether the keyboard is in the control (a text field's is the edit inside it).
    bool HasKeys(UINT id) const {
        QWidget* control = Item(id) ? Item(id)->GetWidget() : nullptr;
        return control && Focused() && (Focused() == control || control->isAncestorOf(Focused()));
    }
    std::string SpokenName() const {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(Focused());
        return node ? node->text(QAccessible::Name).toStdString() : "(none)";
    }
    bool Ended() const { return !dlg->m_hWnd; }
    void Choose(UINT combo, int index) {
        dynamic_cast<CCBCtrl*>(Item(combo))->SetSelect(index);
        PumpMessages();
    }
    void DoubleClickRow(int row) {
        CListCtrl& list = dlg->RecentList();
        CRect r;
        list.GetItemRect(row, &r, LVIR_BOUNDS);
        const QPoint at(r.left + 10, (r.top + r.bottom) / 2);
        QTest::mouseClick(list.GetWidget(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.GetWidget(), Qt::LeftButton, {}, at);
        PumpMessages();
    }

    std::unique_ptr<CConnectDlg> dlg;
};

TEST_F(ConnectDialogTest, TabReachesEveryControlInOrderAndEachIsNamed) {
    Open();
    EXPECT_EQ(dlg->GetWindowText(), "Connect to Switch");
    SaveTestScreenshot(dlg.get(), "connect-defaults");
    ASSERT_TRUE(HasKeys(CConnectDlg::kAddressId)) << "the address is typed first";
    EXPECT_EQ(FieldOf(CConnectDlg::kAddressId), "127.0.0.1");
    EXPECT_EQ(FieldOf(CConnectDlg::kNameId), "Mirova");

    // Over SNMPv1 the SNMPv3 fields take no input and Tab passes them by.
    std::vector<std::string> heard;
    for (int i = 0; i < 12; ++i) {
        Key(Qt::Key_Tab);
        heard.push_back(SpokenName());
    }
    EXPECT_EQ(heard, (std::vector<std::string>{
                         "Read community", "Write community", "SNMP version", "Time-out (ms)",
                         "Remember the communities and passphrases", "Connect", "Demo", "Cancel",
                         "Recent switches", "Name", "Agent address", "Read community"}));

    // SNMPv3 at authPriv: every field in its turn.
    Choose(CConnectDlg::kVersionId, 2);
    Item(CConnectDlg::kTimeoutId)->SetFocus();
    heard.clear();
    for (int i = 0; i < 8; ++i) {
        Key(Qt::Key_Tab);
        heard.push_back(SpokenName());
    }
    EXPECT_EQ(heard,
              (std::vector<std::string>{"SNMPv3 user", "Security level", "Authentication",
                                        "Auth passphrase", "Privacy", "Priv passphrase",
                                        "Engine ID", "Remember the communities and passphrases"}));
    // noAuthNoPriv needs neither protocol nor passphrase.
    Choose(CConnectDlg::kLevelId, 0);
    EXPECT_FALSE(Item(CConnectDlg::kAuthPassId)->IsWindowEnabled());
    EXPECT_FALSE(Item(CConnectDlg::kPrivId)->IsWindowEnabled());
    EXPECT_TRUE(Item(CConnectDlg::kEngineId)->IsWindowEnabled());
}

TEST_F(ConnectDialogTest, TypingAnAddressAndReturnConnectsToItFromAnyControl) {
    Open({"--packet-log"});
    Type("127.0.0.1:16161");
    Key(Qt::Key_Tab);
    Type("ro");
    // Space ticks the box; Return there is still Connect, and leaves the box ticked.
    Item(CConnectDlg::kRememberId)->SetFocus();
    Key(Qt::Key_Space);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Ended());
    StartChoice choice = dlg->TakeChoice();
    EXPECT_EQ(choice.kind, StartChoice::Kind::Connect);
    EXPECT_EQ(choice.arguments,
              (std::vector<std::string>{"/NMirova", "/I127.0.0.1:16161", "/Rro", "/Wmarbelo",
                                        "--snmp-version", "1", "--packet-log"}));
    EXPECT_TRUE(choice.remember);
}

TEST_F(ConnectDialogTest, ARefusalIsSaidInTheDialogAndNothingTypedIsLost) {
    Open();
    Type("10.0.0.300");
    Key(Qt::Key_Return);
    EXPECT_FALSE(Ended());
    EXPECT_EQ(dlg->StatusText(),
              "10.0.0.300 is no IPv4 address: four numbers from 0 to 255 with dots between");
    EXPECT_EQ(FieldOf(CConnectDlg::kAddressId), "10.0.0.300");
    SaveTestScreenshot(dlg.get(), "connect-refused");
    EXPECT_TRUE(HasKeys(CConnectDlg::kAddressId)) << "the keyboard is where the mending is";

    // SNMPv3 without a user: the passphrase typed so far stays, masked.
    Choose(CConnectDlg::kVersionId, 2);
    Item(CConnectDlg::kAddressId)->SetFocus();
    Type("switch.example:1161");
    Item(CConnectDlg::kAuthPassId)->SetFocus();
    Type("auth-pass-1");
    auto* edit = qobject_cast<QLineEdit*>(Focused());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_NE(edit->displayText(), "auth-pass-1");
    Key(Qt::Key_Return);
    EXPECT_FALSE(Ended());
    EXPECT_EQ(dlg->StatusText(), "SNMPv3 needs a user name");
    EXPECT_TRUE(HasKeys(CConnectDlg::kUserId));
    EXPECT_EQ(FieldOf(CConnectDlg::kAuthPassId), "auth-pass-1");
    EXPECT_EQ(FieldOf(CConnectDlg::kAddressId), "switch.example:1161");

    Type("ops");
    Item(CConnectDlg::kPrivPassId)->SetFocus();
    Type("priv-pass-1");
    Key(Qt::Key_Return);
    ASSERT_TRUE(Ended()) << dlg->StatusText();
    StartChoice choice = dlg->TakeChoice();
    EXPECT_EQ(choice.kind, StartChoice::Kind::Connect);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(choice.passphrases.priv.data()),
                          choice.passphrases.priv.size()),
              "priv-pass-1");
    const ProgramOptions options = ParseProgramOptions(choice.arguments);
    EXPECT_EQ(options.snmp.userName, "ops");
    EXPECT_EQ(options.commandLine, "/NMirova /Iswitch.example:1161 /Rtessla /Wmarbelo");
}

TEST_F(ConnectDialogTest, EscCancelsFromAnyField) {
    Open({"--snmp-version", "3", "--v3-user", "ops"});
    EXPECT_EQ(FieldOf(CConnectDlg::kUserId), "ops") << "the command line's session is shown";
    Item(CConnectDlg::kAuthPassId)->SetFocus();
    Type("auth-pass-1");
    Key(Qt::Key_Escape);
    ASSERT_TRUE(Ended());
    EXPECT_EQ(dlg->TakeChoice().kind, StartChoice::Kind::Cancelled);
}

TEST_F(ConnectDialogTest, TheRecentListFillsTheFieldsAndADoubleClickConnects) {
    RecentSwitch remembered = Recent("Edge", "10.0.0.2:1161", SNMP_VERSION_2C);
    remembered.remember = true;
    remembered.readCommunity = "edge-r";
    remembered.writeCommunity = "edge-w";
    Open({}, {Recent("Core", "10.0.0.1", SNMP_VERSION_3, "ops"), remembered});
    CListCtrl& list = dlg->RecentList();
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 0), "Core");
    EXPECT_EQ(list.GetItemText(0, 2), "SNMPv3 ops");
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0) << "the last switch is the one shown";
    EXPECT_EQ(FieldOf(CConnectDlg::kAddressId), "10.0.0.1");
    EXPECT_EQ(FieldOf(CConnectDlg::kUserId), "ops");
    SaveTestScreenshot(dlg.get(), "connect-recent");

    // Down in the list shows the next switch, with the communities it remembers.
    list.SetFocus();
    PumpMessages();
    Key(Qt::Key_Down);
    EXPECT_EQ(FieldOf(CConnectDlg::kAddressId), "10.0.0.2:1161");
    EXPECT_EQ(FieldOf(CConnectDlg::kReadId), "edge-r");
    EXPECT_FALSE(Item(CConnectDlg::kUserId)->IsWindowEnabled()) << "SNMPv2c has no user";
    Key(Qt::Key_Up);
    EXPECT_EQ(FieldOf(CConnectDlg::kReadId), "tessla") << "not remembered: the default";

    Item(CConnectDlg::kNameId)->SetFocus();
    Type("typed over");
    DoubleClickRow(1);
    ASSERT_TRUE(Ended());
    StartChoice choice = dlg->TakeChoice();
    EXPECT_EQ(choice.kind, StartChoice::Kind::Connect);
    EXPECT_TRUE(choice.remember);
    EXPECT_EQ(choice.arguments, (std::vector<std::string>{"/NEdge", "/I10.0.0.2:1161", "/Redge-r",
                                                          "/Wedge-w", "--snmp-version", "2c"}));
}

TEST_F(ConnectDialogTest, DemoStartsTheDemoOverTheChosenVersion) {
    Open({"--open", "27"});
    Choose(CConnectDlg::kVersionId, 1);
    QWidget* demo = Item(CConnectDlg::kDemoId)->GetWidget();
    QTest::mouseClick(demo, Qt::LeftButton, {}, demo->rect().center());
    PumpMessages();
    ASSERT_TRUE(Ended());
    StartChoice choice = dlg->TakeChoice();
    EXPECT_EQ(choice.kind, StartChoice::Kind::Demo);
    EXPECT_EQ(choice.arguments,
              (std::vector<std::string>{"--demo", "--snmp-version", "2c", "--open", "27"}));
}

} // namespace
