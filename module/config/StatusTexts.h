#pragma once
// The texts a configuration window shows on its status line besides a reply's own line.

// Shown when a set request has gone out.
constexpr const char* kSendSetRequestText = "Send Set Request !";
// Shown when no reply came within the engine's time-out.
constexpr const char* kTimeoutText = "Timeout.";
// The Reset dialog's reading of a missing reply: the switch went down to restart.
constexpr const char* kResettingText = "Resetting switch...";
// How many characters a reply's status line may take.
constexpr int kStatusTextRoom = 79;
// The longest DisplayString the switch holds; text fields take and send this much.
constexpr int kDisplayStringLength = 255;
