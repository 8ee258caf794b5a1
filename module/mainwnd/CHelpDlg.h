#pragma once
// Help > Help: the program's manual (what `taurel --help` and the man page say) in a window of
// its own, to read and scroll, with a Close button. It lives in slot 28 and, like the About
// box, has no record: the main window holds the text.

#include "module/mainwnd/CSlotBoxDlg.h"
#include "platform/ui/GdiObjects.h"

#include <string>

class CDlgData;

class CHelpDlg : public CSlotBoxDlg {
public:
    static constexpr UINT kTextId = 1001;
    static constexpr UINT kCloseId = 1002;

    CHelpDlg(CWnd* mainWnd, std::string text);
    // The factory's function for the help slot; the text comes from the main window.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    BOOL OnInitDialog() override;

private:
    std::string m_text;
    // The manual's columns line up only in a fixed-pitch face.
    CFont m_textFont;
};
