// The port information, port control and port counter tables, indexed by group 1 and the
// port number.

#include "agent/MibObject.h"
#include "agent/OidText.h"

namespace {

std::size_t PortOf(const Oid& instance) {
    return instance[1] - 1;
}

MibObject PortColumn(Oid oid, std::uint8_t type,
                     std::function<MibValue(const CSimSwitch&, std::size_t port)> read) {
    return {std::move(oid),
            type,
            MibAccess::ReadOnly,
            MibTable::Port,
            {},
            [read](const CSimSwitch& device, const Oid& instance, std::int64_t) {
                return read(device, PortOf(instance));
            },
            {}};
}

MibValue TwoState(bool on) {
    return MibValue::Integer(on ? 3 : 2);
}

// A read-write two-valued port setting.
MibObject PortSetting(Oid oid, std::int32_t PortSettings::*field) {
    return {std::move(oid),
            2,
            MibAccess::ReadWrite,
            MibTable::Port,
            ValueRule::Enum({2, 3}),
            [field](const CSimSwitch& device, const Oid& instance, std::int64_t) {
                return MibValue::Integer(device.Config().ports[PortOf(instance)].*field);
            },
            [field](SetContext& context, const Oid& instance, const MibValue& value) {
                context.config.ports[PortOf(instance)].*field =
                    static_cast<std::int32_t>(value.number);
                return SNMP_NO_ERROR;
            }};
}

// Only the speeds the port's module can run at are accepted.
MibObject SpeedSetting(Oid oid) {
    return {std::move(oid),
            2,
            MibAccess::ReadWrite,
            MibTable::Port,
            ValueRule::Enum({PORT_SPEED_10, PORT_SPEED_100, PORT_SPEED_1000}),
            [](const CSimSwitch& device, const Oid& instance, std::int64_t) {
                return MibValue::Integer(device.Config().ports[PortOf(instance)].speed);
            },
            [](SetContext& context, const Oid& instance, const MibValue& value) {
                const std::size_t port = PortOf(instance);
                const auto& speeds = context.device.Ports()[port].speeds;
                if (std::find(speeds.begin(), speeds.end(), value.number) == speeds.end()) {
                    return SNMP_BAD_VALUE;
                }
                context.config.ports[port].speed = static_cast<std::int32_t>(value.number);
                return SNMP_NO_ERROR;
            }};
}

void AddIndexColumns(std::vector<MibObject>& objects, const Oid& entry) {
    objects.push_back(PortColumn(Concat(entry, {1}), 2, [](const CSimSwitch&, std::size_t) {
        return MibValue::Integer(1);
    }));
    objects.push_back(PortColumn(Concat(entry, {2}), 2, [](const CSimSwitch&, std::size_t port) {
        return MibValue::Integer(static_cast<std::int64_t>(port) + 1);
    }));
}

void AddInformation(std::vector<MibObject>& objects) {
    const Oid entry = Concat(kEnterprise, {11, 9, 1, 2, 1, 1});
    AddIndexColumns(objects, entry);
    objects.push_back(PortColumn(Concat(entry, {3}), 2, [](const CSimSwitch& d, std::size_t p) {
        return MibValue::Integer(d.Ports()[p].portType);
    }));
    objects.push_back(PortColumn(Concat(entry, {4}), 2, [](const CSimSwitch& d, std::size_t p) {
        return TwoState(d.Live(p).storm); // 2 Normal, 3 Broadcast Storm
    }));
    objects.push_back(PortColumn(Concat(entry, {5}), 2, [](const CSimSwitch& d, std::size_t p) {
        return MibValue::Integer(d.Live(p).link ? 2 : 3); // 2 Link Pass, 3 Link Fail
    }));
    objects.push_back(PortColumn(Concat(entry, {6}), 2, [](const CSimSwitch& d, std::size_t p) {
        return MibValue::Integer(d.EffectiveDuplex(p));
    }));
    objects.push_back(PortColumn(Concat(entry, {7}), 2, [](const CSimSwitch& d, std::size_t p) {
        return MibValue::Integer(d.Config().ports[p].autoNegotiation);
    }));
    objects.push_back(PortColumn(Concat(entry, {8}), 2, [](const CSimSwitch& d, std::size_t p) {
        return MibValue::Integer(d.EffectiveSpeed(p));
    }));
}

void AddControl(std::vector<MibObject>& objects) {
    const Oid entry = Concat(kEnterprise, {11, 9, 1, 2, 2, 1});
    AddIndexColumns(objects, entry);
    objects.push_back(PortSetting(Concat(entry, {3}), &PortSettings::lock));
    objects.push_back(PortSetting(Concat(entry, {4}), &PortSettings::duplex));
    objects.push_back(PortSetting(Concat(entry, {5}), &PortSettings::linkAlarm));
    objects.push_back(PortSetting(Concat(entry, {9}), &PortSettings::autoNegotiation));
    objects.push_back(SpeedSetting(Concat(entry, {10})));
}

void AddCounters(std::vector<MibObject>& objects) {
    const Oid entry = Concat(kEnterprise, {11, 9, 1, 2, 3, 1});
    AddIndexColumns(objects, entry);
    for (int column = kFirstCounterColumn; column <= kLastCounterColumn; ++column) {
        objects.push_back(PortColumn(Concat(entry, {static_cast<std::uint32_t>(column)}), 0x41,
                                     [column](const CSimSwitch& d, std::size_t p) {
                                         return MibValue::Counter(d.Live(p).counters[column]);
                                     }));
    }
}

} // namespace

void AddPortTables(std::vector<MibObject>& objects) {
    AddInformation(objects);
    AddControl(objects);
    AddCounters(objects);
}
