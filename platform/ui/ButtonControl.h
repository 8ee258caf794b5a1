#pragma once
// Internal to the window layer: the class procedure of "BUTTON" windows that have no object of
// their own (those a dialog template places): push buttons draw a raised face that sinks while
// pressed and report a click to their parent as WM_COMMAND (id, BN_CLICKED); group boxes draw
// an etched frame with their caption in the top edge.

#include "platform/ui/WinTypes.h"

LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Class "STATIC": the window text on the dialog face, left, centred or right aligned, inside a
// sunken edge with SS_SUNKEN.
LRESULT StaticClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
