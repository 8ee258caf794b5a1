#include "module/mainwnd/AgentStatusText.h"

#include "module/slots/PanelMessages.h"
#include "module/tables/PanelTables.h"
#include "snmp/SnmpErrorStatus.h"

std::string AgentStatusText(std::uintptr_t state, const std::string& agentAddress) {
    if (state == 0)
        return {};
    if (state == PANEL_AGENT_NO_ANSWER)
        return "No response from " + agentAddress;
    std::string phrase =
        SnmpErrorStatusPhrase(std::uint32_t(state), g_LedStatusTable[0].szName, "");
    if (phrase.empty())
        phrase = "error status " + std::to_string(state);
    return agentAddress + " answers: " + phrase;
}
