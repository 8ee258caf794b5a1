#include "dialogs/NmDlgObjectRules.h"

#include "snmp/CSnmpClass.h"

#include <algorithm>
#include <charconv>

bool IsWritableObject(std::uint16_t access) {
    return (access & 0x02) != 0;
}

bool IsIndexObject(std::uint16_t access) {
    return (access & SNMP_ACCESS_KIND_MASK) == SNMP_ACCESS_INDEX;
}

int ObjectImage(std::uint16_t access) {
    return IsWritableObject(access) ? 2 : 1;
}

COLORREF ObjectColor(std::uint16_t access, COLORREF other) {
    return IsWritableObject(access) ? kNmWritableColor : other;
}

std::size_t TakeReplyValues(std::list<CSnmpOid*>& objects, const CSnmpPdu& pdu) {
    std::size_t paired = 0;
    auto binding = pdu.m_varBindList.begin();
    for (CSnmpOid* object : objects) {
        if (binding == pdu.m_varBindList.end())
            break;
        object->m_strValue = CSnmpClass::ValueText(*binding++, object);
        ++paired;
    }
    return paired;
}

std::string ListCellText(const std::string& value) {
    return value.substr(0, value.find('\0'));
}

std::string ValueToWrite(const std::string& cell, const std::string& value) {
    return cell == ListCellText(value) ? value : cell;
}

RowTarget TargetOfRow(const std::vector<RowCell>& cells) {
    RowTarget target;
    for (const RowCell& cell : cells)
        if (IsIndexObject(cell.access)) {
            target.title += cell.name + "(" + cell.text + ") ";
            target.instance += "." + cell.text;
        }
    return target;
}

std::string SetDialogKey(const std::string& target, const std::string& address) {
    const std::size_t end = target.find_last_not_of(' ');
    if (end == std::string::npos)
        return "Set on " + address;
    return "Set " + target.substr(0, end + 1) + " on " + address;
}

std::string InstanceOfIndexValues(const std::list<CSnmpOid*>& objects) {
    std::string instance;
    for (const CSnmpOid* object : objects)
        if (object->m_wAccess & SNMP_ACCESS_INDEX)
            instance += "." + object->m_strValue;
    return instance;
}

int PollIntervalFromText(const std::string& text, int current) {
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ')
        ++first;
    long long value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    while (end < last && *end == ' ')
        ++end;
    if (error == std::errc::result_out_of_range)
        return *first == '-' ? kNmPollMin : kNmPollMax;
    if (error != std::errc() || end != last)
        return current;
    return int(std::clamp<long long>(value, kNmPollMin, kNmPollMax));
}

bool IsCounterObject(std::uint8_t type) {
    return type == SNMP_TYPE_COUNTER;
}
