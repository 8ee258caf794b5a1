// taurel: the module window for one switch. "/N" "/I" "/R" "/W" give the device name, agent
// address and communities; the long options are the program's own (--help lists them).

#include "TaurelVersion.h"
#include "module/app/CModuleApp.h"
#include "module/app/ProgramOptions.h"
#include "platform/ui/StartupDisplayGuard.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ProgramOptions options = ParseProgramOptions(args);
    if (!options.error.empty()) {
        std::fprintf(stderr, "taurel: %s\n", options.error.c_str());
        return kUsageExitCode;
    }
    if (options.help) {
        std::fputs(ProgramUsage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("taurel %s\n", kTaurelVersion);
        return 0;
    }
    if (std::string refusal = AgentAddressRefusal(options); !refusal.empty()) {
        std::fprintf(stderr, "taurel: %s\n", refusal.c_str());
        return kUsageExitCode;
    }
    std::optional<StartupDisplayGuard> guard(std::in_place, "taurel");
    QApplication qtApp(argc, argv);
    guard.reset();
    QApplication::setApplicationName("Taurel");
    CModuleApp app(options);
    app.InitInstance();
    return app.ExitCode();
}
