// The capability, IP interface and trap receiver tables.

#include <cstring>

#include "agent/MibObject.h"
#include "agent/OidText.h"

namespace {

template <class Rows> auto FindRow(Rows& rows, const Oid& instance) -> decltype(&*rows.begin()) {
    if (instance.size() != 1) {
        return nullptr;
    }
    for (auto& row : rows) {
        if (static_cast<std::uint32_t>(row.index) == instance[0]) {
            return &row;
        }
    }
    return nullptr;
}

// A column of a table whose rows carry their INTEGER index; read-only without `write`.
template <class Row>
MibObject IndexedColumn(Oid oid, std::uint8_t type, MibTable table,
                        std::vector<Row> SwitchConfig::*rows, ValueRule rule,
                        std::function<MibValue(const Row&)> read,
                        std::function<void(Row&, const MibValue&)> write = {}) {
    MibObject object{std::move(oid),
                     type,
                     write ? MibAccess::ReadWrite : MibAccess::ReadOnly,
                     table,
                     std::move(rule),
                     [rows, read](const CSimSwitch& device, const Oid& instance, std::int64_t) {
                         const Row* row = FindRow(device.Config().*rows, instance);
                         return row ? read(*row) : MibValue{};
                     },
                     {}};
    if (write) {
        object.set = [rows, write](SetContext& context, const Oid& instance,
                                   const MibValue& value) {
            Row* row = FindRow(context.config.*rows, instance);
            if (!row) {
                return SNMP_NO_SUCH_NAME;
            }
            write(*row, value);
            return SNMP_NO_ERROR;
        };
    }
    return object;
}

MibValue IpValue(const IpBytes& ip) {
    return {0x40, 0, std::string(reinterpret_cast<const char*>(ip.data()), ip.size())};
}

void StoreIp(IpBytes& ip, const MibValue& value) {
    std::memcpy(ip.data(), value.bytes.data(), 4);
}

const std::string* FindReceiver(const SwitchConfig& config, const Oid& instance) {
    if (instance.size() != 4) {
        return nullptr;
    }
    const auto it = config.trapReceivers.find(TrapReceiverKey(instance));
    return it == config.trapReceivers.end() ? nullptr : &it->second;
}

// Adds a receiver when the table has room; the request fails with genErr otherwise.
SnmpErrorStatus AddReceiver(SwitchConfig& config, std::uint32_t key, std::string community) {
    if (config.trapReceivers.size() >= kMaxTrapReceivers) {
        return SNMP_GEN_ERR;
    }
    config.trapReceivers.emplace(key, std::move(community));
    return SNMP_NO_ERROR;
}

MibObject ReceiverColumn(Oid oid, std::uint8_t type, MibAccess access, ValueRule rule,
                         std::function<MibValue(const Oid&, const std::string&)> read,
                         MibObject::Setter set = {}) {
    return {std::move(oid),
            type,
            access,
            MibTable::TrapReceiver,
            std::move(rule),
            [read](const CSimSwitch& device, const Oid& instance, std::int64_t) {
                const std::string* community = FindReceiver(device.Config(), instance);
                return community ? read(instance, *community) : MibValue{};
            },
            std::move(set)};
}

} // namespace

void AddCapabilityTable(std::vector<MibObject>& objects) {
    const Oid entry = Concat(kEnterprise, {11, 1, 1, 5, 1});
    constexpr auto rows = &SwitchConfig::capabilities;
    const MibTable table = MibTable::Capability;
    objects.push_back(IndexedColumn<CapabilityRow>(
        Concat(entry, {1}), 2, table, rows, {},
        [](const CapabilityRow& r) { return MibValue::Integer(r.index); }));
    objects.push_back(IndexedColumn<CapabilityRow>(
        Concat(entry, {2}), 4, table, rows, ValueRule::Size(0, 255),
        [](const CapabilityRow& r) { return MibValue::Octets(r.description); },
        [](CapabilityRow& r, const MibValue& v) { r.description = v.bytes; }));
    objects.push_back(IndexedColumn<CapabilityRow>(
        Concat(entry, {3}), 2, table, rows, ValueRule::Between(0, INT32_MAX),
        [](const CapabilityRow& r) { return MibValue::Integer(r.version); },
        [](CapabilityRow& r, const MibValue& v) {
            r.version = static_cast<std::int32_t>(v.number);
        }));
    objects.push_back(IndexedColumn<CapabilityRow>(
        Concat(entry, {4}), 2, table, rows, ValueRule::Enum({2, 3, 4}),
        [](const CapabilityRow& r) { return MibValue::Integer(r.type); },
        [](CapabilityRow& r, const MibValue& v) { r.type = static_cast<std::int32_t>(v.number); }));
}

