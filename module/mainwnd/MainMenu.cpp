#include "module/mainwnd/MainMenu.h"

#include "controls/common/FixedText.h"
#include "module/events/EventSources.h"
#include "module/slots/SlotRecords.h"

int SlotOfCommand(UINT command, int sel) {
    bool port = sel >= 0;
    switch (command) {
    case MenuCmd::kSystemInformation:
        return port ? SlotBase::kPortInformation + 1 + sel : Slot::kDeviceInformation;
    case MenuCmd::kSetConfiguration:
        return port ? SlotBase::kPortSettings + 1 + sel : Slot::kSetConfiguration;
    case MenuCmd::kMibCapability:
        return Slot::kMibCapability;
    case MenuCmd::kIpInterface:
        return Slot::kIpInterface;
    case MenuCmd::kTrapReceivers:
        return Slot::kTrapReceivers;
    case MenuCmd::kTablePackets:
        return port ? SlotBase::kPortPackets + 1 + sel : -1;
    case MenuCmd::kTableErrors:
        return port ? SlotBase::kPortErrors + 1 + sel : -1;
    case MenuCmd::kLinePackets:
        return port ? SlotBase::kPortLineGraph + 1 + sel : -1;
    case MenuCmd::kLineErrors:
        return port ? SlotBase::kPortErrorLineGraph + 1 + sel : -1;
    case MenuCmd::kBarPackets:
        return port ? SlotBase::kPortBarGraph + 1 + sel : -1;
    case MenuCmd::kBarErrors:
        return port ? SlotBase::kPortErrorBarGraph + 1 + sel : -1;
    case MenuCmd::kReset:
        return Slot::kReset;
    case MenuCmd::kAbout:
        return Slot::kAbout;
    case MenuCmd::kHelp:
        return Slot::kHelp;
    case MenuCmd::kEvents:
        return Slot::kEvents;
    default:
        return -1;
    }
}

void CMainMenu::Build() {
    static const char* const names[kEntries] = {"Configuration", "Monitor", "Reset", "Help"};
    for (int i = 0; i < kEntries; ++i) {
        CopyFixedText(m_entries[i].caption, names[i]);
        m_entries[i].menu.CreatePopupMenu();
    }
    CMenu& config = m_entries[0].menu;
    config.AppendMenu(MF_STRING, MenuCmd::kSystemInformation, "System Information");
    config.AppendMenu(MF_STRING, MenuCmd::kSetConfiguration, "Set Configuration...");
    config.AppendMenu(MF_STRING, MenuCmd::kMibCapability, "MIB Capability");
    config.AppendMenu(MF_STRING, MenuCmd::kIpInterface, "IP Interface");
    config.AppendMenu(MF_STRING, MenuCmd::kTrapReceivers, "Trap Receivers");

    struct Submenu {
        const char* name;
        UINT packets;
        UINT errors;
    };
    const Submenu kinds[3] = {{"Table", MenuCmd::kTablePackets, MenuCmd::kTableErrors},
                              {"Line Curve", MenuCmd::kLinePackets, MenuCmd::kLineErrors},
                              {"Bar Graph", MenuCmd::kBarPackets, MenuCmd::kBarErrors}};
    CMenu& network = m_statistics[0];
    network.CreatePopupMenu();
    for (int i = 0; i < 3; ++i) {
        CMenu& sub = m_statistics[1 + i];
        sub.CreatePopupMenu();
        sub.AppendMenu(MF_STRING, kinds[i].packets, "Port Packets");
        sub.AppendMenu(MF_STRING, kinds[i].errors, "Port Errors");
        network.AppendMenu(MF_POPUP, sub.GetSafeHmenu(), kinds[i].name);
    }
    m_entries[1].menu.AppendMenu(MF_POPUP, network.GetSafeHmenu(), "Network Statistics");
    m_entries[1].menu.AppendMenu(MF_STRING, MenuCmd::kEvents, EventsMenuText(0).c_str());

    m_entries[2].menu.AppendMenu(MF_STRING, MenuCmd::kReset, "Reset");

    CMenu& help = m_entries[3].menu;
    help.AppendMenu(MF_STRING, MenuCmd::kHelp, "Help");
    help.AppendMenu(MF_SEPARATOR);
    help.AppendMenu(MF_STRING, MenuCmd::kAbout, "About Mirova");
}

void CMainMenu::EnablePortStatistics(bool enable) {
    for (UINT command : kPortStatisticsCommands)
        m_entries[1].menu.EnableMenuItem(command, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

void CMainMenu::ShowUnseenEvents(int unseen) {
    m_entries[1].menu.ModifyMenu(MenuCmd::kEvents, MF_BYCOMMAND | MF_STRING, MenuCmd::kEvents,
                                 EventsMenuText(unseen).c_str());
}
