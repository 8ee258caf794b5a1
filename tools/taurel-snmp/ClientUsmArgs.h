#pragma once
// The SNMPv3 options of the command-line tools, spelt as net-snmp spells them:
// -u USER -l noAuthNoPriv|authNoPriv|authPriv -a MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512
// -A PASSPHRASE -x AES -X PASSPHRASE -e ENGINEID -n CONTEXT.

#include <string>
#include <vector>

#include "snmp/SnmpV3Message.h"
#include "snmp/UsmUser.h"

// True for an option letter that belongs to SNMPv3 and takes a value.
bool IsUsmOption(const std::string& option);
// Takes one option and its value into `user`; false with `error` set for a bad value.
bool ParseUsmOption(const std::string& option, const std::string& value, UsmUser& user,
                    std::string& error);
// Checks that the options make a usable user: a name, and passphrases of at least 8 characters
// for the levels that need them.
bool CheckUsmUser(const UsmUser& user, std::string& error);
// Overwrites the passphrases that follow -A and -X in the program's own argument strings and in
// `args`, so they are not left readable in memory (or in the process list) for the whole run.
void WipeUsmPassphrases(std::vector<std::string>& args, int argc, char* argv[]);
