#pragma once
// A prompt for tests: installs itself while it exists, records every question, and answers
// from scripted queues without showing anything or waiting.

#include "platform/ui/Prompt.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedPrompt : public IPrompt {
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;
    ScriptedPrompt(const ScriptedPrompt&) = delete;
    ScriptedPrompt& operator=(const ScriptedPrompt&) = delete;

    // Answers, used front first. An empty queue answers a message box with its first button
    // (IDOK, or IDYES for yes/no boxes), dismisses a menu, and cancels the colour and file dialogs.
    std::deque<int> messageBoxAnswers;
    std::deque<UINT> menuChoices; // 0 dismisses
    std::deque<int> menuSteps;    // a menu bar's menu: -1 / +1 goes to a neighbour (empty: 0)
    std::deque<std::optional<COLORREF>> colourChoices;      // nullopt cancels
    std::deque<std::optional<std::string>> saveFileChoices; // nullopt (or empty queue) cancels

    struct MessageBoxCall {
        std::string text;
        std::string caption;
        UINT type;
        HWND owner;
    };
    struct MenuCall {
        HMENU menu;
        POINT point;
        HWND owner;
        std::vector<std::string> itemTexts; // top-level items; separators as ""
        bool barMenu = false;
        bool fromKeyboard = false;
    };
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<MenuCall> menus;
    std::vector<COLORREF> colourRequests;
    struct SaveFileCall {
        std::string title;
        std::string suggestedName;
        std::string filter;
    };
    std::vector<SaveFileCall> saveFileRequests;

    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT type) override;
    UINT TrackPopupMenu(HMENU menu, POINT screenPoint, HWND owner) override;
    // A step from menuSteps ends the menu without a choice; otherwise it answers as a menu.
    UINT TrackBarMenu(HMENU menu, POINT screenPoint, HWND owner, bool fromKeyboard,
                      int* step) override;
    bool ChooseColor(HWND owner, COLORREF initial, COLORREF* chosen) override;
    bool GetSaveFileName(HWND owner, const std::string& title, const std::string& suggestedName,
                         const std::string& filter, std::string* path) override;

private:
    IPrompt* m_previous;
};
