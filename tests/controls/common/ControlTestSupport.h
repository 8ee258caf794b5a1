#pragma once
// Shared by the control tests: a dialog that places one control by its window class name (the
// way the program's dialog templates do), and pixel reads that do not repaint first.

#include "platform/ui/CDialog.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <memory>

// A modeless dialog holding one control of `className` with control id `id`, `cx` × `cy`
// dialog units at (4, 4).
std::unique_ptr<CDialog> PlaceByClassName(const char* className, UINT id, int cx, int cy);

// The pixel as the surface holds it now: what was drawn "at once", with no repaint first.
COLORREF DrawnPixel(CWnd* wnd, int x, int y);

// How many pixels of exactly `color` the surface holds in the rectangle now (CountDrawn), or
// after painting what is invalid (CountColor).
int CountDrawn(CWnd* wnd, const CRect& area, COLORREF color);
int CountColor(CWnd* wnd, const CRect& area, COLORREF color);

// The system colour of raised faces and its complement, the fill of pressed faces.
COLORREF FaceColor();
COLORREF PressedFaceColor();
