#pragma once
// The rules of the object dialogs that need no window: how an object's access flags colour and
// mark its row, how reply values pair with the objects, what a selected table row addresses,
// how a port-control cell shows and takes a value, and the statistic dialog's poll interval.

#include "platform/ui/WinTypes.h"

#include <cstdint>
#include <list>
#include <string>
#include <vector>

class CSnmpOid;
class CSnmpPdu;
class CSnmpVarBind;

// The blue of writable objects (0xFF0000 in the platform's blue-green-red order).
constexpr COLORREF kNmWritableColor = RGB(0, 0, 255);

// Read-write and write-only objects (access bit 1) can be written.
bool IsWritableObject(std::uint16_t access);
// An index column: access bits 0x30 equal to 0x10.
bool IsIndexObject(std::uint16_t access);
// Image 2 for writable objects, 1 for the others.
int ObjectImage(std::uint16_t access);
// Blue for writable objects, `other` for the rest.
COLORREF ObjectColor(std::uint16_t access, COLORREF other);

// Pairs objects and bindings in order, stopping at the shorter list, and formats each binding
// into its object's m_strValue. Returns how many were paired.
std::size_t TakeReplyValues(std::list<CSnmpOid*>& objects, const CSnmpPdu& pdu);

// One column of a selected table row.
struct RowCell {
    std::string name;
    std::uint16_t access = 0;
    std::string text;
};
// What a selected row addresses: the index columns, in column order, give the title
// ("NAME(TEXT) " each) and the instance (".TEXT" each).
struct RowTarget {
    std::string title;
    std::string instance;
};
RowTarget TargetOfRow(const std::vector<RowCell>& cells);

// The instance a set dialog writes to: "." and the value of every index object, in order.
std::string InstanceOfIndexValues(const std::list<CSnmpOid*>& objects);

// A port-control cell's value text: for an INTEGER binding the position (from 1) of the
// object's enumeration entry with the binding's number (the last one when several match),
// otherwise (or without a match) "0".
std::string PortCellValue(const CSnmpVarBind& binding, const CSnmpOid& object);
// How a cell with value `v` is drawn: editable objects (access bit 0 clear) show image 8, with
// the toggle mark when v is 2; read-only ones show image v + 3; v = 0 shows nothing.
struct PortCellLook {
    int stateImage = 0; // 0: none
    bool toggled = false;
};
PortCellLook PortCellLookOf(int v, std::uint16_t access);
// The value a cell asks for: 0 without a state image, 2 when toggled, else 1.
int PortCellChoice(int stateImage, bool toggled);
// The text of the object's v-th enumeration entry (from 1); empty when there is none.
std::string EnumTextAt(const CSnmpOid& object, int v);

// Poll interval of the statistic dialog, in seconds.
constexpr int kNmPollMin = 1;
constexpr int kNmPollMax = 3600;
constexpr int kNmPollDefault = 5;
// The interval a number box's text asks for, kept between the limits; `current` when the text
// is no number.
int PollIntervalFromText(const std::string& text, int current);
// Objects whose rates the statistic dialog computes.
bool IsCounterObject(std::uint8_t type);
