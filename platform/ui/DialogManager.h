#pragma once
// Internal to the window layer: the keyboard of every dialog, as the desktop's dialog manager
// gives it. Esc runs the dialog's cancel path (WM_COMMAND IDCANCEL, as the close box does);
// Enter presses the focused push button, or else the dialog's default button (DM_GETDEFID, or
// a BS_DEFPUSHBUTTON); Tab and Shift+Tab move through the WS_TABSTOP controls in template
// order (those of visible pages included); Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the
// dialog's tab control; F10 opens a menu bar's first menu. Alt+letter presses the control
// whose caption marks that letter, focuses the control after a marked label, or opens the menu
// bar's menu; Alt combinations never reach a control as typed characters. A control keeps a
// key for itself by answering WM_GETDLGCODE (asked with the key in WPARAM).

#include "platform/ui/Mnemonic.h"
#include "platform/ui/WinTypes.h"

#include <vector>

namespace DialogManager {

// Puts the manager on the application once; window creation calls it.
void Install();
// The dialog's tab-stop controls, in template order.
std::vector<HWND> TabStops(HWND dialog);
// Gives the keyboard focus to the dialog's first tab stop (none: nothing happens).
void FocusFirstTabStop(HWND dialog);
// The mnemonic of caption `caption` of a control (its window text is caption 0), chosen with
// every other caption of its dialog; no letter when the control is in no dialog.
MnemonicMark MarkOf(HWND control, int caption = 0);

} // namespace DialogManager
