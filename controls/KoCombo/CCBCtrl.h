#pragma once
// CCBCtrl ("ComboBoxCtrlClass"): the choice of one entry from a fixed list of (value, text)
// pairs, shown as a white text box with a drop-down arrow at its bottom-right corner. A click
// anywhere opens the list as a popup menu (command id = value + 4096, the selected entry
// checked). Every choice from the popup, and every SetSelect that changes the selection, posts
// COMBO_SELECT_MSG (WPARAM: control id, LPARAM 0) to the parent. With the focus, F4 or Alt+Down
// opens the list and the arrow keys choose.

#include "controls/KoCombo/ComboTypes.h"
#include "controls/common/ControlClass.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CCBCtrl : public CWnd {
public:
    static constexpr int kMaxEntries = 30;
    static constexpr UINT kCommandBase = 4096;

    CCBCtrl();
    ~CCBCtrl() override;

    // Registers "ComboBoxCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Copies the entries (only the first 30 of a longer list), builds the popup menu and selects
    // the first entry. Once, after the window exists; does not repaint.
    void InitComboBox(int count, _zrkenumerate* entries);
    // The selected position in the list (not the entry's value).
    int GetSelect();
    // Selects the entry at `index` and tells the parent; the current index or one outside the
    // list changes nothing and posts nothing.
    void SetSelect(int index);
    // Draws the arrow raised again if the mouse left it pressed.
    void RaiseComboBox();

    int GetCount() const { return m_count; }
    bool IsArrowRaised() const { return m_arrowRaised != 0; }
    HMENU GetPopupMenu() const { return m_menu ? m_menu->GetSafeHmenu() : 0; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    CRect TextBox() const;
    CRect ArrowButton() const;
    void DrawTextBox(CDC& dc);
    void DrawArrow(CDC& dc, bool pressed);
    void PressArrow();
    void OpenPopup(CPoint point);
    void OnChoice(UINT command);
    void ChangeSelection(int index);
    void NotifyParent();
    // F4 or Alt+Down opens the list; the arrows, Home and End choose the next entry at once.
    void OnKey(WPARAM key, LPARAM flags);

    ControlStyleWord m_style;
    CRect m_client;
    std::unique_ptr<CFont> m_font;
    int m_count = 0;
    _zrkenumerate m_entries[kMaxEntries] = {};
    std::unique_ptr<CMenu> m_menu;
    int m_selected = 0;
    int m_arrowRaised = 1;
};
