// The program started as its menu entry starts it, with no switch named, against the simulated
// switch on a free port: the start dialog filled by keys, the panel lighting up, the About box
// naming the switch, the recent list on disk, and the next start managing the switch again with
// one double-click.

#include "agent/CAgentServer.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/app/CConnectDlg.h"
#include "module/app/CModuleApp.h"
#include "module/app/RecentSwitchesStore.h"
#include "module/config/ConfigSupport.h"
#include "module/mainwnd/CAboutDlg.h"
#include "module/mainwnd/CModuleMainDlg.h"
#include "module/panel/CPanelWnd.h"
#include "platform/ui/WindowSystem.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

CConnectDlg* ShownStartDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            if (auto* dlg =
                    dynamic_cast<CConnectDlg*>(CWnd::FromHandle(WindowSystem::FromWidget(widget))))
                return dlg;
    return nullptr;
}

void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    PumpMessages();
}

void TypeInto(CWnd* field, const QString& text) {
    field->SetFocus();
    PumpMessages();
    QTest::keyClicks(QApplication::focusWidget(), text); // the field selected its whole text
    PumpMessages();
}

class StartE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        PumpMessages();
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        name = "Start" + std::to_string(QCoreApplication::applicationPid());
    }
    void TearDown() override {
        if (m_savedConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_savedConfig);
        agent.reset();
        PumpMessages();
    }
    void StartAgent(AgentCommunities communities = {}, AgentProtocols protocols = {}) {
        AgentServerSettings settings;
        settings.communities = communities;
        settings.protocols = protocols;
        agent = std::make_unique<CAgentServer>(settings);
        std::string error;
        ASSERT_TRUE(agent->Listen("127.0.0.1", 0, error)) << error;
        address = "127.0.0.1:" + std::to_string(agent->Port());
    }
    fs::path Folder() const { return fs::path(m_config.path().toStdString()) / "taurel"; }

    // Starts the program as plain `taurel`: `operate` fills the start dialog once it shows;
    // once the panel shows the switch answering, `managed` looks at the main window, which is
    // then closed. Returns the exit status; whether the panel lit is in `lit`.
    int Run(const std::function<void(CConnectDlg&)>& operate,
            const std::function<void(CModuleMainDlg&)>& managed = {}) {
        lit = false;
        bool operated = false;
        QElapsedTimer elapsed;
        elapsed.start();
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            CConnectDlg* dlg = ShownStartDialog();
            auto* main =
                dynamic_cast<CModuleMainDlg*>(AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr);
            if (dlg && !operated) {
                operated = true;
                SaveTestScreenshot(dlg, "start-dialog");
                operate(*dlg);
            } else if (main && main->m_hWnd && main->GetPanel() &&
                       main->GetPanel()->AgentValue() == 1) {
                lit = true;
                SaveTestScreenshot(main, "start-main");
                if (managed)
                    managed(*main);
                driver.stop();
                main->OnCancel();
            } else if (elapsed.elapsed() > 15000) {
                driver.stop();
                ADD_FAILURE() << "nothing came of the start in 15 s"
                              << (dlg ? ", the dialog says: " + dlg->StatusText() : "");
                if (dlg)
                    dlg->OnCancel();
                else if (QWidget* prompt = QApplication::activeModalWidget())
                    prompt->close(); // a prompt nobody expected must not hold the test
                if (main && main->m_hWnd)
                    main->OnCancel();
            }
        });
        driver.start(20);
        CModuleApp app(ParseProgramOptions({}));
        app.InitInstance();
        driver.stop();
        return app.ExitCode();
    }

    std::unique_ptr<CAgentServer> agent;
    std::string address;
    std::string name;
    bool lit = false;

private:
    QTemporaryDir m_config;
    QByteArray m_savedConfig;
};

