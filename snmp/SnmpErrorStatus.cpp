#include "snmp/SnmpErrorStatus.h"

#include <iterator>

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpMsg.h"

namespace {

struct StatusWords {
    const char* name;
    const char* phrase;
    // Whether the phrase names the failing object (and, for badValue, its value).
    enum { Plain, Object, ValueAndObject } shape;
};

const StatusWords kWords[] = {
    {"noError", "", StatusWords::Plain},
    {"tooBig", "Response too big", StatusWords::Plain},
    {"noSuchName", "No such name", StatusWords::Object},
    {"badValue", "Bad value", StatusWords::ValueAndObject},
    {"readOnly", "Read only", StatusWords::Plain},
    {"genErr", "General error", StatusWords::Plain},
    {"noAccess", "No access", StatusWords::Object},
    {"wrongType", "Wrong type", StatusWords::Object},
    {"wrongLength", "Wrong length", StatusWords::Object},
    {"wrongEncoding", "Wrong encoding", StatusWords::Object},
    {"wrongValue", "Wrong value", StatusWords::ValueAndObject},
    {"noCreation", "No creation", StatusWords::Object},
    {"inconsistentValue", "Inconsistent value", StatusWords::ValueAndObject},
    {"resourceUnavailable", "Resource unavailable", StatusWords::Object},
    {"commitFailed", "Commit failed", StatusWords::Plain},
    {"undoFailed", "Undo failed", StatusWords::Plain},
    {"authorizationError", "Authorization error", StatusWords::Plain},
    {"notWritable", "Not writable", StatusWords::Object},
    {"inconsistentName", "Inconsistent name", StatusWords::Object},
};

} // namespace

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
    if (words.shape == StatusWords::ValueAndObject)
        text += "(" + value + ")";
    if (words.shape != StatusWords::Plain)
        text += ", " + name;
    return text.substr(0, text.find('\n'));
}

std::string SnmpReceiverCodeText(std::uint16_t code, const std::string& engineText) {
    return engineText.empty() ? FormatText("Snmp error %u", unsigned(code)) : engineText;
}

std::string SnmpReceiverCodeText(std::uint16_t code, const CSnmpMsg* msg) {
    return SnmpReceiverCodeText(code, msg ? msg->m_exception.m_strMessage : std::string());
}
