#pragma once
// The main window's button menu: the four entries, their popup menus and the command ids, and
// which slot each command opens.

#include "controls/KoMenu/CKoMenuObj.h"
#include "platform/ui/CMenu.h"

#include <array>

namespace MenuCmd {
constexpr UINT kSystemInformation = 4097;
constexpr UINT kSetConfiguration = 4098;
constexpr UINT kMibCapability = 4099;
constexpr UINT kIpInterface = 4100;
constexpr UINT kTrapReceivers = 4101;
constexpr UINT kTablePackets = 4146;
constexpr UINT kTableErrors = 4129;
constexpr UINT kLinePackets = 4176;
constexpr UINT kLineErrors = 4177;
constexpr UINT kBarPackets = 4178;
constexpr UINT kBarErrors = 4179;
constexpr UINT kReset = 4145;
constexpr UINT kHelp = 4161;
constexpr UINT kAbout = 4160;
// "Monitor" / "Events", after the specified items.
constexpr UINT kEvents = 4180;
// The system-menu command of the About box (string 101, "&About Taurel...").
constexpr UINT kSystemAbout = 16;
} // namespace MenuCmd

// The six items that need a selected port.
constexpr std::array<UINT, 6> kPortStatisticsCommands = {
    MenuCmd::kTablePackets, MenuCmd::kTableErrors, MenuCmd::kLinePackets,
    MenuCmd::kLineErrors,   MenuCmd::kBarPackets,  MenuCmd::kBarErrors};

// The slot a menu command opens with `selectedPort` (-1 none), or -1 for nothing.
int SlotOfCommand(UINT command, int selectedPort);

// The four entries with their popups, and the statistics submenus they hold.
class CMainMenu {
public:
    static constexpr int kEntries = 4;

    // Fills names and popups: "Configuration", "Monitor", "Reset", "Help".
    void Build();
    // Greys or enables the six port-statistics items.
    void EnablePortStatistics(bool enable);
    // "Events", or "Events (3)" while three events have not been seen.
    void ShowUnseenEvents(int unseen);

    CKoMenuObj* Entries() { return m_entries.data(); }
    HMENU Popup(int entry) const { return m_entries[entry].menu.GetSafeHmenu(); }

private:
    std::array<CKoMenuObj, kEntries> m_entries;
    // "Network Statistics" and its "Table", "Line Curve" and "Bar Graph" submenus.
    std::array<CMenu, 4> m_statistics;
};
