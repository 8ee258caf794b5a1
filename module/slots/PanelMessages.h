#pragma once
// The window messages between the main module window, its panel and its child dialogs. They
// are plain message numbers, posted (never sent) so a request runs after the sender's message.

#include "platform/ui/WinTypes.h"

// How many child-dialog slots the main window has (slot numbers 0 to 319).
constexpr int PANEL_CHILD_DIALOG_NUMBER = 320;
// Ports 1 to 28 each have one slot in every per-port range.
constexpr int PANEL_PORT_NUMBER = 28;

// Open slot WPARAM; LPARAM 0 or a key record (see PostOpenSlot).
constexpr UINT PANEL_MSG = 2024;
// Slot WPARAM's dialog is closing.
constexpr UINT PANEL_CHILD_CLOSED = 2025;
// To the main window: have slot WPARAM re-read. To a dialog: re-read now. The main window hands
// LPARAM on to the dialog.
constexpr UINT PANEL_REFRESH = 2026;
// PANEL_REFRESH's LPARAM after a set the switch took that wrote objects the window shows. Table
// and information windows re-read on any PANEL_REFRESH; settings forms and Set Configuration
// read again on this one only (their own refresh after their own write changes nothing).
constexpr LPARAM PANEL_REFRESH_WRITTEN = 1;
// Commands of a dialog's own buttons.
constexpr UINT PANEL_REMOVE = 2027;
constexpr UINT PANEL_PAUSE = 2028;
constexpr UINT PANEL_RESUME = 2029;
// The events window's own button: hide the events shown.
constexpr UINT PANEL_CLEAR = 2033;
// From the panel: the selected port index (-1 none), a port to open, whether the switch answers
// (0 answers again, 6 no answer, else the reply's error status).
constexpr UINT PANEL_PORT_SELECTED = 2030;
constexpr UINT PANEL_OPEN_PORT = 2031;
constexpr UINT PANEL_AGENT_STATE = 2032;

// The agent-state value for a switch that does not answer.
constexpr WPARAM PANEL_AGENT_NO_ANSWER = 6;
