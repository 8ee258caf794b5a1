#pragma once
// Help > Help: the program's manual (what `taurel --help` and the man page say) in a window of
// its own, to read and scroll, with a Close button. It lives in slot 28 and, like the About
// box, has no record: the main window holds the text.

#include "platform/ui/CDialog.h"
#include "platform/ui/GdiObjects.h"

class CDlgData;

class CHelpDlg : public CDialog {
public:
    static constexpr UINT kTextId = 1001;
    static constexpr UINT kCloseId = 1002;

    CHelpDlg(CWnd* mainWnd, std::string text);
    // The factory's function for the help slot; the text comes from the main window.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    BOOL OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    CWnd* m_pMainWnd;
    std::string m_text;
    // The manual's columns line up only in a fixed-pitch face.
    CFont m_textFont;
};
