#pragma once
// One input of a Set Configuration page or a settings form, showing the value of one object.
// It knows what the switch last sent for it and whether the operator changed it since, so a
// read after another window's set can take the new value into an input left alone without
// undoing an edit, and a write can tell what was typed from what was read.

#include <cstddef>
#include <string>

class CSnmpVarBind;

class CObjectInput {
public:
    virtual ~CObjectInput() = default;
    // Shows a value from the switch (read, or the answer to a set): `text` is the object's value
    // text (octets, or an enumeration text), `binding` the reply's binding. Unedited afterwards.
    virtual void ShowRead(const std::string& text, const CSnmpVarBind& binding) = 0;
    // Whether the operator changed the input since it last showed a value from the switch (an
    // input that never showed one counts as edited once it holds anything but its start).
    virtual bool IsEdited() const = 0;
    // The value text to write: what the operator typed or chose, or unedited the value read;
    // empty for a choice that stands for no entry (nothing is written for it then).
    virtual std::string ValueText() const = 0;
    // The value last read, as the status line names it ("7"); empty when none was.
    virtual std::string ReadText() const = 0;
    // The control's id in its dialog.
    virtual int ControlId() const = 0;
    // How many characters the input shows, for a layout that fits the longest.
    virtual std::size_t ShownLength() const { return 0; }
    // Returns a pressed look to raised (choice lists).
    virtual void Raise() {}
};
