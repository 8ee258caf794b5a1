#pragma once
// Dialog templates as data, the way resource templates describe dialogs: the dialog's own
// rectangle and font, and one entry per control (id, window class name, rectangle in dialog
// units, style, text). Dialog units convert to pixels from the dialog font's average
// character size: x · baseX / 4 and y · baseY / 8.

#include "platform/ui/WinTypes.h"

#include <string>
#include <vector>

struct DialogItemTemplate {
    UINT id = 0;
    std::string className;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD style = 0;                  // WS_CHILD is implied
    std::string text;
};

struct DialogTemplate {
    std::string title;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD style = 0;                  // WS_CHILD for pages placed inside another window
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    std::vector<DialogItemTemplate> items;
};

// Makes a template available by resource id (CDialog(id, parent)).
void RegisterDialogTemplate(UINT id, const DialogTemplate& tpl);
// Null when no template has that id.
const DialogTemplate* FindDialogTemplate(UINT id);

// Average character width and height of the font, in pixels (points at 96 dots per inch).
CSize DialogBaseUnits(const std::string& fontFace, int fontPoints);
CRect DialogUnitsToPixels(int x, int y, int cx, int cy, CSize baseUnits);
