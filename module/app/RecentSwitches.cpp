#include "module/app/RecentSwitches.h"

#include <algorithm>

bool IsSameSwitch(const RecentSwitch& a, const RecentSwitch& b) {
    if (a.address != b.address || a.session.version != b.session.version)
        return false;
    return a.session.version != SNMP_VERSION_3 || a.session.userName == b.session.userName;
}

void RememberRecentSwitch(std::vector<RecentSwitch>& list, RecentSwitch entry) {
    if (!entry.remember) {
        entry.readCommunity.clear();
        entry.writeCommunity.clear();
        entry.passphrases = {};
    }
    entry.session.secretsFile.clear();
    entry.session.firstV3Option.clear();
    std::erase_if(list, [&entry](const RecentSwitch& kept) { return IsSameSwitch(kept, entry); });
    list.insert(list.begin(), std::move(entry));
    if (list.size() > kMaxRecentSwitches)
        list.resize(kMaxRecentSwitches);
}

std::string RecentSwitchVersionText(const RecentSwitch& entry) {
    switch (entry.session.version) {
    case SNMP_VERSION_1:
        return "SNMPv1";
    case SNMP_VERSION_2C:
        return "SNMPv2c";
    default:
        return "SNMPv3 " + entry.session.userName;
    }
}
