#include "snmp/SnmpNotificationText.h"

namespace {

// snmptrapd's lines name the first number of an OID ("iso.3.6.1"), as net-snmp does without
// MIB files.
const NetSnmpOutput kNotificationOutput = [] {
    NetSnmpOutput output;
    output.numericNames = false;
    return output;
}();

NetSnmpValue ValueOf(const SnmpNotificationBinding& b) {
    NetSnmpValue value;
    value.type = b.type;
    value.signedNumber = b.Signed();
    value.unsignedNumber = b.Unsigned();
    value.bytes = std::string_view(reinterpret_cast<const char*>(b.value.data()), b.value.size());
    value.oidText = b.ObjectIdText();
    return value;
}

} // namespace

std::string NetSnmpOidText(const std::string& dotted) {
    return NetSnmpName(dotted, kNotificationOutput);
}

std::string NetSnmpBindingText(const SnmpNotificationBinding& b) {
    return NetSnmpLine(b.oid, ValueOf(b), kNotificationOutput);
}
