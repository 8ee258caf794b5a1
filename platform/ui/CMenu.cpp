#include "platform/ui/CMenu.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/Prompt.h"

#include <map>

namespace {

std::map<HMENU, std::vector<MenuItem>>& menus() {
    static std::map<HMENU, std::vector<MenuItem>> table;
    return table;
}
HMENU g_nextMenu = 0x2000;

void destroyTree(HMENU menu) {
    auto it = menus().find(menu);
    if (it == menus().end())
        return;
    std::vector<MenuItem> items = std::move(it->second);
    menus().erase(it);
    for (const MenuItem& item : items)
        if (item.flags & MF_POPUP)
            destroyTree(item.popup);
}

MenuItem* findItem(HMENU menu, UINT item, UINT flags) {
    auto it = menus().find(menu);
    if (it == menus().end())
        return nullptr;
    auto& items = it->second;
    if (flags & MF_BYPOSITION)
        return item < items.size() ? &items[item] : nullptr;
    for (MenuItem& m : items) {
        if (m.flags & MF_POPUP) {
            if (MenuItem* inner = findItem(m.popup, item, flags))
                return inner;
        } else if (!(m.flags & MF_SEPARATOR) && m.id == item) {
            return &m;
        }
    }
    return nullptr;
}

UINT updateBits(HMENU menu, UINT item, UINT flags, UINT mask) {
    MenuItem* m = findItem(menu, item, flags);
    if (!m)
        return 0xFFFFFFFF;
    UINT old = m->flags & mask;
    m->flags = (m->flags & ~mask) | (flags & mask);
    return old;
}

} // namespace

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu)
        return FALSE;
    m_hMenu = ++g_nextMenu;
    menus()[m_hMenu];
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu)
        return FALSE;
    destroyTree(m_hMenu);
    m_hMenu = 0;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubmenu, const char* text) {
    auto it = menus().find(m_hMenu);
    if (it == menus().end())
        return FALSE;
    MenuItem item;
    item.flags = flags;
    item.text = text ? text : "";
    if (flags & MF_POPUP) {
        if (!menus().count(HMENU(idOrSubmenu)))
            return FALSE;
        item.popup = HMENU(idOrSubmenu);
    } else {
        item.id = UINT(idOrSubmenu);
    }
    it->second.push_back(item);
    return TRUE;
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    return updateBits(m_hMenu, item, flags, MF_GRAYED | MF_DISABLED);
}

BOOL CMenu::ModifyMenu(UINT item, UINT flags, UINT_PTR newId, const char* text) {
    MenuItem* m = findItem(m_hMenu, item, flags);
    if (!m || (m->flags & (MF_POPUP | MF_SEPARATOR)) || (flags & (MF_POPUP | MF_SEPARATOR)))
        return FALSE;
    m->flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    m->id = UINT(newId);
    m->text = text ? text : "";
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
    return updateBits(m_hMenu, item, flags, MF_CHECKED);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    MenuItem* m = findItem(m_hMenu, item, flags);
    return m ? (m->flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR))
             : 0xFFFFFFFF;
}

std::vector<MenuItem> CMenu::Items(HMENU menu) {
    auto it = menus().find(menu);
    return it == menus().end() ? std::vector<MenuItem>() : it->second;
}

bool CMenu::IsEnabledCommand(HMENU menu, UINT id) {
    MenuItem* m = findItem(menu, id, MF_BYCOMMAND);
    return m && !(m->flags & (MF_GRAYED | MF_DISABLED));
}

namespace {

// Only an enabled item of the menu can have been chosen; the command goes to the owner.
BOOL deliver(HMENU menu, UINT flags, UINT command, HWND owner) {
    if (command && !CMenu::IsEnabledCommand(menu, command))
        command = 0;
    if (flags & TPM_RETURNCMD)
        return BOOL(command);
    if (command)
        ::PostMessage(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return TRUE;
}

} // namespace

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT) {
    if (!menus().count(m_hMenu) || !owner || !owner->m_hWnd)
        return FALSE;
    HWND ownerHwnd = owner->m_hWnd;
    UINT command = CurrentPrompt().TrackPopupMenu(m_hMenu, POINT{x, y}, ownerHwnd);
    return deliver(m_hMenu, flags, command, ownerHwnd);
}

BOOL CMenu::TrackBarPopup(int x, int y, CWnd* owner, bool fromKeyboard, int* step) {
    *step = 0;
    if (!menus().count(m_hMenu) || !owner || !owner->m_hWnd)
        return FALSE;
    HWND ownerHwnd = owner->m_hWnd;
    UINT command =
        CurrentPrompt().TrackBarMenu(m_hMenu, POINT{x, y}, ownerHwnd, fromKeyboard, step);
    return deliver(m_hMenu, 0, command, ownerHwnd);
}
