#pragma once
// The application's main window and name, as a host program declares them: dialogs that
// arrange themselves relative to the main window, or show the program's name, ask here.

#include "platform/ui/WinTypes.h"

#include <string>

class CWnd;

// The window set here, else the application object's main window; null when neither exists.
CWnd* AfxGetMainWnd();
void AfxSetMainWnd(CWnd* wnd);
// The application's name (the Qt application name: the program's file name unless set).
std::string AfxGetAppName();
// The part of the primary screen that windows may cover (without panels and docks), in
// screen coordinates; empty when there is no screen.
CRect GetDesktopWorkArea();
