#pragma once
// A single-line edit control (class "EDIT") made of a Qt line edit: typing, selection, the
// clipboard and the caret are the platform's. The window text is the edit's text, so
// SetWindowText and GetWindowText read and write what the operator sees. A limit counts whole
// characters (code points), so a character is never cut in half; typing, pasting or a window
// text beyond it is cut at the limit and the edit tells its parent with EN_MAXTEXT. It sends
// no other notification to its parent; its own window hears Return and Escape as WM_KEYDOWN
// and losing the focus as WM_KILLFOCUS. With ES_MULTILINE (ControlStyles.h) it shows lines
// ("\r\n").

#include "platform/ui/CWnd.h"

constexpr DWORD ES_AUTOHSCROLL = 0x0080;

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Limits how many characters the edit takes from now on; 0 lifts the limit. The text it
    // holds already stays whole.
    void LimitText(int chars = 0);
    // Selects characters start … end − 1; end −1 selects to the end of the text. A multi-line
    // edit scrolls the selection into view.
    void SetSel(int start, int end);
    // A non-zero character shows every typed character as a mark, for passwords (the
    // platform's own mark; the clipboard then takes nothing from the edit); 0 shows the text.
    void SetPasswordChar(char mark);

    // WM_SETFONT shows the edit's text in the given font (null: the default font).
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
