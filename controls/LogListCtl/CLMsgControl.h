#pragma once
// CLMsgControl ("LogListCtlClass"): the scrolling log under a table. It holds the last 100
// lines (the oldest is dropped), newest at the end, in rows of 12 pixels with its own vertical
// scroll bar (id 7) over a fixed range of 0 … 1200 pixels. The view follows the newest line, so
// the latest result is always in sight, until the operator scrolls up; from then on it stays
// where they left it until they scroll back to the newest line.

#include "controls/common/ControlClass.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CLMsgControl : public CWnd {
public:
    static constexpr int kMaxLines = 100;
    static constexpr int kLineHeight = 12;
    static constexpr int kScrollMax = kLineHeight * kMaxLines;

    CLMsgControl();
    ~CLMsgControl() override;

    // Registers "LogListCtlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Empties the log and creates the scroll bar; once, after the window exists.
    void InitMsg();
    // Appends one line (cut to 255 characters) and redraws the text at once.
    void AppendData(const char* text);

    int GetLineCount() const { return m_lineCount; }
    const char* GetLine(int i) const { return i >= 0 && i < m_lineCount ? m_lines[i] : ""; }
    int GetVertOffset() const { return m_offset; }
    bool IsFollowingNewest() const { return m_follow; }
    // The offset that shows the newest of `lines` lines at the bottom of a text area ending at
    // y = textBottom (0 while all fit).
    static int NewestLineOffset(int lines, int textBottom);
    CScrollBar* GetScrollBar() const { return m_bar.get(); }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    CRect TextArea() const;
    void Paint(CDC& dc);
    void PaintText(CDC& dc);
    void RedrawText();
    // True when the request moved the view (the default handler then sees it too).
    bool OnVScroll(int request, int position);
    void OnSize();

    ControlStyleWord m_style;
    CRect m_client;
    std::unique_ptr<CFont> m_font;
    std::unique_ptr<CScrollBar> m_bar;
    int m_offset = 0;
    int m_barWidth = 20;
    int m_maxLines = kMaxLines;
    int m_lineHeight = kLineHeight;
    int m_vMax = kScrollMax;
    char m_lines[kMaxLines][256] = {};
    int m_lineCount = 0;
    bool m_follow = true;
};
