#include "module/app/StartDialogPrompt.h"

#include "module/app/CConnectDlg.h"
#include "module/app/RecentSwitchesStore.h"
#include "snmp/SnmpAgentAddress.h"

#include <cstdio>

StartChoice ChooseSwitchInDialog(const ProgramOptions& started) {
    std::string warning;
    std::vector<RecentSwitch> recent = LoadRecentSwitches(RecentSwitchesFolder(), warning);
    if (!warning.empty())
        std::fprintf(stderr, "taurel: %s\n", warning.c_str());
    CConnectDlg dialog(started, std::move(recent), SnmpHostResolves);
    if (dialog.DoModal() != IDOK)
        return {};
    return dialog.TakeChoice();
}
