#pragma once
// The start-up prompt for the SNMPv3 passphrases, when no --v3-secrets file gives them: one
// dialog with a masked field for each passphrase the security level needs. OK takes them once
// each is at least 8 characters long; Esc or Cancel ends the program instead.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "snmp/UsmSecret.h"

// The shortest passphrase SNMPv3 takes.
constexpr std::size_t kMinPassphraseLength = 8;

struct PassphraseRequest {
    std::string userName;
    std::string agentAddress;
    bool privacy = false; // the privacy passphrase too
    // The prompt gives up (as if cancelled) after this long: a program told to quit after
    // so many seconds must not wait for ever at a prompt nobody answers.
    std::optional<double> giveUpAfterSeconds;
};

// Fills `auth` (and `priv` when asked for) and returns true; false when the operator cancelled.
using PassphraseAsker =
    std::function<bool(const PassphraseRequest& request, UsmSecret& auth, UsmSecret& priv)>;

// The asker the program uses: the dialog, modal, before any other window.
bool AskPassphrasesInDialog(const PassphraseRequest& request, UsmSecret& auth, UsmSecret& priv);
