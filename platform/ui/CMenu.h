#pragma once
// Popup menus: items with command ids, separators, submenus, grey and check states.
// TrackPopupMenu shows the menu through the prompt interface (Prompt.h) and posts the chosen
// command to the owner window as WM_COMMAND (LOWORD(wParam) = command id, lParam 0).

#include "platform/core/CObject.h"
#include "platform/ui/WinTypes.h"

#include <string>
#include <vector>

class CWnd;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RETURNCMD = 0x0100;

struct MenuItem {
    UINT flags = 0;
    UINT id = 0;
    std::string text;
    HMENU popup = 0;
};

class CMenu : public CObject {
public:
    CMenu() = default;
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = 0;
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL CreatePopupMenu();
    // Destroys the menu and its submenus; the handle becomes empty.
    BOOL DestroyMenu();
    // MF_STRING item (id, text), MF_SEPARATOR, or MF_POPUP with the submenu's handle as id.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubmenu = 0, const char* text = nullptr);
    // By command (searching submenus) or by position; returns the previous MF_GRAYED /
    // MF_DISABLED (or MF_CHECKED) bits, 0xFFFFFFFF when there is no such item.
    UINT EnableMenuItem(UINT item, UINT flags);
    // Gives a string item (by command, searching submenus, or by position) new flags, command
    // and text; the grey and check bits come from `flags`. FALSE when there is no such item.
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR newId, const char* text);
    UINT CheckMenuItem(UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    // Shows the menu at the screen point with `owner` receiving the command. With
    // TPM_RETURNCMD the command is returned instead of posted. 0: dismissed.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT ignored = nullptr);
    // The menu of a menu bar's button, at the screen point, its command posted to `owner`.
    // *step: -1 or +1 when the operator left it for the neighbouring menu (Left, Right), else 0.
    BOOL TrackBarPopup(int x, int y, CWnd* owner, bool fromKeyboard, int* step);

    // The items of a live menu (empty for a dead handle).
    static std::vector<MenuItem> Items(HMENU menu);
    // Whether `id` names an enabled command item in the menu or its submenus.
    static bool IsEnabledCommand(HMENU menu, UINT id);
};
