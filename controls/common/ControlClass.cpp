#include "controls/common/ControlClass.h"

#include "platform/ui/Cursor.h"

namespace ControlClass {

int Register(const char* className, WNDPROC classProc) {
    WNDCLASS wc;
    if (GetClassInfo(AfxGetInstanceHandle(), className, &wc))
        return 1;
    wc = WNDCLASS{};
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = classProc;
    wc.hCursor = LoadCursor(0, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = className;
    return RegisterClass(&wc) ? 1 : 0;
}

} // namespace ControlClass

DWORD ControlStyleWord::Take(DWORD style) {
    if (m_stored)
        return style;
    m_stored = true;
    m_word = WORD(style & 0xFFFF);
    return style & ~DWORD(0xFFFF);
}
