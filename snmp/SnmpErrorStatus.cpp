#include "snmp/SnmpErrorStatus.h"

#include <iterator>

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/SnmpTypes.h"

namespace {

struct StatusWords {
    const char* name;
    const char* phrase;
    SnmpStatusShape shape;
};

constexpr auto kPlain = SnmpStatusShape::Plain;
constexpr auto kObject = SnmpStatusShape::Object;
constexpr auto kValueAndObject = SnmpStatusShape::ValueAndObject;

const StatusWords kWords[] = {
    {"noError", "", kPlain},
    {"tooBig", "Response too big", kPlain},
    {"noSuchName", "No such name", kObject},
    {"badValue", "Bad value", kValueAndObject},
    {"readOnly", "Read only", kPlain},
    {"genErr", "General error", kPlain},
    {"noAccess", "No access", kObject},
    {"wrongType", "Wrong type", kObject},
    {"wrongLength", "Wrong length", kObject},
    {"wrongEncoding", "Wrong encoding", kObject},
    {"wrongValue", "Wrong value", kValueAndObject},
    {"noCreation", "No creation", kObject},
    {"inconsistentValue", "Inconsistent value", kValueAndObject},
    {"resourceUnavailable", "Resource unavailable", kObject},
    {"commitFailed", "Commit failed", kPlain},
    {"undoFailed", "Undo failed", kPlain},
    {"authorizationError", "Authorization error", kPlain},
    {"notWritable", "Not writable", kObject},
    {"inconsistentName", "Inconsistent name", kObject},
};
static_assert(std::size(kWords) == kSnmpLastNamedErrorStatus + 1);

} // namespace

SnmpStatusShape SnmpErrorStatusShape(std::uint32_t status) {
    return status < std::size(kWords) ? kWords[status].shape : kPlain;
}

std::string SnmpErrorStatusName(std::uint32_t status) {
    if (status < std::size(kWords))
        return kWords[status].name;
    return FormatText("error(%u)", status);
}

std::string SnmpErrorStatusPhrase(std::uint32_t status, const std::string& name,
                                  const std::string& value) {
    if (status == 0 || status >= std::size(kWords))
        return {};
    const StatusWords& words = kWords[status];
    std::string text = words.phrase;
    if (words.shape == kValueAndObject)
        text += "(" + value + ")";
    if (words.shape != kPlain)
        text += ", " + name;
    return text.substr(0, text.find('\n'));
}

std::string SnmpExceptionPhrase(std::uint8_t type, const std::string& name) {
    const char* words = type == SNMP_TYPE_NOSUCHOBJECT     ? "No such object"
                        : type == SNMP_TYPE_NOSUCHINSTANCE ? "No such instance"
                        : type == SNMP_TYPE_ENDOFMIBVIEW   ? "End of MIB view"
                                                           : nullptr;
    if (!words)
        return {};
    const std::string text = std::string(words) + ", " + name;
    return text.substr(0, text.find('\n'));
}

std::uint32_t SnmpFirstException(const CSnmpPdu& pdu) {
    std::uint32_t position = 0;
    for (const CSnmpVarBind* binding : pdu.m_varBindList) {
        ++position;
        if (binding && SnmpIsException(binding->m_byType))
            return position;
    }
    return 0;
}

std::string SnmpReceiverCodeText(std::uint16_t code, const std::string& engineText) {
    return engineText.empty() ? FormatText("Snmp error %u", unsigned(code)) : engineText;
}

std::string SnmpReceiverCodeText(std::uint16_t code, const CSnmpMsg* msg) {
    return SnmpReceiverCodeText(code, msg ? msg->m_exception.m_strMessage : std::string());
}
