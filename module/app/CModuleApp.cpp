#include "module/app/CModuleApp.h"

#include "module/app/CDemoAgent.h"
#include "module/app/CInstanceLock.h"
#include "module/app/CommandLine.h"
#include "module/app/DemoSession.h"
#include "module/app/ManualText.h"
#include "module/app/PrintDialogs.h"
#include "module/app/StartDialogRule.h"
#include "module/events/CEventFeed.h"
#include "module/events/EventSources.h"
#include "module/graphs/CGraphDlg.h"
#include "module/mainwnd/CModuleMainDlg.h"
#include "platform/ui/Prompt.h"
#include "snmp/CSnmpDll.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpTransport.h"
#include "snmp/SocketInit.h"

#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* kSocketInitFailed = "Windows sockets initialization failed."; // string 103

bool SaveWindow(CWnd* wnd, const std::string& file) {
    QWidget* widget = wnd ? wnd->GetWidget() : nullptr;
    if (!widget)
        return false;
    bool saved = widget->grab().save(QString::fromStdString(file), "PNG");
    if (!saved)
        std::fprintf(stderr, "taurel: cannot write %s\n", file.c_str());
    return saved;
}

} // namespace

CModuleApp::CModuleApp(ProgramOptions options) : m_options(std::move(options)) {}

CModuleApp::~CModuleApp() {
    m_events.reset(); // its listener is a socket of the engine's socket layer
    if (m_bSnmpStarted)
        SnmpDone();
    m_demo.reset();
}

void CModuleApp::TakeCommandLine(const std::string& commandLine) {
    ModuleIdentity identity; // the defaults
    ParseCommandLine(commandLine, identity);
    m_strDeviceName = identity.deviceName;
    m_strAgentAddress = identity.agentAddress;
    m_strReadCommunity = identity.readCommunity;
    m_strWriteCommunity = identity.writeCommunity;
    m_bAgentOctetsValid = ParseAgentOctets(m_strAgentAddress, m_byAgentOctets);
}

ModuleIdentity CModuleApp::Identity() const {
    const SnmpSessionOptions session =
        m_demo ? DemoSessionOptions(m_options.snmp.version) : m_options.snmp;
    return {m_strDeviceName, m_strAgentAddress, m_strReadCommunity, m_strWriteCommunity,
            DescribeSnmpSession(session)};
}

void CModuleApp::StartEventListener() {
    m_events = std::make_unique<CEventFeed>();
    if (!m_options.trapPort && !m_options.demo)
        return;
    // The demo's switch is on this machine: its traps need no other address, and what the
    // listener keeps lasts as long as that switch.
    const bool own = bool(m_options.trapPort);
    const std::string journal =
        own ? UserJournalPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")) : std::string();
    std::string error;
    if (!m_events->Listen(own ? "0.0.0.0" : "127.0.0.1", own ? *m_options.trapPort : 0, journal,
                          error))
        std::fprintf(stderr, "taurel: cannot receive traps on port %u: %s\n",
                     unsigned(own ? *m_options.trapPort : 0), error.c_str());
}

bool CModuleApp::StartDemoAgent() {
    m_demo = std::make_unique<CDemoAgent>();
    std::string error;
    DemoAgentTraps traps;
    traps.receiverPort = m_events ? m_events->ListenPort() : 0;
    traps.linkFlapPort = m_options.linkFlapPort;
    traps.linkFlapSeconds = m_options.linkFlapSeconds;
    if (m_demo->Start(error, DemoAgentProtocols(m_options.snmp.version), traps))
        return true;
    std::fprintf(stderr, "taurel: cannot start the demo switch: %s\n", error.c_str());
    m_demo.reset();
    return false;
}

