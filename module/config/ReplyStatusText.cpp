#include "module/config/ReplyStatusText.h"

#include "module/config/StatusTexts.h"
#include "module/config/Utf8Text.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/SnmpErrorStatus.h"

#include <iterator>
#include <limits>

namespace {

constexpr const char* kEllipsis = "...";
constexpr std::size_t kEllipsisLength = 3;

} // namespace

std::string FitStatusLine(const std::string& head, const std::string& value,
                          const std::string& middle, const std::string& oid, std::size_t room) {
    std::string line = head + value + middle + oid;
    if (CodePointCount(line) <= room)
        return line;
    // Lengths in characters: a cut never splits one.
    const std::size_t fixed = CodePointCount(head) + CodePointCount(middle);
    const std::size_t oidLength = CodePointCount(oid);
    std::string shownValue = value;
    if (!value.empty()) {
        std::size_t left = room > fixed + oidLength + kEllipsisLength
                               ? room - fixed - oidLength - kEllipsisLength
                               : 0;
        shownValue = FirstCodePoints(value, left) + kEllipsis;
    }
    std::string shownOid = oid;
    std::size_t used = fixed + CodePointCount(shownValue);
    if (used + oidLength > room) {
        std::size_t left = room > used + kEllipsisLength ? room - used - kEllipsisLength : 0;
        shownOid = kEllipsis + LastCodePoints(oid, left);
    }
    return FirstCodePoints(head + shownValue + middle + shownOid, room);
}

namespace {

// The longest fitted line that `fits` accepts.
std::string FitToWidth(const std::string& head, const std::string& value, const std::string& middle,
                       const std::string& oid, std::size_t room, const LineFits& fits) {
    std::string line = FitStatusLine(head, value, middle, oid, room);
    const std::size_t headLength = CodePointCount(head);
    for (std::size_t shorter = room; fits && !fits(line) && shorter > headLength; --shorter)
        line = FitStatusLine(head, value, middle, oid, shorter - 1);
    return line;
}

std::string StatusText(const CSnmpPdu& pdu, std::int64_t now, std::size_t room,
                       const LineFits& fits) {
    const std::string head = FormatLocalTime(now, "Received at %H:%M:%S, ");
    const std::uint32_t status = pdu.m_dwErrorStatus;
    if (status == 0) {
        // An SNMPv2 agent's exception is its noSuchName, and is written the same way.
        if (const std::uint32_t missing = SnmpFirstException(pdu)) {
            const CSnmpVarBind* failing = *std::next(pdu.m_varBindList.begin(), missing - 1);
            return FitToWidth(head + CSnmpClass::FormatValue(failing, nullptr) + ",", "", "",
                              failing->m_strOid, room, fits);
        }
        return head + "sucessful";
    }
    if (status > kSnmpLastNamedErrorStatus)
        return head;
    // The failing binding is the one the error index names, the last one for index 0.
    CSnmpVarBind* const* entry = ErrorIndexEntry(pdu.m_varBindList, pdu.m_dwErrorIndex, true);
    const CSnmpVarBind* failing = entry ? *entry : nullptr;
    const std::string oid = failing ? failing->m_strOid : std::string();
    const std::string word = SnmpErrorStatusName(status);
    // Every status that names the object is written as noSuchName is, every one that names a
    // value too as badValue is.
    switch (SnmpErrorStatusShape(status)) {
    case SnmpStatusShape::Object:
        return FitToWidth(head + word + ",", "", "", oid, room, fits);
    case SnmpStatusShape::ValueAndObject:
        return FitToWidth(head + word + "(", CSnmpClass::FormatValue(failing, nullptr), "), ", oid,
                          room, fits);
    case SnmpStatusShape::Plain:
        break;
    }
    return head + word;
}

} // namespace

std::string ReplyStatusText(const CSnmpPdu& pdu, std::int64_t now, const LineFits& fits) {
    return StatusText(pdu, now, kStatusTextRoom, fits);
}

std::string WholeReplyStatusText(const CSnmpPdu& pdu, std::int64_t now) {
    return StatusText(pdu, now, std::numeric_limits<std::size_t>::max(), {});
}
