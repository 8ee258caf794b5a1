// taurel-trapd: receives SNMP notifications, keeps them in an SQLite journal and prints them as
// snmptrapd does, until SIGINT or SIGTERM.

#include <csignal>
#include <cstdlib>
#include <iostream>

#include <QCoreApplication>
#include <QTimer>

#include "TaurelVersion.h"
#include "tools/taurel-trapd/TrapdOptions.h"
#include "tools/taurel-trapd/TrapdReceiver.h"

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void RequestStop(int) {
    g_stopRequested = 1;
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    TrapdOptions options;
    std::string error;
    const bool parsed = ParseTrapdOptions(args, options, error);
    WipeTrapdPassphrases(args, argc, argv);
    if (!parsed) {
        std::cerr << "taurel-trapd: " << error << "\n" << kTrapdUsage;
        return kTrapdUsageExit;
    }
    if (options.help) {
        std::cout << kTrapdUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "taurel-trapd " << kTaurelVersion << "\n";
        return 0;
    }
    if (options.journal.empty()) {
        options.journal = DefaultJournalPath(std::getenv("STATE_DIRECTORY"));
    }

    QCoreApplication app(argc, argv);
    TrapdReceiver receiver(std::cout, std::cerr);
    if (!receiver.Start(options)) {
        return 1;
    }
    std::cerr << "taurel-trapd listening on " << options.listenAddress << ":" << receiver.Port()
              << ", journal " << options.journal << std::endl;

    // The handlers only set a flag; the event loop looks at it and ends normally.
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &app, [&receiver] {
        if (g_stopRequested) {
            QCoreApplication::quit();
        }
        receiver.ReportLosses();
    });
    tick.start(100);
    const int status = app.exec();
    std::cerr << receiver.Summary() << std::endl;
    return status;
}
