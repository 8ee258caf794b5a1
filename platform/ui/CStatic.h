#pragma once
// Static text (class "STATIC"): the window text drawn on the dialog face, aligned by SS_LEFT,
// SS_CENTER or SS_RIGHT (ControlStyles.h); it sends nothing.

#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h"

class CStatic : public CWnd {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
