// The MIB-II system group.

#include "agent/OidText.h"
#include "agent/ScalarObjects.h"

Oid SwitchSysObjectId() {
    return Concat(kEnterprise, {1, 1});
}

void AddSystemObjects(std::vector<MibObject>& objects) {
    const Oid system = {1, 3, 6, 1, 2, 1, 1};
    objects.push_back(ReadOnlyScalar(
        Concat(system, {1}), 4, [](const CSimSwitch& device, const Oid&, std::int64_t) {
            return MibValue::Octets("Taurel simulated Ethernet switch, " +
                                    std::to_string(device.Ports().size()) + " ports");
        }));
    objects.push_back(
        ReadOnlyScalar(Concat(system, {2}), 6, [](const CSimSwitch&, const Oid&, std::int64_t) {
            return MibValue::ObjectId(FormatOid(SwitchSysObjectId()));
        }));
    objects.push_back(ReadOnlyScalar(Concat(system, {3}), 0x43,
                                     [](const CSimSwitch& device, const Oid&, std::int64_t nowMs) {
                                         return MibValue::TimeTicks(device.UpTime(nowMs));
                                     }));
    objects.push_back(TextSetting(Concat(system, {4}), &SwitchConfig::contact));
    objects.push_back(TextSetting(Concat(system, {5}), &SwitchConfig::name));
    objects.push_back(TextSetting(Concat(system, {6}), &SwitchConfig::location));
}
