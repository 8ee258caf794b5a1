#include "dialogs/NmPortCtrlRules.h"

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpOid.h"
#include "snmp/CSnmpVarBind.h"

#include <algorithm>
#include <cctype>

namespace {

bool MeansOn(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    static const char* const on[] = {"enable", "enabled", "on", "up", "true", "yes", "active"};
    return std::any_of(std::begin(on), std::end(on),
                       [&](const char* word) { return text == word; });
}

} // namespace

std::string PortCellValue(const CSnmpVarBind& binding, const CSnmpOid& object) {
    int position = 0;
    if (binding.m_byType == SNMP_TYPE_INTEGER) {
        const auto value = static_cast<std::int32_t>(binding.GetUInt32());
        int index = 0;
        for (const CEnumData* item : object.m_enumList) {
            ++index;
            if (item->m_nValue == value)
                position = index;
        }
    }
    return std::to_string(position);
}

int PortTickEntry(const CSnmpOid& object) {
    return !MeansOn(EnumTextAt(object, 1)) && MeansOn(EnumTextAt(object, 2)) ? 2 : 1;
}

PortCellLook PortCellLookOf(int v, std::uint16_t access, int tickEntry) {
    if (v == 0)
        return {};
    if ((access & 0x01) == 0 && (v == 1 || v == 2))
        return {kPortEditableImage, v != tickEntry};
    // The state image field holds 4 bits; larger values have no image.
    return {v > 0 && v + 3 <= 15 ? v + 3 : 0, false};
}

int PortCellChoice(int stateImage, bool toggled, int tickEntry) {
    if (stateImage != kPortEditableImage)
        return 0;
    return toggled ? 3 - tickEntry : tickEntry;
}

std::string EnumTextAt(const CSnmpOid& object, int v) {
    int index = 0;
    for (const CEnumData* item : object.m_enumList)
        if (++index == v)
            return item->m_strText;
    return {};
}

std::string IncompleteWalkLine(int read, int shown, std::int64_t t) {
    std::string line = "incomplete: " + std::to_string(read);
    if (shown > read)
        line += " of " + std::to_string(shown);
    return line + (read == 1 && shown <= read ? " port" : " ports") +
           FormatLocalTime(t, " at %H:%M:%S");
}

std::string PortsNotSentLine(const std::string& why, const std::vector<std::string>& ports) {
    std::string line = "not sent (" + why + "): port" + (ports.size() == 1 ? " " : "s ");
    for (std::size_t i = 0; i < ports.size(); ++i)
        line += (i ? ", " : "") + ports[i];
    return line;
}
