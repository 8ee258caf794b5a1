#pragma once
// A drop-down list (class "COMBOBOX", CBS_DROPDOWNLIST) made of a Qt combo box: the operator
// picks one of the strings. The window text is the chosen string. Like the edit control, the
// window hears Return and Escape as WM_KEYDOWN and losing the focus (not to its own drop-down)
// as WM_KILLFOCUS; it sends nothing to its parent.

#include "platform/ui/CWnd.h"

#include <string>

constexpr int CB_ERR = -1;

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Returns the new string's index.
    int AddString(const char* text);
    int GetCount() const;
    // −1 clears the choice; returns the index or CB_ERR.
    int SetCurSel(int index);
    int GetCurSel() const;
    std::string GetLBText(int index) const;
    // The height of the strings in the drop-down list, in pixels.
    void SetItemHeight(int height);
    int GetItemHeight() const;
    // The width of the drop-down list, in pixels.
    void SetHorizontalExtent(int width);
    int GetHorizontalExtent() const;
    // How many strings the open drop-down list shows before it scrolls.
    BOOL SetMinVisibleItems(int count);
    int GetMinVisible() const;
};
