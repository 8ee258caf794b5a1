#pragma once
// CMsgControl ("MsgCtrlClass"): the banner above a table, four labels and four values in a
// 4 × 2 grid (label column, value column, label column, value column). Each value sits in a
// small sunken box. Read-only: it takes no input and tells nobody.

#include "controls/common/ControlClass.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CMsgControl : public CWnd {
public:
    CMsgControl();
    ~CMsgControl() override;

    // Registers "MsgCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Takes over the parent's child window with that id; 0 when there is none.
    int SubclassMsg(CWnd* parent, UINT id);

    // Copies labels[0…3] and values[0…3] (each cut to 79 characters) and lays out the cells.
    // Does not repaint: the next paint shows the new contents.
    void InitMsg(char labels[][80], char values[][80]);

    // The cell of label i or value i (0…3), in client coordinates.
    CRect LabelCell(int i) const { return m_labelCells[i]; }
    CRect ValueCell(int i) const { return m_valueCells[i]; }
    const char* GetLabel(int i) const { return m_labels[i]; }
    const char* GetValue(int i) const { return m_values[i]; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void LayOutCells();
    void Paint(CDC& dc);
    void PaintLabel(CDC& dc, const CRect& cell, const char* text);
    void PaintValue(CDC& dc, const CRect& cell, const char* text);

    ControlStyleWord m_style;
    CRect m_client;
    std::unique_ptr<CFont> m_font;
    char m_labels[4][80] = {};
    char m_values[4][80] = {};
    CRect m_labelCells[4];
    CRect m_valueCells[4];
};
