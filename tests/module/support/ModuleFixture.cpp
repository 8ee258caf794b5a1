#include "tests/module/support/ModuleFixture.h"

#include "snmp/CSnmpDll.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpTransport.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

bool ModuleFixture::StartAgent(std::uint16_t port, FaultSettings faults) {
    AgentServerSettings settings;
    settings.device.modulesWord = m_modulesWord;
    settings.faults = faults;
    settings.clock = agentClock;
    settings.protocols = agentProtocols;
    agent = std::make_unique<CAgentServer>(settings);
    std::string error;
    if (!agent->Listen("127.0.0.1", port, error)) {
        ADD_FAILURE() << "agent: " << error;
        return false;
    }
    m_port = agent->Port();
    return true;
}

void ModuleFixture::StartEngine(std::uint16_t modulesWord, FaultSettings faults) {
    PumpMessages(); // the QApplication of the test program exists from here on
    m_modulesWord = modulesWord;
    ASSERT_TRUE(StartAgent(0, faults));
    app = std::make_unique<CModuleApp>();
    SnmpInit(app.get());
    app->TakeCommandLine("/I" + AgentAddress());
    std::string error;
    ASSERT_TRUE(InstallSnmpSession(session, AgentAddress(), sessionSecrets, error)) << error;
}

void ModuleFixture::StartModule(std::uint16_t modulesWord, FaultSettings faults) {
    StartEngine(modulesWord, faults);
    if (HasFatalFailure())
        return;
    main = std::make_unique<CModuleMainDlg>(app->Identity());
    ASSERT_TRUE(main->Create());
    app->m_pMainWnd = main.get();
    main->ShowWindow(SW_SHOW);
    ASSERT_TRUE(WaitForReplies());
}

void ModuleFixture::TearDown() {
    if (main) {
        main->CloseChildDialogs();
        PumpMessages();
        main.reset();
    }
    if (app) {
        SnmpDone();
        app.reset();
    }
    agent.reset();
    PumpMessages();
}

void ModuleFixture::StopAgent() {
    agent.reset();
}

void ModuleFixture::RestartAgent(FaultSettings faults) {
    StartAgent(m_port, faults);
}

std::string ModuleFixture::AgentAddress() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

bool ModuleFixture::WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

void ModuleFixture::PumpFor(int ms) {
    WaitFor([] { return false; }, ms);
}

std::size_t ModuleFixture::OutstandingRequests() const {
    CSnmpSocket* socket = GetSnmpSocket();
    return socket ? socket->m_msgList.size() : 0;
}

bool ModuleFixture::WaitForReplies(int ms) {
    bool ok = WaitFor([this] { return OutstandingRequests() == 0; }, ms);
    PumpMessages(); // what the replies posted
    return ok;
}

void ModuleFixture::ExpireRequests() {
    for (int i = 0; i < 1000 && OutstandingRequests() > 0; ++i) {
        clock.advance(2);
        GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    }
    PumpMessages();
}

CWnd* ModuleFixture::OpenSlot(int slot) {
    main->SendMessage(PANEL_MSG, WPARAM(slot), 0);
    PumpMessages();
    return main->GetChildDialog(slot);
}

void ModuleFixture::ClickControl(CWnd* dialog, UINT id) {
    CWnd* control = dialog ? dialog->GetDlgItem(int(id)) : nullptr;
    ASSERT_NE(control, nullptr) << "no control " << id;
    CRect r;
    control->GetClientRect(&r);
    LeftDown(control, r.Width() / 2, r.Height() / 2);
    LeftUp(control, r.Width() / 2, r.Height() / 2);
    PumpMessages();
}

void ModuleFixture::Screenshot(CWnd* wnd, const std::string& name) const {
    SaveTestScreenshot(wnd, name);
}

UsmUser TestOpsUser() {
    UsmUser user;
    user.userName = "ops";
    user.level = UsmSecurityLevel::AuthPriv;
    user.auth = UsmAuthProtocol::SHA256;
    user.priv = UsmPrivProtocol::AES128;
    user.authPassword = UsmSecret("auth-pass-1");
    user.privPassword = UsmSecret("priv-pass-1");
    return user;
}

void SaveTestScreenshot(CWnd* wnd, const std::string& name) {
    QByteArray dir = qgetenv("TAUREL_SCREENSHOTS");
    if (dir.isEmpty() || !wnd || !wnd->GetWidget())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    wnd->GetWidget()->grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) +
                                  ".png");
}
