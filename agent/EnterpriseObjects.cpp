// The switch's scalar objects: its private ones under the enterprise prefix, the bridge
// address-table ageing time and the authentication-failure trap switch.

#include "agent/OidText.h"
#include "agent/ScalarObjects.h"

namespace {

MibObject FixedText(Oid oid, const char* text) {
    return ReadOnlyScalar(std::move(oid), 4, [text](const CSimSwitch&, const Oid&, std::int64_t) {
        return MibValue::Octets(text);
    });
}

// "Save Changes": write-only; Cold Start (2) and Warm Start (3) restart the switch once the
// request is complete, Not Reset (4) does nothing.
MibObject SaveReset(Oid oid) {
    return {std::move(oid),
            2,
            MibAccess::WriteOnly,
            MibTable::Scalar,
            ValueRule::Enum({2, 3, 4}),
            {},
            [](SetContext& context, const Oid&, const MibValue& value) {
                context.resetAction =
                    value.number == 4 ? 0 : static_cast<std::int32_t>(value.number);
                return SNMP_NO_ERROR;
            }};
}

} // namespace

void AddEnterpriseScalars(std::vector<MibObject>& objects) {
    const Oid info = Concat(kEnterprise, {11, 1, 1});
    objects.push_back(FixedText(Concat(info, {1}), "2.10.04"));
    objects.push_back(FixedText(Concat(info, {2}), "1.02"));
    objects.push_back(FixedText(Concat(info, {3}), "A1"));
    objects.push_back(
        ReadOnlyScalar(Concat(info, {4}), 2, [](const CSimSwitch&, const Oid&, std::int64_t) {
            return MibValue::Integer(2); // SNMP over IP
        }));

    const Oid control = Concat(kEnterprise, {11, 1, 2});
    objects.push_back(SaveReset(Concat(control, {4})));
    objects.push_back(
        IntegerSetting(Concat(control, {5}), &SwitchConfig::rs232Use, ValueRule::Enum({2, 3})));
    objects.push_back(IntegerSetting(Concat(control, {6}), &SwitchConfig::outOfBandRate,
                                     ValueRule::Enum({2, 3, 4, 5})));

    const Oid chassis = Concat(kEnterprise, {11, 9, 1, 1, 1});
    objects.push_back(ReadOnlyScalar(
        Concat(chassis, {1}), 2, [](const CSimSwitch& device, const Oid&, std::int64_t) {
            return MibValue::Integer(static_cast<std::int64_t>(device.Ports().size()));
        }));
    objects.push_back(ReadOnlyScalar(Concat(chassis, {2}), 2,
                                     [](const CSimSwitch& device, const Oid&, std::int64_t) {
                                         return MibValue::Integer(device.LinksUp());
                                     }));
    objects.push_back(ReadOnlyScalar(Concat(chassis, {7}), 4,
                                     [](const CSimSwitch& device, const Oid&, std::int64_t) {
                                         return MibValue::Octets(device.LedStatus());
                                     }));
    objects.push_back({Concat(chassis, {9, 1, 2}),
                       2,
                       MibAccess::ReadOnly,
                       MibTable::ModuleTypes,
                       {},
                       [](const CSimSwitch& device, const Oid&, std::int64_t) {
                           return MibValue::Integer(device.ModulesWord());
                       },
                       {}});

    objects.push_back(IntegerSetting(Concat(kEnterprise, {11, 9, 1, 1, 2, 1}),
                                     &SwitchConfig::learning, ValueRule::Enum({2, 3})));
    // BRIDGE-MIB dot1dTpAgingTime allows 10 to 1000000 seconds.
    objects.push_back(IntegerSetting({1, 3, 6, 1, 2, 1, 17, 4, 2}, &SwitchConfig::agingSeconds,
                                     ValueRule::Between(10, 1000000)));
    objects.push_back(IntegerSetting({1, 3, 6, 1, 2, 1, 11, 30}, &SwitchConfig::authFailTrap,
                                     ValueRule::Enum({1, 2})));
}
