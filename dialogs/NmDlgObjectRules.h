#pragma once
// The rules of the object dialogs that need no window: how an object's access flags colour and
// mark its row, how reply values pair with the objects, what a selected table row addresses,
// and the statistic dialog's poll interval (the port-control grid's are in NmPortCtrlRules.h).

#include "platform/ui/WinTypes.h"

#include <cstdint>
#include <list>
#include <string>
#include <vector>

class CSnmpOid;
class CSnmpPdu;

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

// Pairs objects and bindings in order, stopping at the shorter list, and sets each object's
// m_strValue to its binding's value text, every octet kept. Returns how many were paired.
std::size_t TakeReplyValues(std::list<CSnmpOid*>& objects, const CSnmpPdu& pdu);
// What a list cell shows of a value: a cell holds a C string, so an octet string ends at its
// first zero byte there.
std::string ListCellText(const std::string& value);
// The value to write for a row whose cell shows `cell` and whose object read `value`: the
// object's own value, every octet of it, while the cell still shows it unedited; the cell's
// text once the operator has changed it.
std::string ValueToWrite(const std::string& cell, const std::string& value);

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

// The key (and so the title) of the set dialog for `target` on the agent at `address`:
// "Set TARGET on ADDRESS", the target without its trailing blanks. One set dialog is open per key.
std::string SetDialogKey(const std::string& target, const std::string& address);

// The instance a set dialog writes to: "." and the value of every index object, in order.
std::string InstanceOfIndexValues(const std::list<CSnmpOid*>& objects);

// Poll interval of the statistic dialog, in seconds.
constexpr int kNmPollMin = 1;
constexpr int kNmPollMax = 3600;
constexpr int kNmPollDefault = 5;
// The interval a number box's text asks for, kept between the limits; `current` when the text
// is no number.
int PollIntervalFromText(const std::string& text, int current);
// Objects whose rates the statistic dialog computes.
bool IsCounterObject(std::uint8_t type);
