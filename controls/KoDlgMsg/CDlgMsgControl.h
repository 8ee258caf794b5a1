#pragma once
// CDlgMsgControl ("DlgMsgCtrlClass"): the one-line status line at the bottom of a form, a
// black-framed white box with the outcome of the last request. Read-only: it takes no input
// and tells nobody.

#include "controls/common/ControlClass.h"
#include "platform/ui/CWnd.h"

#include <memory>
#include <string>

class CDlgMsgControl : public CWnd {
public:
    CDlgMsgControl();
    ~CDlgMsgControl() override;

    // Registers "DlgMsgCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Empties the text; once, after the window exists.
    void InitDlgMsg();
    // Shows the text (cut to 255 characters; null or "" shows an empty box) at once.
    void SetText(const char* text);

    const char* GetText() const { return m_text; }
    // Whether `text` fits the box in the line's font, so an owner can shorten what it shows.
    bool Fits(const std::string& text) const;
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void Draw(CDC& dc);

    ControlStyleWord m_style;
    CRect m_client;
    std::unique_ptr<CBrush> m_frameBrush;
    std::unique_ptr<CFont> m_font;
    char m_text[256] = {};
};
