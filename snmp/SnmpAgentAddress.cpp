#include "snmp/SnmpAgentAddress.h"

#include <algorithm>

namespace {

bool Refuse(std::string* problem, const char* why) {
    if (problem) {
        *problem = why;
    }
    return false;
}

// The port after a colon: 1 to 65535 in decimal digits.
bool ParsePort(const std::string& digits, std::uint16_t& port, std::string* problem) {
    if (digits.empty() || digits.size() > 5 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return Refuse(problem, "the port must be a number from 1 to 65535");
    }
    const unsigned value = static_cast<unsigned>(std::stoul(digits));
    if (value == 0 || value > 65535) {
        return Refuse(problem, "the port must be a number from 1 to 65535");
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

bool SplitAgentAddress(const std::string& text, SnmpAgentAddress& address, std::string* problem) {
    SnmpAgentAddress split;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos) {
            return Refuse(problem, "the IPv6 address has no closing bracket");
        }
        split.host = text.substr(1, close - 1);
        if (split.host.find(':') == std::string::npos) {
            return Refuse(problem, "brackets hold an IPv6 address");
        }
        const std::string rest = text.substr(close + 1);
        if (!rest.empty() && rest.front() != ':') {
            return Refuse(problem, "only \":port\" may follow the closing bracket");
        }
        if (!rest.empty() && !ParsePort(rest.substr(1), split.port, problem)) {
            return false;
        }
    } else if (std::count(text.begin(), text.end(), ':') >= 2) {
        // Written without brackets, an IPv6 address cannot carry a port: its last group would
        // read as one.
        split.host = text;
    } else if (const std::size_t colon = text.find(':'); colon != std::string::npos) {
        split.host = text.substr(0, colon);
        if (!ParsePort(text.substr(colon + 1), split.port, problem)) {
            return false;
        }
    } else {
        split.host = text;
    }
    if (split.host.empty()) {
        return Refuse(problem, "no host");
    }
    address = split;
    return true;
}

std::string SnmpAgentAddressProblem(const std::string& text) {
    SnmpAgentAddress address;
    std::string problem;
    if (!SplitAgentAddress(text, address, &problem)) {
        return problem;
    }
    if (!SnmpHostResolves(address.host)) {
        return address.host.find(':') != std::string::npos ? "not an IPv6 address" : "no such host";
    }
    return {};
}
