#pragma once
// CSampMsgControl ("SampMsgCtrlClass"): a small sunken value box (sample count, sampling
// interval) with its caption underneath. Read-only: it takes no input and tells nobody.

#include "controls/common/ControlClass.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CSampMsgControl : public CWnd {
public:
    CSampMsgControl();
    ~CSampMsgControl() override;

    // Registers "SampMsgCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Keeps the caption (cut to 79 characters) and shows the value "1". The integer is unused.
    void InitSampMsg(int unused, char* caption);
    // Shows a new value (cut to 19 characters) at once; null keeps the value shown.
    void SetText(const char* text);

    const char* GetCaption() const { return m_caption; }
    const char* GetValue() const { return m_value; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void PaintValueBox(CDC& dc);
    void PaintCaption(CDC& dc);

    ControlStyleWord m_style;
    CRect m_client;
    std::unique_ptr<CFont> m_captionFont;
    std::unique_ptr<CFont> m_valueFont;
    // For a caption too wide for the box in the caption font ("Poll Interval" under a box 36
    // dialog units wide): the same height in a proportional face, so it is not cut off.
    std::unique_ptr<CFont> m_narrowCaptionFont;
    char m_caption[80] = {};
    char m_value[20] = "1";
};
