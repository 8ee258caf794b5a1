#pragma once
// Starting the session the options describe, for the one agent the program manages: the
// passphrases taken from the secrets file or the prompt, the user's keys made from them, and
// the engine told how to speak to that agent. Every window then speaks that way without
// knowing it: the engine looks the agent's session up for each request.

#include <optional>
#include <string>

#include "module/app/PassphrasePrompt.h"
#include "module/app/SnmpSessionOptions.h"
#include "snmp/UsmSecret.h"

// The exit status of a program whose passphrase prompt was cancelled.
constexpr int kNoPassphraseExitCode = 2;

struct SnmpSecrets {
    UsmSecret auth;
    UsmSecret priv;
};

enum class SessionSecrets { Taken, Refused, Cancelled };

// The passphrases `options` need, from its secrets file or, without one, from `ask`; nothing
// for a session that needs none. Refused (with `error`) for a file that may not or cannot be
// read; Cancelled when the operator cancelled the prompt.
SessionSecrets ObtainSessionSecrets(const SnmpSessionOptions& options,
                                    const std::string& agentAddress, const PassphraseAsker& ask,
                                    std::optional<double> giveUpAfterSeconds, SnmpSecrets& secrets,
                                    std::string& error);

// Tells the running engine to speak to `agentAddress` as `options` say: SNMPv1 as always (the
// switch's 512-byte replies, its time-out), SNMPv2c with the communities, or SNMPv3 as the
// user with `secrets` (stretched into keys, then wiped). SNMPv2c and SNMPv3 replies are taken
// up to the largest datagram: an agent may send more than 512 bytes in them, and SNMPv3's
// envelope alone adds some. False with `error` set when the user cannot be used (a passphrase
// shorter than 8 characters).
bool InstallSnmpSession(const SnmpSessionOptions& options, const std::string& agentAddress,
                        SnmpSecrets secrets, std::string& error);
