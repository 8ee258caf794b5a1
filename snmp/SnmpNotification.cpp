#include "snmp/SnmpNotification.h"

#include <algorithm>

#include "snmp/BerBuffer.h"
#include "snmp/BerStream.h"
#include "snmp/SnmpTypes.h"

namespace {

// The content octets of an element written by `write`.
template <class Write> std::vector<std::uint8_t> ContentOf(Write write) {
    BerWriter out;
    write(out);
    BerBuffer in(out.Bytes().data(), static_cast<int>(out.Bytes().size()));
    in.GetTag();
    return std::vector<std::uint8_t>(out.Bytes().begin() + in.pos, out.Bytes().end());
}

std::vector<std::uint8_t> OidContent(const std::string& dotted) {
    BerBuffer out;
    out.PutOid(SNMP_TYPE_OID, dotted);
    BerBuffer in(out.data, out.pos);
    in.GetTag();
    return std::vector<std::uint8_t>(out.data + in.pos, out.data + out.pos);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0 &&
           text[prefix.size()] == '.';
}

// The standard trap snmpTraps.N (N 1 to 6) that `trapOid` names, or 0.
int StandardTrapNumber(const std::string& trapOid) {
    const std::string prefix = kSnmpTrapsOid;
    if (!StartsWith(trapOid, prefix) || trapOid.size() != prefix.size() + 2) {
        return 0;
    }
    const char digit = trapOid.back();
    return digit >= '1' && digit <= '6' ? digit - '0' : 0;
}

const SnmpNotificationBinding* FindBinding(const std::vector<SnmpNotificationBinding>& bindings,
                                           const char* oid) {
    const auto found = std::find_if(bindings.begin(), bindings.end(),
                                    [oid](const auto& b) { return b.oid == oid; });
    return found == bindings.end() ? nullptr : &*found;
}

} // namespace

SnmpNotificationBinding SnmpNotificationBinding::Integer(std::string oid, std::int64_t number) {
    return {std::move(oid), SNMP_TYPE_INTEGER,
            ContentOf([number](BerWriter& out) { out.PutInteger(SNMP_TYPE_INTEGER, number); })};
}

SnmpNotificationBinding SnmpNotificationBinding::Unsigned(std::string oid, std::uint8_t type,
                                                          std::uint64_t number) {
    // Fewest octets of the unsigned number: a leading zero octet when its top bit is set.
    std::vector<std::uint8_t> content;
    for (int shift = 56; shift >= 0; shift -= 8) {
        const auto octet = static_cast<std::uint8_t>(number >> shift);
        if (!content.empty() || octet != 0 || shift == 0) {
            if (content.empty() && (octet & 0x80)) {
                content.push_back(0);
            }
            content.push_back(octet);
        }
    }
    return {std::move(oid), type, std::move(content)};
}

SnmpNotificationBinding SnmpNotificationBinding::Octets(std::string oid, const std::string& bytes,
                                                        std::uint8_t type) {
    return {std::move(oid), type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

SnmpNotificationBinding SnmpNotificationBinding::ObjectId(std::string oid,
                                                          const std::string& dotted) {
    return {std::move(oid), SNMP_TYPE_OID, OidContent(dotted)};
}

std::int64_t SnmpNotificationBinding::Signed() const {
    if (type != SNMP_TYPE_INTEGER || value.empty()) {
        return static_cast<std::int64_t>(Unsigned());
    }
    std::int64_t number = (value.front() & 0x80) ? -1 : 0;
    for (const std::uint8_t octet : value) {
        number = static_cast<std::int64_t>(static_cast<std::uint64_t>(number) << 8 | octet);
    }
    return number;
}

std::uint64_t SnmpNotificationBinding::Unsigned() const {
    switch (type) {
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
    case SNMP_TYPE_COUNTER64:
        break;
    case SNMP_TYPE_INTEGER:
        return static_cast<std::uint64_t>(Signed());
    default:
        return 0;
    }
    std::uint64_t number = 0;
    for (const std::uint8_t octet : value) {
        number = number << 8 | octet;
    }
    return number;
}

std::string SnmpNotificationBinding::ObjectIdText() const {
    if (type != SNMP_TYPE_OID) {
        return {};
    }
    BerWriter element;
    element.PutOctets(SNMP_TYPE_OID, value);
    BerBuffer in(element.Bytes().data(), static_cast<int>(element.Bytes().size()));
    std::string text;
    try {
        in.GetOid(text);
    } catch (const CSnmpException&) {
        return {};
    }
    return text;
}

std::vector<SnmpNotificationBinding> SnmpV2NotificationBindings(const SnmpNotification& n) {
    if (n.pduType != SNMP_PDU_TRAP) {
        return n.bindings;
    }
    std::vector<SnmpNotificationBinding> v2 = {
        SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, n.uptime),
        SnmpNotificationBinding::ObjectId(kSnmpTrapOid, n.trapOid)};
    v2.insert(v2.end(), n.bindings.begin(), n.bindings.end());
    const auto append = [&](SnmpNotificationBinding binding) {
        if (!FindBinding(n.bindings, binding.oid.c_str())) {
            v2.push_back(std::move(binding));
        }
    };
    append({kSnmpTrapAddressOid, SNMP_TYPE_IPADDR,
            std::vector<std::uint8_t>(n.agentAddress.begin(), n.agentAddress.end())});
    append(SnmpNotificationBinding::Octets(kSnmpTrapCommunityOid, n.community));
    append(SnmpNotificationBinding::ObjectId(kSnmpTrapEnterpriseOid, n.enterprise));
    return v2;
}

void SnmpMapV1ToV2(SnmpNotification& n) {
    n.trapOid =
        n.genericTrap == SNMP_TRAP_ENTERPRISE_SPECIFIC
            ? n.enterprise + ".0." + std::to_string(static_cast<std::uint32_t>(n.specificTrap))
            : std::string(kSnmpTrapsOid) + "." + std::to_string(n.genericTrap + 1);
}

void SnmpMapV2ToV1(SnmpNotification& n) {
    n.agentAddress = {};
    if (const SnmpNotificationBinding* address = FindBinding(n.bindings, kSnmpTrapAddressOid);
        address && address->type == SNMP_TYPE_IPADDR && address->value.size() == 4) {
        std::copy(address->value.begin(), address->value.end(), n.agentAddress.begin());
    }
    if (const int standard = StandardTrapNumber(n.trapOid)) {
        const SnmpNotificationBinding* enterprise = FindBinding(n.bindings, kSnmpTrapEnterpriseOid);
        const std::string named = enterprise ? enterprise->ObjectIdText() : std::string();
        n.enterprise = named.empty() ? std::string(kSnmpTrapsOid) : named;
        n.genericTrap = standard - 1;
        n.specificTrap = 0;
        return;
    }
    n.genericTrap = SNMP_TRAP_ENTERPRISE_SPECIFIC;
    const std::size_t last = n.trapOid.rfind('.');
    if (last == std::string::npos) {
        n.enterprise = n.trapOid;
        n.specificTrap = 0;
        return;
    }
    n.specificTrap = static_cast<std::int32_t>(std::stoul(n.trapOid.substr(last + 1)));
    n.enterprise = n.trapOid.substr(0, last);
    // enterprise.0.specific: the 0 belongs to neither.
    if (n.enterprise.size() >= 2 && n.enterprise.compare(n.enterprise.size() - 2, 2, ".0") == 0) {
        n.enterprise.resize(n.enterprise.size() - 2);
    }
}
