#pragma once
// A value box of the graph dialogs: a label ("Rate:", "Avg:", ...) and a value text in a
// sunken field, optionally with an up/down control at its right edge whose presses reach the
// owner as VALUE_BOX_UP / VALUE_BOX_DOWN with the box's id.

#include "platform/ui/CWnd.h"

#include <string>

class CUDCtrl;

class CValueBox : public CWnd {
public:
    static constexpr int kSpinWidth = 14;
    static constexpr int kSpinHeight = 18;

    CValueBox();
    ~CValueBox() override;

    BOOL Create(const RECT& rect, CWnd* owner, UINT id, const std::string& label,
                const std::string& value, bool upDown);
    // Takes the text and repaints the box.
    void SetValue(const std::string& value);
    const std::string& GetLabel() const { return m_strLabel; }
    const std::string& GetValue() const { return m_strValue; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC& dc);
    void PlaceUpDown();

    std::string m_strLabel;
    std::string m_strValue;
    bool m_bUpDown = false;
    HWND m_hOwner = 0;
    CUDCtrl* m_pUpDown = nullptr; // deletes itself with its window
    CFont m_font;                 // 7 points
};
