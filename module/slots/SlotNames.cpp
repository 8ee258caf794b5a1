#include "module/slots/SlotNames.h"

#include "module/slots/SlotRecords.h"

#include <cerrno>
#include <cstdlib>

namespace {

constexpr int kPorts = 28;

struct NamedSlot {
    const char* name;
    int slot; // the slot itself, or the base of a port range (port p is base + p)
    bool perPort;
};

const NamedSlot kNames[] = {
    {"device-information", Slot::kDeviceInformation, false},
    {"set-configuration", Slot::kSetConfiguration, false},
    {"mib-capability", Slot::kMibCapability, false},
    {"ip-interface", Slot::kIpInterface, false},
    {"ip-interface-settings", Slot::kIpInterfaceSettings, false},
    {"trap-receivers", Slot::kTrapReceivers, false},
    {"trap-receiver-form", Slot::kTrapReceiverForm, false},
    {"trap-settings", Slot::kTrapSettings, false},
    {"reset", Slot::kReset, false},
    {"about", Slot::kAbout, false},
    {"help", Slot::kHelp, false},
    {"events", Slot::kEvents, false},
    {"port-information", SlotBase::kPortInformation, true},
    {"port-settings", SlotBase::kPortSettings, true},
    {"error-table", SlotBase::kPortErrors, true},
    {"packet-table", SlotBase::kPortPackets, true},
    {"packet-curve", SlotBase::kPortLineGraph, true},
    {"error-curve", SlotBase::kPortErrorLineGraph, true},
    {"packet-bars", SlotBase::kPortBarGraph, true},
    {"error-bars", SlotBase::kPortErrorBarGraph, true},
};

// A whole decimal number with nothing around it.
std::optional<int> Number(const std::string& text) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    return std::atoi(text.c_str());
}

} // namespace

std::string SlotName(int slot) {
    for (const NamedSlot& n : kNames) {
        if (!n.perPort && slot == n.slot)
            return n.name;
        if (n.perPort && slot > n.slot && slot <= n.slot + kPorts)
            return std::string(n.name) + ":" + std::to_string(slot - n.slot);
    }
    return {};
}

std::optional<int> SlotFromName(const std::string& text) {
    std::optional<int> slot = Number(text);
    if (!slot) {
        const std::size_t colon = text.find(':');
        const std::string word = text.substr(0, colon);
        for (const NamedSlot& n : kNames) {
            if (word != n.name || n.perPort != (colon != std::string::npos))
                continue;
            std::optional<int> port = n.perPort ? Number(text.substr(colon + 1)) : 0;
            if (port)
                slot = n.slot + *port;
            break;
        }
    }
    // Only a slot that has a name opens a window; the same table answers for numbers.
    if (!slot || SlotName(*slot).empty())
        return std::nullopt;
    return slot;
}

std::vector<SlotNameLine> SlotNameLines() {
    std::vector<SlotNameLine> lines;
    for (const NamedSlot& n : kNames) {
        if (n.perPort)
            lines.push_back({std::string(n.name) + ":P", std::to_string(n.slot) + "+P"});
        else
            lines.push_back({n.name, std::to_string(n.slot)});
    }
    return lines;
}
