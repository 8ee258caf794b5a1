#pragma once
// Everything that asks the operator and waits: message boxes, popup menus and the colour
// dialog. The program uses Qt's implementation; tests install a ScriptedPrompt.

#include "platform/ui/CWnd.h"
#include "platform/ui/WinTypes.h"

#include <string>

class IPrompt {
public:
    virtual ~IPrompt() = default;
    // Returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
    virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT type) = 0;
    // Shows the menu at a screen point; returns the chosen command id, 0 when dismissed.
    virtual UINT TrackPopupMenu(HMENU menu, POINT screenPoint, HWND owner) = 0;
    // A menu bar's menu: as TrackPopupMenu, and Left, or Right on an item without a submenu,
    // closes it with *step set to -1 or +1 so the bar opens its neighbour (0 otherwise). Opened
    // from the keyboard, its first item is highlighted.
    virtual UINT TrackBarMenu(HMENU menu, POINT screenPoint, HWND owner, bool fromKeyboard,
                              int* step) {
        (void)fromKeyboard;
        *step = 0;
        return TrackPopupMenu(menu, screenPoint, owner);
    }
    // Returns true with *chosen set when the operator chose a colour.
    virtual bool ChooseColor(HWND owner, COLORREF initial, COLORREF* chosen) = 0;
    // Asks where to save a file; true with *path set when the operator chose one. `filter` is
    // the file dialog's type filter ("CSV files (*.csv)").
    virtual bool GetSaveFileName(HWND owner, const std::string& title,
                                 const std::string& suggestedName, const std::string& filter,
                                 std::string* path) = 0;
};

// Closes every open message box, popup menu and prompt dialog of Qt's prompts, each as if the
// operator cancelled it; true when one was open. A program that must end asks this first, since
// its own loop runs again only once the prompts' loops have returned.
bool DismissPrompts();

// Installs `prompt` (null: Qt's) and returns the previously installed one.
IPrompt* SetPrompt(IPrompt* prompt);
IPrompt& CurrentPrompt();

// The application's message box (caption: the application name).
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
int MessageBox(HWND owner, const char* text, const char* caption, UINT type = MB_OK);

class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    // IDOK when a colour was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color;
    HWND m_owner;
};
