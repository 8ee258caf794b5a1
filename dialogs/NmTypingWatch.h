#pragma once
// Lets a dialog hear at once when the operator types into one of its single-line edits: the
// window layer's edit tells its parent nothing, and a value typed into a dialog should not
// wait for the dialog's next timer to take effect.

#include <functional>
#include <string>

class CEdit;

// Calls `typed` with the new text after every change the operator makes to the edit's text
// (not after changes the program makes), for as long as the edit's window lives. The edit's
// window text may not show the change yet at that moment.
void WatchTyping(CEdit& edit, std::function<void(const std::string&)> typed);
