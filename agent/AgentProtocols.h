#pragma once
// Which versions the simulated switch answers besides SNMPv1, and as whom: SNMPv2c with the
// communities, and SNMPv3 as an authoritative engine with its own users. Both are opt-in: a
// switch started without them answers exactly as before.

#include <cstdint>
#include <string>
#include <vector>

#include "snmp/UsmUser.h"

struct AgentProtocols {
    // SNMPv2c with the read and write communities: exceptions for missing objects, GetBulk.
    bool v2c = false;
    // SNMPv3 is answered when there is a user; each is accepted at the level it was made with
    // and may read and write.
    std::vector<UsmUser> v3Users;
    // The engine's ID; empty: a new one is made at start.
    std::vector<std::uint8_t> engineId;
    // How often the engine with this ID has started. It must grow with every start, or
    // messages recorded in an earlier run fall into the time window again.
    std::uint32_t engineBoots = 1;
};

// Overwrites every passphrase the record holds, once the engine has made its keys.
void WipePassphrases(AgentProtocols& protocols);

// A user as --v3-user gives it: NAME:AUTH:PASS for authNoPriv, NAME:AUTH:PASS:PRIV:PASS for
// authPriv, in net-snmp's protocol words (MD5, SHA, SHA-224 ... SHA-512; AES). False with
// `error` set (never repeating a passphrase) for a malformed one.
bool ParseAgentUser(const std::string& text, UsmUser& user, std::string& error);
// The passphrases of every --v3-user value overwritten in the program's own argument strings,
// so `ps` and /proc do not show them for the life of the switch (only NAME:AUTH: stays), and
// the copies in `args` (argv[1] onwards) wiped.
void WipeAgentUserArguments(std::vector<std::string>& args, int argc, char** argv);

// A boots value that grows from one start of the program to the next without a file to keep
// it in: the seconds since 2024 on the wall clock (at least 1).
std::uint32_t EngineBootsFromClock();