void AddIpInterfaceTable(std::vector<MibObject>& objects) {
    const Oid entry = Concat(kEnterprise, {11, 1, 3, 2, 1});
    constexpr auto rows = &SwitchConfig::interfaces;
    const MibTable table = MibTable::IpInterface;
    objects.push_back(IndexedColumn<IpInterfaceRow>(
        Concat(entry, {1}), 2, table, rows, {},
        [](const IpInterfaceRow& r) { return MibValue::Integer(r.index); }));
    objects.push_back(IndexedColumn<IpInterfaceRow>(
        Concat(entry, {2}), 0x40, table, rows, ValueRule::Address(),
        [](const IpInterfaceRow& r) { return IpValue(r.address); },
        [](IpInterfaceRow& r, const MibValue& v) { StoreIp(r.address, v); }));
    objects.push_back(IndexedColumn<IpInterfaceRow>(
        Concat(entry, {3}), 0x40, table, rows, ValueRule::Mask(),
        [](const IpInterfaceRow& r) { return IpValue(r.netMask); },
        [](IpInterfaceRow& r, const MibValue& v) { StoreIp(r.netMask, v); }));
    objects.push_back(IndexedColumn<IpInterfaceRow>(
        Concat(entry, {4}), 0x40, table, rows, ValueRule::Address(),
        [](const IpInterfaceRow& r) { return IpValue(r.gateway); },
        [](IpInterfaceRow& r, const MibValue& v) { StoreIp(r.gateway, v); }));
    objects.push_back(IndexedColumn<IpInterfaceRow>(
        Concat(entry, {5}), 4, table, rows, {},
        [](const IpInterfaceRow& r) { return MibValue::Octets(r.physAddress); }));
    objects.push_back(IndexedColumn<IpInterfaceRow>(
        Concat(entry, {6}), 2, table, rows, {},
        [](const IpInterfaceRow& r) { return MibValue::Integer(r.ifType); }));
}

void AddTrapReceiverTable(std::vector<MibObject>& objects) {
    const Oid entry = Concat(kEnterprise, {11, 1, 3, 10, 1});
    objects.push_back(ReceiverColumn(Concat(entry, {1}), 0x40, MibAccess::ReadOnly, {},
                                     [](const Oid& instance, const std::string&) {
                                         return IpValue(IpFromKey(TrapReceiverKey(instance)));
                                     }));
    // The community of an existing receiver, or of one this same request enables.
    objects.push_back(ReceiverColumn(
        Concat(entry, {2}), 4, MibAccess::ReadWrite, ValueRule::Size(0, 32),
        [](const Oid&, const std::string& community) { return MibValue::Octets(community); },
        [](SetContext& context, const Oid& instance, const MibValue& value) {
            const std::uint32_t key = TrapReceiverKey(instance);
            auto& receivers = context.config.trapReceivers;
            if (const auto it = receivers.find(key); it != receivers.end()) {
                it->second = value.bytes;
                return SNMP_NO_ERROR;
            }
            if (!context.enabling.contains(key)) {
                return SNMP_NO_SUCH_NAME;
            }
            return AddReceiver(context.config, key, value.bytes);
        }));
    // Enable (3) creates the receiver, Disable (2) removes it.
    MibObject status = ReceiverColumn(
        Concat(entry, {3}), 2, MibAccess::ReadWrite, ValueRule::Enum({2, 3}),
        [](const Oid&, const std::string&) { return MibValue::Integer(STATE_ENABLE); },
        [](SetContext& context, const Oid& instance, const MibValue& value) {
            const std::uint32_t key = TrapReceiverKey(instance);
            auto& receivers = context.config.trapReceivers;
            const bool exists = receivers.contains(key);
            if (value.number == STATE_DISABLE) {
                return receivers.erase(key) == 1 ? SNMP_NO_ERROR : SNMP_NO_SUCH_NAME;
            }
            return exists ? SNMP_NO_ERROR : AddReceiver(context.config, key, "public");
        });
    status.createsRow = true;
    objects.push_back(std::move(status));
}
