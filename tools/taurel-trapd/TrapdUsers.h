#pragma once
// SNMPv3 users in net-snmp's createUser spelling, as snmptrapd.conf has them:
//   [-e ENGINEID] NAME (MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512) AUTHPASS [AES [PRIVPASS]]
// A user with -e is the user of that engine's traps; one without is a user of the receiver's
// own engine (informs). Without a privacy passphrase AES takes the authentication one, as
// net-snmp does. A passphrase with spaces is written in double quotes.

#include <string>
#include <vector>

#include "snmp/UsmUser.h"

// One user from the words after "createUser". False with `error` set for a bad line.
bool ParseCreateUser(const std::string& text, UsmUser& user, std::string& error);
// Every "createUser" line of a file (blank lines and # comments skipped; other lines are
// errors, so a mistyped line is never silently ignored).
bool ReadUsersFile(const std::string& path, std::vector<UsmUser>& users, std::string& error);
