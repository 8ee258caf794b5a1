#pragma once
// The start dialog as the application sees it: asked with the options the program was started
// with, it answers with the command line that does what the operator chose (a switch, or the
// demo), or with nothing when the operator cancelled.

#include "module/app/ProgramOptions.h"
#include "module/app/SnmpSessionStart.h"

#include <functional>
#include <string>
#include <vector>

// A cancelled start dialog ends the program as a cancelled passphrase prompt does: nothing was
// started, at the operator's word.
constexpr int kStartCancelledExitCode = kNoPassphraseExitCode;

struct StartChoice {
    enum class Kind { Connect, Demo, Cancelled };
    Kind kind = Kind::Cancelled;
    // The command line's arguments (without the program's name) for what was chosen.
    std::vector<std::string> arguments;
    // The SNMPv3 passphrases typed in the dialog; empty: asked for as the command line would.
    SnmpSecrets passphrases;
    // The operator asked for the communities and passphrases to be remembered.
    bool remember = false;
};

using SwitchChooser = std::function<StartChoice(const ProgramOptions& started)>;

// The chooser the program uses: the recent switches read from the user's config folder, the
// dialog run modally before any other window.
StartChoice ChooseSwitchInDialog(const ProgramOptions& started);
