#include "module/app/StartDialogRule.h"

#include "module/app/CommandLine.h"

bool ShowsStartDialog(const ProgramOptions& options) {
    const bool scripted =
        options.print || !options.screenshotPrefix.empty() || options.quitAfterSeconds;
    return !options.demo && !scripted && !NamesSwitch(options.commandLine);
}
