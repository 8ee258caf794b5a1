#pragma once
// What `taurel --print` writes when the program quits: the main window's status line, and for
// every open dialog that shows a grid or a graph (the events window too), a line
// "slot N: TITLE" and then its rows, cells separated by tabs, so a script can capture what an
// operator sees.

#include <string>
#include <vector>

class CModuleMainDlg;

// One dialog's block: the "slot N: TITLE" line and one line per row.
std::string PrintedDialog(int slot, const std::string& title,
                          const std::vector<std::vector<std::string>>& rows);
// A line "main: TEXT" with the main window's status line, then the blocks of every open grid
// and graph dialog, in slot order.
std::string PrintedDialogs(const CModuleMainDlg& main);
