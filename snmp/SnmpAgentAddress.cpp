#include "snmp/SnmpAgentAddress.h"

bool SplitAgentAddress(const std::string& text, SnmpAgentAddress& address) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) {
        address = {text, kSnmpAgentPort};
        return !text.empty();
    }
    const std::string digits = text.substr(colon + 1);
    if (colon == 0 || digits.empty() || digits.size() > 5) {
        return false;
    }
    unsigned port = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        port = port * 10 + static_cast<unsigned>(c - '0');
    }
    if (port == 0 || port > 65535) {
        return false;
    }
    address = {text.substr(0, colon), static_cast<std::uint16_t>(port)};
    return true;
}
