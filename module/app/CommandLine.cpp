#include "module/app/CommandLine.h"

#include <cstdio>

namespace {

void TakeOption(const std::string& text, const char* option, std::string& value) {
    std::size_t at = text.find(option);
    if (at == std::string::npos)
        return;
    std::size_t start = at + 2;
    std::size_t end = text.find(' ', start);
    value = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace

bool NamesSwitch(const std::string& text) {
    for (const char* option : kSwitchOptions)
        if (text.find(option) != std::string::npos)
            return true;
    return false;
}

void ParseCommandLine(const std::string& text, ModuleIdentity& identity) {
    TakeOption(text, kSwitchOptions[0], identity.deviceName);
    TakeOption(text, kSwitchOptions[1], identity.agentAddress);
    TakeOption(text, kSwitchOptions[2], identity.readCommunity);
    TakeOption(text, kSwitchOptions[3], identity.writeCommunity);
}

bool ParseAgentOctets(const std::string& address, std::array<std::uint8_t, 4>& octets) {
    int n[4];
    if (std::sscanf(address.c_str(), "%d.%d.%d.%d", &n[0], &n[1], &n[2], &n[3]) != 4)
        return false;
    for (int i = 0; i < 4; ++i)
        octets[i] = std::uint8_t(n[i] & 0xFF);
    return true;
}
