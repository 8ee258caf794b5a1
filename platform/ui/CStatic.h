#pragma once
// Static text (class "STATIC") made of a Qt label: the window text is what it shows, in the
// font given with WM_SETFONT. SS_CENTER and SS_RIGHT align it; it sends nothing.

#include "platform/ui/CWnd.h"

constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;

class CStatic : public CWnd {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
