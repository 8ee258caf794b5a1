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

bool ScriptedPrompt::ChooseSaveFile(HWND, const std::string& title, const std::string& suggested,
                                    const std::string& filter, std::string* path) {
    saveFileRequests.push_back({title, suggested, filter});
    if (saveFileChoices.empty() || !saveFileChoices.front()) {
        if (!saveFileChoices.empty())
            saveFileChoices.pop_front();
        return false;
    }
    *path = *saveFileChoices.front();
    saveFileChoices.pop_front();
    return true;
}
