#pragma once
// The texts a configuration window shows on its status line besides a reply's own line.

// Shown when a set request has gone out.
constexpr const char* kSendSetRequestText = "Send Set Request !";
// Shown when no reply came within the engine's time-out.
constexpr const char* kTimeoutText = "Timeout.";
// Shown when the reply could not be taken because of its size.
constexpr const char* kResponseTooBigText = "Response too big";
// The Reset dialog's reading of a missing reply: the switch went down to restart.
constexpr const char* kResettingText = "Resetting switch...";
// Apply on a window whose values were never read: writing them would overwrite the switch's
// settings with blanks and defaults.
constexpr const char* kNotReadText = "Not read from the switch: nothing sent";
// Apply when no value is left to write (every choice shows a value outside its list).
constexpr const char* kNothingToWriteText = "No value chosen: nothing sent";
// Apply that the operator called off.
constexpr const char* kNothingSentText = "Nothing sent";
// A field cut what was typed or pasted at its limit (after the field's name).
constexpr const char* kFieldCutText = "cut to %d characters";
// Apply after the operator changed the key of a row: the fields, the old and the new key. A
// second sentence asks whether to remove the old row, or says it stays.
constexpr const char* kNewRowQuestion = "%s changed from %s to %s: Apply makes a new entry. ";
constexpr const char* kRemoveOldRowQuestion = "Remove the entry %s once the new one is made?";
constexpr const char* kOldRowStaysText = "The entry %s stays.";
// How many characters a reply's status line may take.
constexpr int kStatusTextRoom = 79;
// How many characters the operator can type into a text field.
constexpr int kTypedTextLimit = 81;
