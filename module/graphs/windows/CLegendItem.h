#pragma once
// A legend item: a sunken strip that names the counter it stands for, in its text colour on
// its background colour (which is also the colour of that counter's curve), with a small
// "Menu" button at its right edge. A click on either opens its counter menu under it and posts
// LEGEND_PICKED (its id, the choice; 0 when dismissed) to its owner. The owner decides what
// the item then shows (SetChoice).

#include "platform/ui/CBitmapButton.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWnd.h"

#include <memory>
#include <string>
#include <vector>

class CLegendItem : public CWnd {
public:
    CLegendItem();
    ~CLegendItem() override;

    // Builds the menu and creates the window. With `colourMenu` the menu starts with a
    // "Set Color" submenu ("Set Line Color", "Set Word Color"); then "No Selection" and the
    // counter names as commands 1 to n.
    BOOL Create(const RECT& rect, CWnd* owner, UINT id, const std::vector<std::string>& names,
                bool colourMenu);

    // 0 (nothing shown yet), a counter number 1 to n, or 997 "No Selection".
    UINT GetChoice() const { return m_choice; }
    // The counter shown (1 to n), or 0.
    int GetCounter() const;
    void SetChoice(UINT choice);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_bkColor; }
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);
    // The text of a menu command ("" when there is none).
    std::string ChoiceText(UINT choice) const;
    // What the item shows of its choice: a counter's name cut to fit so it still names that
    // counter only (LegendText).
    std::string ShownText(CDC& dc) const;

    // Opens the menu under the item and posts the choice to the owner.
    void OpenMenu();

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC& dc);
    void PlaceMenuButton();

    CMenu m_menu;
    std::unique_ptr<CMenu> m_colourMenu;
    std::vector<std::string> m_names;
    int m_counterCount = 0;
    UINT m_choice = 0;
    bool m_pressed = false;
    HWND m_owner = 0;
    COLORREF m_textColor = RGB(255, 255, 255);
    COLORREF m_bkColor = RGB(0, 0, 0);
    CPen m_greyPen{PS_SOLID, 1, RGB(128, 128, 128)};
    CFont m_font;
    CBitmapButton m_menuButton;
};
