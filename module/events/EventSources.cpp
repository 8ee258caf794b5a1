#include "module/events/EventSources.h"

#include "snmp/SnmpAgentAddress.h"

namespace {

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

std::string Of(const std::string& source) {
    return "Events of " + source;
}

} // namespace

std::string UserJournalPath(const char* xdgDataHome, const char* home) {
    std::string base;
    if (IsAbsolute(xdgDataHome))
        base = xdgDataHome;
    else if (IsAbsolute(home))
        base = std::string(home) + "/.local/share";
    else
        return {};
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/taurel/notifications.sqlite";
}

std::string SwitchSourceAddress(const std::string& agentAddress) {
    SnmpAgentAddress address;
    return SplitAgentAddress(agentAddress, address) ? address.host : agentAddress;
}

std::string NoEventSourceText() {
    return "No event source: start taurel with --trap-port PORT, or run the taurel-trapd "
           "service";
}

std::string SystemJournalSourceText(const std::string& source, const std::string& path) {
    return Of(source) + " from taurel-trapd's journal " + path;
}

std::string ListenerSourceText(const std::string& source, std::uint16_t port,
                               const std::string& journalPath) {
    return Of(source) + " received on port " + std::to_string(port) +
           (journalPath.empty() ? ", not kept" : ", kept in " + journalPath);
}

std::string EventsMenuText(int unseen) {
    return unseen > 0 ? "Events (" + std::to_string(unseen) + ")" : "Events";
}
