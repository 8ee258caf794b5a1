// taurel-agent: a simulated switch answering SNMPv1 (and, when asked, SNMPv2c and SNMPv3) on
// UDP until SIGINT or SIGTERM.

#include <csignal>
#include <iostream>

#include <QCoreApplication>
#include <QTimer>

#include "TaurelVersion.h"
#include "agent/AgentOptions.h"
#include "snmp/UsmAuthoritativeEngine.h"

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void RequestStop(int) {
    g_stopRequested = 1;
}

std::string HexText(const std::vector<std::uint8_t>& bytes) {
    static const char* const kDigits = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

void PrintStats(const AgentStats& s) {
    std::cerr << "requests " << s.received << ", answered " << s.answered << ", malformed "
              << s.malformed << ", wrong version " << s.badVersion << ", wrong community "
              << s.badCommunity << ", other PDU " << s.unsupportedPdu << ", while resetting "
              << s.whileResetting << ", refused by SNMPv3 " << s.v3Refused << "\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    AgentOptions options;
    std::string error;
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool parsed = ParseAgentOptions(args, options, error);
    // The users' keys are made; their passphrases need not stay readable in the process.
    WipeAgentUserArguments(args, argc, argv);
    if (!parsed) {
        std::cerr << "taurel-agent: " << error << "\n" << AgentUsage();
        return kAgentUsageExit;
    }
    if (options.help) {
        std::cout << AgentUsage();
        return 0;
    }
    if (options.version) {
        std::cout << "taurel-agent " << kTaurelVersion << "\n";
        return 0;
    }

    AgentServerSettings settings{options.device,
                                 options.communities,
                                 options.faults,
                                 {},
                                 {},
                                 options.trapPort,
                                 options.trapReceivers,
                                 options.linkFlapPort,
                                 options.linkFlapSeconds,
                                 options.protocols};
    if (options.verbose) {
        settings.log = [](const std::string& line) { std::cerr << line << "\n"; };
    }
    settings.protocols.engineBoots = EngineBootsFromClock();
    WipePassphrases(options.protocols);
    CAgentServer server(std::move(settings));
    if (!server.Listen(options.listenAddress, options.listenPort, error)) {
        std::cerr << "taurel-agent: cannot listen on " << options.listenAddress << ":"
                  << options.listenPort << ": " << error << "\n";
        return 1;
    }
    std::cout << "taurel-agent listening on " << server.ListenAddress() << std::endl;
    if (const UsmAuthoritativeEngine* engine = server.Engine().V3Engine()) {
        std::cout << "SNMPv3 engine ID " << HexText(engine->EngineId()) << ", boots "
                  << engine->Boots() << std::endl;
    }

    // The handlers only set a flag; the event loop looks at it and ends normally.
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, &app, [] {
        if (g_stopRequested) {
            QCoreApplication::quit();
        }
    });
    stopCheck.start(50);

    const int status = app.exec();
    if (options.verbose) {
        PrintStats(server.Engine().Stats());
        std::cerr << "traps sent " << server.TrapsSent() << ", not sent " << server.TrapsFailed()
                  << "\n";
    }
    return status;
}
