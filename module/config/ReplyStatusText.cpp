#include "module/config/ReplyStatusText.h"

#include "module/config/StatusTexts.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/SnmpErrorStatus.h"

#include <iterator>

namespace {

constexpr const char* kEllipsis = "...";
constexpr std::size_t kEllipsisLength = 3;

} // namespace

std::string FitStatusLine(const std::string& head, const std::string& value,
                          const std::string& middle, const std::string& oid, std::size_t room) {
    std::string line = head + value + middle + oid;
    if (line.size() <= room)
        return line;
    std::size_t fixed = head.size() + middle.size();
    std::string shownValue = value;
    if (!value.empty()) {
        std::size_t left = room > fixed + oid.size() + kEllipsisLength
                               ? room - fixed - oid.size() - kEllipsisLength
                               : 0;
        shownValue = value.substr(0, std::min(left, value.size())) + kEllipsis;
    }
    std::string shownOid = oid;
    std::size_t used = fixed + shownValue.size();
    if (used + oid.size() > room) {
        std::size_t left = room > used + kEllipsisLength ? room - used - kEllipsisLength : 0;
        shownOid = kEllipsis + oid.substr(oid.size() - std::min(left, oid.size()));
    }
    return (head + shownValue + middle + shownOid).substr(0, room);
}

namespace {

// The longest fitted line that `fits` accepts.
std::string FitToWidth(const std::string& head, const std::string& value, const std::string& middle,
                       const std::string& oid, const LineFits& fits) {
    std::string line = FitStatusLine(head, value, middle, oid, kStatusTextRoom);
    for (std::size_t room = kStatusTextRoom; fits && !fits(line) && room > head.size(); --room)
        line = FitStatusLine(head, value, middle, oid, room - 1);
    return line;
}

} // namespace

std::string ReplyStatusText(const CSnmpPdu& pdu, std::int64_t now, const LineFits& fits) {
    const std::string head = FormatLocalTime(now, "Received at %H:%M:%S, ");
    const std::uint32_t status = pdu.m_dwErrorStatus;
    if (status == 0) {
        // An SNMPv2 agent's exception is its noSuchName, and is written the same way.
        if (const std::uint32_t missing = SnmpFirstException(pdu)) {
            const CSnmpVarBind* failing = *std::next(pdu.m_varBindList.begin(), missing - 1);
            return FitToWidth(head + CSnmpClass::FormatValue(failing, nullptr) + ",", "", "",
                              failing->m_strOid, fits);
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
        return FitToWidth(head + word + ",", "", "", oid, fits);
    case SnmpStatusShape::ValueAndObject:
        return FitToWidth(head + word + "(", CSnmpClass::FormatValue(failing, nullptr), "), ", oid,
                          fits);
    case SnmpStatusShape::Plain:
        break;
    }
    return head + word;
}
