#include "module/config/ReplyStatusText.h"

#include "module/config/StatusTexts.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpPdu.h"

#include <iterator>

namespace {

constexpr const char* kEllipsis = "...";
constexpr std::size_t kEllipsisLength = 3;

// The binding the error index names, or the last one for index 0; null when there is none.
const CSnmpVarBind* FailingBinding(const CSnmpPdu& pdu) {
    const auto& list = pdu.m_varBindList;
    if (list.empty())
        return nullptr;
    if (pdu.m_dwErrorIndex == 0)
        return list.back();
    if (pdu.m_dwErrorIndex > list.size())
        return nullptr;
    return *std::next(list.begin(), long(pdu.m_dwErrorIndex - 1));
}

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
    const CSnmpVarBind* failing = FailingBinding(pdu);
    const std::string oid = failing ? failing->m_strOid : std::string();
    switch (pdu.m_dwErrorStatus) {
    case 0:
        return head + "sucessful";
    case 1:
        return head + "tooBig";
    case 2:
        return FitToWidth(head + "noSuchName,", "", "", oid, fits);
    case 3:
        return FitToWidth(head + "badValue(", CSnmpClass::FormatValue(failing, nullptr), "), ", oid,
                          fits);
    case 4:
        return head + "readOnly";
    case 5:
        return head + "genErr";
    default:
        return head;
    }
}
