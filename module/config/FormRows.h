#pragma once
// What a settings form makes of the rows of its OID table: each row's role, which rows get an
// input, what a new row's index field starts with, how the instance of the row is built from
// the keys and the inputs, and which reply binding belongs to which row.

#include "snmp/CSnmpOid.h"
#include "snmp/NmOidTable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <vector>

// A row given by the opener's keys only, never typed (always together with the index bits).
constexpr std::uint16_t kAccessKeyColumn = 0x800;
// Both bits set: an index field of a new row starts empty.
constexpr std::uint16_t kAccessNoPlaceholder = 0x300;

enum class FormRowRole { Plain, Index, Key, RowStatus };

FormRowRole RoleOf(std::uint16_t access);
// Key and row-status columns get no input.
inline bool HasInput(FormRowRole role) {
    return role == FormRowRole::Plain || role == FormRowRole::Index;
}
inline bool IsIndexRole(FormRowRole role) {
    return role == FormRowRole::Index || role == FormRowRole::Key;
}
// What the index field of a new row shows before the operator types: by the row's type
// "000.000.000.000", "00:00:00:00:00:00" or "0"; empty for rows marked kAccessNoPlaceholder.
std::string NewRowPlaceholder(const _NmOidTable& row);

using FormKeys = std::array<std::string, 5>;

// The rows of a form's table, in table order, paired with the request's objects (one a row).
class CFormRows {
public:
    CFormRows(const _NmOidTable* table, int rowCount);

    int RowCount() const { return int(m_roles.size()); }
    FormRowRole Role(int row) const { return m_roles[std::size_t(row)]; }
    // The input position of a row (0, 1, … over the rows with inputs), or -1.
    int InputOf(int row) const { return m_inputs[std::size_t(row)]; }
    int InputCount() const;
    // The rows that have inputs, in input order.
    std::vector<int> InputRows() const;
    // The key position of an index row (the n-th index column uses key n), or -1.
    int KeyPositionOf(int row) const;
    // The first row-status row, or -1.
    int StatusRow() const;

    // For the first read: stores each index row's key as its object's value and returns the
    // instance built from them ("" when the table has no index rows). `complete` is false when
    // some index row has no key; the row cannot be read then.
    std::string ReadInstance(std::list<CSnmpOid*>& objects, const FormKeys& keys,
                             bool& complete) const;
    // For Apply: row-status objects take `rowStatusText`, plain objects the text of their input,
    // key rows add their key and typed index rows the text of their input to the instance.
    std::string WriteInstance(std::list<CSnmpOid*>& objects, const FormKeys& keys,
                              const std::string& rowStatusText,
                              const std::function<std::string(int input)>& inputText) const;
    // Which row each binding of a reply belongs to: plain rows take the next one, index rows
    // only after a get (a set leaves them out), row-status rows none. -1 for bindings left over.
    std::vector<int> ReplyRows(std::size_t bindings, bool afterGet) const;

private:
    const _NmOidTable* m_pTable;
    std::vector<FormRowRole> m_roles;
    std::vector<int> m_inputs;
};

// ".0" for an empty instance: the objects are scalars then.
std::string ScalarIfEmpty(std::string instance);
