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
// How many characters a reply's status line may take.
constexpr int kStatusTextRoom = 79;
// How many characters the operator can type into a text field.
constexpr int kTypedTextLimit = 81;
