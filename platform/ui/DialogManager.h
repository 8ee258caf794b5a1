#pragma once
// Internal to the window layer: the keyboard of every dialog, as the desktop's dialog manager
// gives it. Esc runs the dialog's cancel path (WM_COMMAND IDCANCEL, as the close box does);
// Enter presses the focused push button, or else the default button; Tab and Shift+Tab move
// through the WS_TABSTOP controls in template order (those of visible pages included);
// Alt+letter presses the control whose caption marks that letter, or focuses the control after
// a marked label. A control keeps a key for itself by answering WM_GETDLGCODE.

#include "platform/ui/WinTypes.h"

#include <vector>

namespace DialogManager {

// Puts the manager on the application once; window creation calls it.
void Install();
// The dialog's tab-stop controls, in template order.
std::vector<HWND> TabStops(HWND dialog);
// Gives the keyboard focus to the dialog's first tab stop (none: nothing happens).
void FocusFirstTabStop(HWND dialog);

} // namespace DialogManager
