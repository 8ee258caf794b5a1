#pragma once
// The switches the operator chose in the start dialog, most recent first, so the next start
// offers them again. A switch is its agent address, SNMP version and SNMPv3 user: choosing the
// same three again moves the entry to the top with what was chosen this time. Communities and
// passphrases belong to an entry only when the operator asked for them to be remembered.

#include "module/app/SnmpSessionOptions.h"
#include "module/app/SnmpSessionStart.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

constexpr std::size_t kMaxRecentSwitches = 10;

struct RecentSwitch {
    std::string name;
    std::string address;
    // Version, SNMPv3 user, level, protocols and engine ID; never a secrets file.
    SnmpSessionOptions session;
    std::optional<int> timeoutMs;
    // The operator ticked "remember": the communities and passphrases below are kept.
    bool remember = false;
    std::string readCommunity;
    std::string writeCommunity;
    SnmpSecrets passphrases;
};

// Same address, version and (for SNMPv3) user.
bool IsSameSwitch(const RecentSwitch& a, const RecentSwitch& b);
// Puts `entry` first, drops the entry of the same switch and keeps at most kMaxRecentSwitches.
// An entry that is not remembered carries no community or passphrase into the list.
void RememberRecentSwitch(std::vector<RecentSwitch>& list, RecentSwitch entry);
// "SNMPv1", "SNMPv2c", "SNMPv3 ops": the list's column of how the switch is spoken to.
std::string RecentSwitchVersionText(const RecentSwitch& entry);
