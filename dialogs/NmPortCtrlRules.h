#pragma once
// The rules of the port-control grid that need no window: a cell's value, its picture and the
// value it asks for, which picture means "on", and the status lines of a walk that stopped
// early and of toggles that could not be written.

#include "platform/ui/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CSnmpOid;
class CSnmpVarBind;

// The editable cell's picture (a tick) and its toggle mark (a cross over it).
constexpr int kPortEditableImage = 8;

// A port-control cell's value text: for an INTEGER binding the position (from 1) of the
// object's enumeration entry with the binding's number (the last one when several match),
// otherwise (or without a match) "0".
std::string PortCellValue(const CSnmpVarBind& binding, const CSnmpOid& object);

// Which of an editable object's first two named values the tick shows (1 or 2): the one that
// means "on" (enable, enabled, on, up, true, yes, active), so that a tick always means the
// feature is on; the first value when the names do not tell.
int PortTickEntry(const CSnmpOid& object);

// How a cell with value `v` is drawn. An editable object's cell (access bit 0 clear) whose
// value is one of its first two shows the tick, crossed when the value is not the tick's; any
// other value (the enumeration's third, say) is shown like a read-only one and cannot be
// toggled, so Apply never writes a value the operator did not pick. Read-only cells show image
// v + 3; v = 0 shows nothing.
struct PortCellLook {
    int stateImage = 0; // 0: none
    bool toggled = false;
};
PortCellLook PortCellLookOf(int v, std::uint16_t access, int tickEntry);
// The value a cell asks for: 0 unless it shows the tick, else the tick's entry, or the other
// of the first two when crossed.
int PortCellChoice(int stateImage, bool toggled, int tickEntry);
// The text of the object's v-th enumeration entry (from 1); empty when there is none.
std::string EnumTextAt(const CSnmpOid& object, int v);

// The line of a walk that stopped before the end of the table, after `read` of the `shown`
// port columns (fewer known before: "incomplete: N ports"), at time `t`:
// "incomplete: N of M ports at HH:MM:SS".
std::string IncompleteWalkLine(int read, int shown, std::int64_t t);
// The line naming ports whose toggles were not written: "not sent (WHY): port 5" or
// "not sent (WHY): ports 5, 6".
std::string PortsNotSentLine(const std::string& why, const std::vector<std::string>& ports);
