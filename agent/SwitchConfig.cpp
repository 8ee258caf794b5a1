#include "agent/SwitchConfig.h"

SwitchConfig DefaultConfig(const std::vector<PortPlace>& ports) {
    SwitchConfig config;
    config.contact = "Network Operations";
    config.name = "taurel-switch";
    config.location = "Equipment room";
    config.capabilities = {
        {1, "MIB-II", 1, 2},
        {2, "Bridge MIB", 1, 2},
        {3, "Switch enterprise MIB", 2, 3},
    };
    config.interfaces = {
        {1,
         {10, 0, 0, 1},
         {255, 255, 255, 0},
         {10, 0, 0, 254},
         std::string("\x00\x80\xC8\x01\x02\x03", 6),
         6},
        {2, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, std::string(6, '\0'), 28},
    };
    config.trapReceivers[IpKey({192, 0, 2, 10})] = "public";
    for (const PortPlace& place : ports) {
        PortSettings settings;
        settings.speed = place.speeds.back();
        config.ports.push_back(settings);
    }
    return config;
}

std::uint32_t IpKey(const IpBytes& ip) {
    return (std::uint32_t{ip[0]} << 24) | (std::uint32_t{ip[1]} << 16) |
           (std::uint32_t{ip[2]} << 8) | ip[3];
}

IpBytes IpFromKey(std::uint32_t key) {
    return {static_cast<std::uint8_t>(key >> 24), static_cast<std::uint8_t>(key >> 16),
            static_cast<std::uint8_t>(key >> 8), static_cast<std::uint8_t>(key)};
}
