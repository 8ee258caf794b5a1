#pragma once
// The application's main window and name, as a host program declares them: dialogs that
// arrange themselves relative to the main window, or show the program's name, ask here.

#include <string>

class CWnd;

// The window set here, else the application object's main window; null when neither exists.
CWnd* AfxGetMainWnd();
void AfxSetMainWnd(CWnd* wnd);
// The application's name (the Qt application name: the program's file name unless set).
std::string AfxGetAppName();
