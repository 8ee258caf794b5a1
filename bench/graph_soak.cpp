// graph_soak [--polls N] [--warm-up N]
//
// Opens 10 line-curve and 10 bar-graph dialogs (ports 1 to 10, packet counters) against the
// simulated switch in this process, sets their poll interval to 1 s and drives them with
// simulated time: every simulated second each dialog polls once and every reply, sample and
// repaint is handled before the clock moves on. After N polls each (default 7200) it prints
//   rss growth after warm-up: N KiB   (resident size at the end minus after the warm-up polls)
//   longest event: N ms               (the longest single event or timer tick handled)

#include "agent/CAgentServer.h"
#include "controls/common/ControlMessages.h"
#include "module/app/CModuleApp.h"
#include "module/graphs/CGraphDlg.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/mainwnd/CModuleMainDlg.h"
#include "platform/core/Clock.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpTransport.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

// Times every event Qt delivers; the longest is what an operator would feel as a stall.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        const Steady::time_point start = Steady::now();
        const bool handled = QApplication::notify(receiver, event);
        Note(Steady::now() - start);
        return handled;
    }
    void Note(Steady::duration d) {
        if (d > longest)
            longest = d;
    }
    Steady::duration longest{};
};

// Resident set size in KiB (0 where /proc is not available).
long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    if (!(statm >> pages >> resident))
        return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::size_t Outstanding() {
    CSnmpSocket* socket = GetSnmpSocket();
    return socket ? socket->m_msgList.size() : 0;
}

// Delivers events until every request has its answer and what the answers posted is handled.
void Settle() {
    const Steady::time_point give_up = Steady::now() + std::chrono::seconds(5);
    while (Outstanding() > 0 && Steady::now() < give_up)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

int main(int argc, char** argv) {
    int polls = 7200, warmUp = 600;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--polls")
            polls = std::atoi(argv[i + 1]);
        else if (name == "--warm-up")
            warmUp = std::atoi(argv[i + 1]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication qapp(argc, argv);
    Clock::Manual clock(1700000000);

    AgentServerSettings settings;
    settings.clock = [&clock] { return clock.get() * 1000; };
    CAgentServer agent(settings);
    std::string error;
    if (!agent.Listen("127.0.0.1", 0, error)) {
        std::fprintf(stderr, "graph_soak: agent: %s\n", error.c_str());
        return 1;
    }
    CModuleApp app;
    SnmpInit(&app);
    app.TakeCommandLine("/I" + agent.ListenAddress());
    int status = 0;
    {
        CModuleMainDlg main(app.Identity());
        if (!main.Create()) {
            std::fprintf(stderr, "graph_soak: no main window\n");
            return 1;
        }
        app.m_pMainWnd = &main;
        main.ShowWindow(SW_SHOW);
        Settle();

        std::vector<CGraphDlg*> graphs;
        for (int port = 1; port <= 10; ++port)
            for (int first : {200, 260}) {
                main.OpenSlot(first + port - 1);
                auto* dlg = dynamic_cast<CGraphDlg*>(main.GetChildDialog(first + port - 1));
                if (!dlg) {
                    std::fprintf(stderr, "graph_soak: slot %d did not open\n", first + port - 1);
                    return 1;
                }
                dlg->ChooseFirstCounters();
                for (int i = 0; i < 4; ++i)
                    dlg->SendMessage(VALUE_BOX_DOWN, IDC_GRAPH_RATE, 0);
                // The simulated clock drives the polls, not the real timer.
                dlg->SendMessage(CTRL_CLICK_MSG, 0, IDC_GRAPH_PAUSE);
                graphs.push_back(dlg);
            }
        Settle();
        qapp.longest = {};

        long afterWarmUp = 0;
        int samplesMissing = 0;
        for (int poll = 1; poll <= polls; ++poll) {
            clock.advance(1);
            for (CGraphDlg* dlg : graphs) {
                const Steady::time_point start = Steady::now();
                dlg->SendMessage(WM_TIMER, kGraphPollTimer, 0);
                qapp.Note(Steady::now() - start);
            }
            Settle();
            if (poll == warmUp)
                afterWarmUp = ResidentKiB();
        }
        for (CGraphDlg* dlg : graphs)
            if (dlg->Stats().GetIntervals() + 1 < std::uint32_t(polls))
                ++samplesMissing;
        const long growth = ResidentKiB() - afterWarmUp;
        std::printf("dialogs: %zu, polls each: %d, dialogs that missed samples: %d\n",
                    graphs.size(), polls, samplesMissing);
        std::printf("rss growth after warm-up: %ld KiB\n", growth);
        std::printf(
            "longest event: %lld ms\n",
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(qapp.longest).count()));
        status = samplesMissing == 0 ? 0 : 2;
        main.CloseChildDialogs();
        QCoreApplication::processEvents();
        app.m_pMainWnd = nullptr;
    }
    SnmpDone();
    return status;
}
