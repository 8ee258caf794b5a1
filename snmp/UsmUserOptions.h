#pragma once
// The SNMPv3 options of the command-line tools (taurel-snmp, nmdialog-browser), spelt as
// net-snmp spells them, in any case:
// -u USER -l noAuthNoPriv|authNoPriv|authPriv (or nanp|anp|ap, noauth|auth|priv, 1|2|3)
// -a MD5|SHA|SHA-1|SHA-224|SHA-256|SHA-384|SHA-512 (the SHA-2 names also without the dash)
// -A PASSPHRASE -x AES|AES-128 -X PASSPHRASE -e ENGINEID -n CONTEXT.

#include <string>
#include <vector>

#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmUser.h"

// True for an option letter that belongs to SNMPv3 and takes a value.
NMSNMP_API bool IsUsmOptionLetter(char letter);
// Takes the option `letter` and its value into `user`; false with `error` set for a bad value.
NMSNMP_API bool ParseUsmOption(char letter, const std::string& value, UsmUser& user,
                               std::string& error);
// The words of the options above for a level or a protocol: "authPriv", "SHA-256", "AES".
NMSNMP_API std::string UsmSecurityLevelName(UsmSecurityLevel level);
NMSNMP_API std::string UsmAuthProtocolName(UsmAuthProtocol protocol);
NMSNMP_API std::string UsmPrivProtocolName(UsmPrivProtocol protocol);
// Checks that the options make a usable user: a name, and passphrases of at least 8 characters
// for the levels that need them. The error names the option letters unless `nameOptions` is
// false (a program whose passphrases come from elsewhere).
NMSNMP_API bool CheckUsmUser(const UsmUser& user, std::string& error, bool nameOptions = true);
// Overwrites the passphrases given with -A and -X (apart, or joined as -APASS) in the program's
// own argument strings and in `args`, so they are not left readable in memory (or in the
// process list) for the whole run.
NMSNMP_API void WipeUsmPassphrases(std::vector<std::string>& args, int argc, char* argv[]);
