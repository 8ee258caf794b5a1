#pragma once
// How the table and information dialogs show one object's value in a grid cell: time values as
// days, hours, minutes and seconds, member-set strings by their names, everything else as the
// value text. Cells hold at most 255 characters.

#include "controls/GridCtl/GridTypes.h"

#include <cstdint>
#include <string>

class CSnmpOid;

// "%02d s", preceded by minutes, hours and days once n reaches them:
// 93784 gives "01 day: 02 h: 03 m: 04 s".
std::string TimeDisplayText(long seconds);
// A time value's text read as a number in the unit its access code names (bits 0x0C: 0x04
// hundredths, 0x08 thousandths, otherwise seconds), shown with TimeDisplayText; a text that
// is no number (an exception's words) is shown as it is.
std::string TimeValueDisplayText(const std::string& valueText, std::uint16_t access);
// The display text of an object's current value text.
std::string ObjectDisplayText(const CSnmpOid& oid);
// A cell holding `text` (cut to 255 characters) with `attribute`.
_DATAOBJ MakeCell(const std::string& text, std::int32_t attribute);
// The cell attribute of an OID-table row: its access code masked with 3 (1 draws blue).
inline std::int32_t CellAttribute(std::uint16_t access) {
    return access & 3;
}

// Whether an OID-table row's access code marks an index column.
bool IsIndexAccess(std::uint16_t access);

struct _NmOidTable;
// The key text of an index cell: member-set columns turn their display form back into the hex
// value the instance is built from; every other column's text is its key.
std::string CellKeyText(const _NmOidTable& row, const std::string& cellText);