BOOL CModuleApp::InitInstance() {
    // The platform's own widget style gives the three-dimensional control look.
    if (!AfxSocketInit()) {
        AfxMessageBox(kSocketInitFailed, MB_OK);
        m_exitCode = 1;
        return FALSE;
    }
    if (ShowsStartDialog(m_options) && !ChooseSwitch())
        return FALSE;
    CSnmpDll::SetAlertHandler([](const std::string& text) { AfxMessageBox(text.c_str()); });
    SnmpInit(this);
    m_bSnmpStarted = true;
    if (m_options.timeoutMs)
        SetSnmpTimeout(*m_options.timeoutMs);
    if (m_options.packetLog)
        if (CSnmpSocket* socket = GetSnmpSocket())
            socket->m_bLogPackets = 1;

    TakeCommandLine(m_options.commandLine);
    // The demo's address is known only once its switch runs, so a demo is one instance by its
    // name alone: a second --demo raises the first instead of starting a second switch.
    // A run that prints or takes screenshots is a script's: it must write what it was asked
    // for, so it neither raises a window already managing the device nor holds the lock.
    CModuleMainDlg* running = nullptr;
    CInstanceLock lock;
    const bool scripted = m_options.print || !m_options.screenshotPrefix.empty();
    const std::string instance = m_options.demo ? m_strDeviceName + ":--demo" : WindowTitle();
    const bool first = scripted || lock.Acquire(instance, [&running] {
        if (running && running->m_hWnd) {
            running->BringWindowToTop();
            running->SetForegroundWindow();
        }
    });
    if (!first)
        return FALSE; // the instance managing this device came to the front
    StartEventListener();
    if (m_options.demo) {
        if (!StartDemoAgent()) {
            m_exitCode = 1;
            return FALSE;
        }
        m_strAgentAddress = m_demo->Address();
        m_bAgentOctetsValid = ParseAgentOctets(m_strAgentAddress, m_byAgentOctets);
    }
    // The demo's switch sends only to the program's own listener.
    m_events->Start(m_strAgentAddress, m_options.demo ? std::string() : kSystemJournalPath);
    RunMainWindow(running);
    return FALSE;
}

void CModuleApp::RunMainWindow(CModuleMainDlg*& running) {
    if (!StartSession())
        return;

    CModuleMainDlg main(Identity());
    main.SetEventFeed(m_events.get());
    running = &main;
    m_pMainWnd = &main;
    main.SetManualText(ManualText());
    if (!m_options.screenshotPrefix.empty() || m_options.print)
        main.SetBeforeClose([this, &main] {
            if (!m_options.screenshotPrefix.empty())
                SaveScreenshots(main);
            if (m_options.print) {
                std::fputs(PrintedDialogs(main).c_str(), stdout);
                std::fflush(stdout);
            }
        });
    ScheduleProgramOptions(main);
    main.DoModal();
    running = nullptr;
    m_pMainWnd = nullptr;
}

void CModuleApp::ScheduleProgramOptions(CModuleMainDlg& main) {
    // Both run from the main window's loop, once the window is up.
    if (!m_options.openSlots.empty())
        QTimer::singleShot(0, [&main, toOpen = m_options.openSlots] {
            for (int slot : toOpen)
                if (main.m_hWnd)
                    main.OpenSlot(slot);
        });
    if (std::optional<double> seconds = QuitAfter(m_options))
        QTimer::singleShot(int(*seconds * 1000), [&main] { QuitWhenUnwound(main, 0); });
}

void CModuleApp::QuitWhenUnwound(CModuleMainDlg& main, int attempt) {
    // A message box or a menu runs a loop of its own inside the main window's: close it first
    // and end only once its caller has returned, so no handler resumes on a closed window. A
    // loop that no prompt explains is waited for at most three seconds: the program must end.
    constexpr int kAttempts = 300;
    bool prompts = DismissPrompts();
    if ((prompts || QThread::currentThread()->loopLevel() > 1) && attempt < kAttempts) {
        QTimer::singleShot(10, [&main, attempt] { QuitWhenUnwound(main, attempt + 1); });
        return;
    }
    if (main.m_hWnd)
        main.OnCancel();
}

void CModuleApp::SaveScreenshots(CModuleMainDlg& main) const {
    const std::string& prefix = m_options.screenshotPrefix;
    SaveWindow(&main, prefix + "-main.png");
    for (int slot : main.OpenSlots())
        SaveWindow(main.GetChildDialog(slot), prefix + "-slot" + std::to_string(slot) + ".png");
}
