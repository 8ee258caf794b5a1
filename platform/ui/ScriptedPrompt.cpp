#include "platform/ui/ScriptedPrompt.h"

#include "platform/ui/CMenu.h"

ScriptedPrompt::ScriptedPrompt() : m_previous(SetPrompt(this)) {}

ScriptedPrompt::~ScriptedPrompt() {
    SetPrompt(m_previous);
}

int ScriptedPrompt::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                               UINT type) {
    messageBoxes.push_back({text, caption, type, owner});
    if (messageBoxAnswers.empty()) {
        UINT buttons = type & 0x0F;
        return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
    }
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

UINT ScriptedPrompt::TrackPopupMenu(HMENU menu, POINT screenPoint, HWND owner) {
    MenuCall call{menu, screenPoint, owner, {}};
    for (const MenuItem& item : CMenu::Items(menu))
        call.itemTexts.push_back(item.text);
    menus.push_back(call);
    if (menuChoices.empty())
        return 0;
    UINT choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}

UINT ScriptedPrompt::TrackBarMenu(HMENU menu, POINT screenPoint, HWND owner, bool fromKeyboard,
                                  int* step) {
    *step = 0;
    if (!menuSteps.empty()) {
        *step = menuSteps.front();
        menuSteps.pop_front();
    }
    if (*step) {
        MenuCall call{menu, screenPoint, owner, {}, true, fromKeyboard};
        for (const MenuItem& item : CMenu::Items(menu))
            call.itemTexts.push_back(item.text);
        menus.push_back(call);
        return 0;
    }
    UINT choice = TrackPopupMenu(menu, screenPoint, owner);
    menus.back().barMenu = true;
    menus.back().fromKeyboard = fromKeyboard;
    return choice;
}

bool ScriptedPrompt::ChooseColor(HWND, COLORREF initial, COLORREF* chosen) {
    colourRequests.push_back(initial);
    if (colourChoices.empty())
        return false;
    std::optional<COLORREF> choice = colourChoices.front();
    colourChoices.pop_front();
    if (!choice)
        return false;
    *chosen = *choice;
    return true;
}

bool ScriptedPrompt::GetSaveFileName(HWND, const std::string& title,
                                     const std::string& suggestedName, const std::string& filter,
                                     std::string* path) {
    saveFileRequests.push_back({title, suggestedName, filter});
    if (saveFileChoices.empty())
        return false;
    std::optional<std::string> choice = saveFileChoices.front();
    saveFileChoices.pop_front();
    if (!choice)
        return false;
    *path = *choice;
    return true;
}