TEST_F(StartE2eTest, TypedAddressConnectsAndTheNextStartManagesItWithADoubleClick) {
    StartAgent();
    const int first = Run(
        [&](CConnectDlg& dlg) {
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kNameId)), QString::fromStdString(name));
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kAddressId)), QString::fromStdString(address));
            Key(Qt::Key_Return);
        },
        [&](CModuleMainDlg& main) {
            EXPECT_EQ(main.GetWindowText(), name + ":" + address);
            main.OpenSlot(CAboutDlg::kSlot);
            CWnd* about = main.GetChildDialog(CAboutDlg::kSlot);
            ASSERT_NE(about, nullptr);
            SaveTestScreenshot(about, "start-about");
            EXPECT_EQ(about->GetDlgItem(int(CAboutDlg::kSwitchId))->GetWindowText(),
                      "Switch: " + name + " at " + address);
            EXPECT_EQ(about->GetDlgItem(int(CAboutDlg::kSessionId))->GetWindowText(),
                      "SNMP: SNMPv1");
        });
    EXPECT_EQ(first, 0);
    EXPECT_TRUE(lit) << "the panel showed the switch answering";

    // The switch is kept, and no community with it.
    const std::string list = Contents(Folder() / kRecentSwitchesFile);
    EXPECT_NE(list.find(address), std::string::npos) << list;
    EXPECT_EQ(list.find("tessla"), std::string::npos);
    EXPECT_EQ(list.find("marbelo"), std::string::npos);
    EXPECT_FALSE(fs::exists(Folder() / kRememberedSecretsFile));

    const std::uint64_t before = agent->Engine().Stats().badCommunity;
    const int second = Run([&](CConnectDlg& dlg) {
        CListCtrl& recent = dlg.RecentList();
        ASSERT_EQ(recent.GetItemCount(), 1);
        EXPECT_EQ(recent.GetItemText(0, 1), address);
        // Typed over, then the list's entry is what a double-click connects to.
        TypeInto(dlg.GetDlgItem(int(CConnectDlg::kAddressId)), "192.0.2.99");
        CRect row;
        recent.GetItemRect(0, &row, LVIR_BOUNDS);
        const QPoint at(row.left + 10, (row.top + row.bottom) / 2);
        QTest::mouseClick(recent.GetWidget(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(recent.GetWidget(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(second, 0);
    EXPECT_TRUE(lit);
    EXPECT_EQ(agent->Engine().Stats().badCommunity, before);
    std::string warning;
    EXPECT_EQ(LoadRecentSwitches(Folder().string(), warning).size(), 1u) << "the same switch";
}

TEST_F(StartE2eTest, RememberedCommunitiesAreKeptPrivateAndReachTheSwitchNextTime) {
    AgentCommunities communities;
    communities.read = "north-r";
    communities.write = "north-w";
    StartAgent(communities);
    const int first = Run([&](CConnectDlg& dlg) {
        TypeInto(dlg.GetDlgItem(int(CConnectDlg::kNameId)), QString::fromStdString(name));
        TypeInto(dlg.GetDlgItem(int(CConnectDlg::kAddressId)), QString::fromStdString(address));
        Key(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "north-r");
        Key(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "north-w");
        dlg.GetDlgItem(int(CConnectDlg::kRememberId))->SetFocus();
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(first, 0);
    ASSERT_TRUE(lit);
    const fs::path secrets = Folder() / kRememberedSecretsFile;
    ASSERT_TRUE(fs::exists(secrets));
    EXPECT_EQ(fs::status(secrets).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_NE(Contents(secrets).find("north-r"), std::string::npos);
    EXPECT_EQ(Contents(Folder() / kRecentSwitchesFile).find("north"), std::string::npos);

    // Without the remembered community the switch would not answer: the default is "tessla".
    const int second = Run([&](CConnectDlg& dlg) {
        EXPECT_EQ(
            FieldText(dynamic_cast<CTextEditControl*>(dlg.GetDlgItem(int(CConnectDlg::kReadId)))),
            "north-r");
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(second, 0);
    EXPECT_TRUE(lit);
}

TEST_F(StartE2eTest, AnSnmpV3UserWithThePassphrasesTypedInTheDialogIsManaged) {
    AgentProtocols protocols;
    protocols.v3Users.push_back(TestOpsUser());
    StartAgent({}, protocols);
    const int status = Run(
        [&](CConnectDlg& dlg) {
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kNameId)), QString::fromStdString(name));
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kAddressId)), QString::fromStdString(address));
            dlg.GetDlgItem(int(CConnectDlg::kVersionId))->SetFocus();
            Key(Qt::Key_End); // SNMPv3, the last of the versions
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kUserId)), "ops");
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kAuthPassId)), "auth-pass-1");
            TypeInto(dlg.GetDlgItem(int(CConnectDlg::kPrivPassId)), "priv-pass-1");
            Key(Qt::Key_Return);
        },
        [&](CModuleMainDlg& main) {
            main.OpenSlot(CAboutDlg::kSlot);
            CWnd* about = main.GetChildDialog(CAboutDlg::kSlot);
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(about->GetDlgItem(int(CAboutDlg::kSessionId))->GetWindowText(),
                      "SNMP: SNMPv3 user \"ops\" at authPriv (SHA-256, AES)");
        });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(lit) << "the passphrases typed in the dialog made the session";
    EXPECT_EQ(agent->Engine().Stats().badCommunity, 0u);
    // Not remembered: the list names the user, and neither passphrase is on disk.
    EXPECT_NE(Contents(Folder() / kRecentSwitchesFile).find("\"ops\""), std::string::npos);
    EXPECT_EQ(Contents(Folder() / kRecentSwitchesFile).find("pass-1"), std::string::npos);
    EXPECT_FALSE(fs::exists(Folder() / kRememberedSecretsFile));
}

TEST_F(StartE2eTest, CancelStartsNothingAndEndsAsACancelledPromptDoes) {
    StartAgent();
    const int status = Run([](CConnectDlg&) { Key(Qt::Key_Escape); });
    EXPECT_EQ(status, kStartCancelledExitCode);
    EXPECT_EQ(status, 2);
    EXPECT_FALSE(lit);
    EXPECT_FALSE(fs::exists(Folder() / kRecentSwitchesFile));
    EXPECT_EQ(agent->Engine().Stats().received, 0u) << "nothing was sent";
}

} // namespace
