#include "module/monitor/ObjectDisplay.h"

#include "controls/common/FixedText.h"
#include "module/mib/CMemberSet.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/OctetText.h"
#include "snmp/CSnmpOid.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpTypes.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr std::uint16_t kUnitBits = 0x0C;
constexpr std::uint16_t kHundredths = 0x04;
constexpr std::uint16_t kThousandths = 0x08;
constexpr std::uint16_t kBitsText = 0x0C;

std::string MemberSetDisplayText(const CSnmpOid& oid) {
    CMemberSet set(oid.m_enumList);
    if (!set.FromHex(oid.m_strValue))
        return oid.m_strValue;
    switch (oid.m_wAccess & kUnitBits) {
    case kHundredths:
        return set.NextMemberName();
    case kBitsText:
        return set.GetBits();
    default:
        return oid.m_strValue;
    }
}

} // namespace

std::string TimeDisplayText(long n) {
    std::string text = FormatText("%02d s", int(n % 60));
    if (n >= 60)
        text = FormatText("%02d m: ", int((n / 60) % 60)) + text;
    if (n >= 3600)
        text = FormatText("%02d h: ", int((n / 3600) % 24)) + text;
    if (n >= 86400)
        text = FormatText("%02d day: ", int(n / 86400)) + text;
    return text;
}

std::string TimeValueDisplayText(const std::string& valueText, std::uint16_t access) {
    // An agent's exception ("noSuchInstance") stands where the number would: read as one, it
    // would show as a time of 00 s.
    if (!valueText.empty() && !std::isdigit(static_cast<unsigned char>(valueText.front())))
        return valueText;
    long n = std::atol(valueText.c_str());
    if ((access & kUnitBits) == kHundredths)
        n /= 100;
    else if ((access & kUnitBits) == kThousandths)
        n /= 1000;
    return TimeDisplayText(n);
}

std::string ObjectDisplayText(const CSnmpOid& oid) {
    if (oid.m_byType == SNMP_TYPE_TIMETICKS)
        return TimeValueDisplayText(oid.m_strValue, oid.m_wAccess);
    if (oid.m_byType == SNMP_TYPE_OCTETS && (oid.m_wAccess & kUnitBits) != 0)
        return MemberSetDisplayText(oid);
    // Every octet of a text, zero bytes included, with marks for those no cell can show.
    if (oid.m_byType == SNMP_TYPE_OCTETS && (oid.m_wAccess & SNMP_ACCESS_HEX) == 0)
        return ShowableText(oid.m_strValue);
    return oid.m_strValue;
}

_DATAOBJ MakeCell(const std::string& text, std::int32_t attribute) {
    _DATAOBJ cell{};
    CopyFixedText(cell.text, text.c_str());
    cell.attribute = attribute;
    return cell;
}

std::string CellKeyText(const _NmOidTable& row, const std::string& cellText) {
    if (row.byType != SNMP_TYPE_OCTETS || (row.wAccess & kUnitBits) == 0)
        return cellText;
    CMemberSet set(row.pEnum);
    if ((row.wAccess & kUnitBits) == kBitsText)
        return set.FromBits(cellText) ? set.GetHex() : cellText;
    if ((row.wAccess & kUnitBits) == kHundredths) {
        set.FromHex(set.GetEmptyHex());
        for (int member = 0; member < set.GetMemberCount(); ++member)
            if (set.GetMemberName(member) == cellText) {
                set.SetMember(member, true);
                return set.GetHex();
            }
    }
    return cellText;
}

bool IsIndexAccess(std::uint16_t access) {
    return (access & SNMP_ACCESS_KIND_MASK) == SNMP_ACCESS_INDEX;
}
