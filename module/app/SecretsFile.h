#pragma once
// The file an operator keeps the SNMPv3 passphrases in, so they never stand on a command line
// (where every user of the machine can read them in the process list): the authentication
// passphrase on the first line, the privacy one on the second. It is read only when nobody but
// its owner can read or change it, as ssh treats a private key.

#include <filesystem>
#include <string>

#include "snmp/UsmSecret.h"

// Why a file with these permissions is not read: "others than its owner may read it (mode
// 0644)"; empty when only the owner has any right to it.
std::string SecretsFilePermissionProblem(std::filesystem::perms permissions);

// Reads the passphrases from `path`: the first line into `auth`, the second (when `wantPriv`)
// into `priv`; a line ends at "\n" or "\r\n". False with `error` set (naming the reason, never
// the file's content) when the file is missing, no regular file, open to others, or lacks a
// line asked for. What was read is wiped from memory once held in the secrets.
bool ReadSecretsFile(const std::string& path, bool wantPriv, UsmSecret& auth, UsmSecret& priv,
                     std::string& error);
