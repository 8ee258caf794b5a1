#include "module/events/EventRow.h"

#include "module/events/EventKind.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTypes.h"

#include <array>
#include <utility>

namespace {

// The objects notifications carry that the program has names for: columns, whose instances
// keep their suffix ("ifIndex.7"), and scalars.
constexpr std::array<std::pair<const char*, const char*>, 3> kNamedColumns = {{
    {kIfIndexOid, "ifIndex"},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus"},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus"},
}};
constexpr std::array<std::pair<const char*, const char*>, 3> kNamedScalars = {{
    {kSnmpTrapAddressOid, "snmpTrapAddress.0"},
    {kSnmpTrapCommunityOid, "snmpTrapCommunity.0"},
    {kSnmpTrapEnterpriseOid, "snmpTrapEnterprise.0"},
}};

std::string ObjectName(const std::string& oid) {
    for (const auto& [dotted, name] : kNamedScalars)
        if (oid == dotted)
            return name;
    for (const auto& [column, name] : kNamedColumns)
        if (IsColumnInstance(oid, column))
            return name + oid.substr(std::string(column).size());
    return oid;
}

// The binding as the engine's own binding, so FormatValue reads it as it reads a reply value.
void FillVarBind(CSnmpVarBind& vb, const SnmpNotificationBinding& b) {
    switch (b.type) {
    case SNMP_TYPE_INTEGER:
        vb.SetValue(static_cast<std::uint32_t>(b.Signed()), b.type);
        break;
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
        vb.SetValue(static_cast<std::uint32_t>(b.Unsigned()), b.type);
        break;
    case SNMP_TYPE_COUNTER64:
        vb.SetValue(static_cast<std::int64_t>(b.Unsigned()), b.type);
        break;
    case SNMP_TYPE_OID:
        vb.SetValue(b.ObjectIdText(), b.type);
        break;
    case SNMP_TYPE_NULL:
    case SNMP_TYPE_NOSUCHOBJECT:
    case SNMP_TYPE_NOSUCHINSTANCE:
    case SNMP_TYPE_ENDOFMIBVIEW:
        vb.m_byType = b.type;
        break;
    default:
        vb.SetValue(b.value.data(), static_cast<int>(b.value.size()), b.type);
        break;
    }
}

bool LeadsEveryV2Notification(const std::string& oid) {
    return oid == kSysUpTimeOid || oid == kSnmpTrapOid;
}

} // namespace

std::string EventTimeText(std::int64_t receivedMs) {
    const std::int64_t seconds = receivedMs >= 0 ? receivedMs / 1000 : (receivedMs - 999) / 1000;
    return FormatLocalTime(seconds, "%Y-%m-%d %H:%M:%S");
}

std::string EventBindingText(const SnmpNotificationBinding& binding) {
    CSnmpVarBind vb(binding.oid);
    FillVarBind(vb, binding);
    return ObjectName(binding.oid) + " = " + CSnmpClass::FormatValue(&vb, nullptr);
}

std::string EventBindingsText(const SnmpNotification& n) {
    std::string text;
    for (const SnmpNotificationBinding& b : n.bindings) {
        if (n.pduType != SNMP_PDU_TRAP && LeadsEveryV2Notification(b.oid))
            continue;
        if (!text.empty())
            text += "; ";
        text += EventBindingText(b);
    }
    return text;
}

EventRow MakeEventRow(const SnmpNotification& n) {
    return {EventTimeText(n.receivedMs),
            EventKindText(n.genericTrap, n.specificTrap, n.enterprise, n.bindings),
            EventBindingsText(n)};
}
