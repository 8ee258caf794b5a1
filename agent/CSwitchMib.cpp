#include "agent/CSwitchMib.h"

#include <algorithm>

#include "agent/OidText.h"

namespace {

std::vector<Oid> RowsOf(MibTable table, const CSimSwitch& device) {
    const SwitchConfig& config = device.Config();
    std::vector<Oid> rows;
    switch (table) {
    case MibTable::Scalar:
        rows.push_back({0});
        break;
    case MibTable::Capability:
        for (const CapabilityRow& row : config.capabilities) {
            rows.push_back({static_cast<std::uint32_t>(row.index)});
        }
        break;
    case MibTable::IpInterface:
        for (const IpInterfaceRow& row : config.interfaces) {
            rows.push_back({static_cast<std::uint32_t>(row.index)});
        }
        break;
    case MibTable::TrapReceiver:
        for (const auto& [key, community] : config.trapReceivers) {
            const IpBytes ip = IpFromKey(key);
            rows.push_back({ip[0], ip[1], ip[2], ip[3]});
        }
        break;
    case MibTable::ModuleTypes:
        rows.push_back({1});
        break;
    case MibTable::Port:
        for (std::uint32_t p = 1; p <= device.Ports().size(); ++p) {
            rows.push_back({1, p});
        }
        break;
    }
    return rows;
}

} // namespace

CSwitchMib::CSwitchMib() {
    AddSystemObjects(m_objects);
    AddEnterpriseScalars(m_objects);
    AddCapabilityTable(m_objects);
    AddIpInterfaceTable(m_objects);
    AddTrapReceiverTable(m_objects);
    AddPortTables(m_objects);
}

void CSwitchMib::Rebuild(const CSimSwitch& device) {
    m_instances.clear();
    for (const MibObject& object : m_objects) {
        if (object.access == MibAccess::WriteOnly) {
            continue;
        }
        for (Oid& suffix : RowsOf(object.table, device)) {
            Oid full = Concat(object.oid, suffix);
            std::string text = FormatOid(full);
            m_instances.push_back({std::move(full), std::move(text), &object, std::move(suffix)});
        }
    }
    std::sort(m_instances.begin(), m_instances.end(),
              [](const Instance& a, const Instance& b) { return a.oid < b.oid; });
}

const CSwitchMib::Instance* CSwitchMib::Find(const Oid& oid) const {
    const auto it = std::lower_bound(
        m_instances.begin(), m_instances.end(), oid,
        [](const Instance& instance, const Oid& key) { return instance.oid < key; });
    return it != m_instances.end() && it->oid == oid ? &*it : nullptr;
}

const CSwitchMib::Instance* CSwitchMib::Next(const Oid& oid) const {
    const auto it = std::upper_bound(
        m_instances.begin(), m_instances.end(), oid,
        [](const Oid& key, const Instance& instance) { return key < instance.oid; });
    return it != m_instances.end() ? &*it : nullptr;
}

const MibObject* CSwitchMib::ObjectFor(const Oid& oid, Oid& suffix) const {
    for (const MibObject& object : m_objects) {
        if (oid.size() > object.oid.size() && StartsWith(oid, object.oid)) {
            suffix.assign(oid.begin() + static_cast<std::ptrdiff_t>(object.oid.size()), oid.end());
            return &object;
        }
    }
    return nullptr;
}

bool CSwitchMib::IsWritableInstance(const MibObject& object, const Oid& suffix,
                                    const CSimSwitch& device) {
    if (object.table == MibTable::TrapReceiver) {
        return suffix.size() == 4 &&
               std::all_of(suffix.begin(), suffix.end(), [](std::uint32_t n) { return n <= 255; });
    }
    const std::vector<Oid> rows = RowsOf(object.table, device);
    return std::find(rows.begin(), rows.end(), suffix) != rows.end();
}
