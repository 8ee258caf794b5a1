#pragma once
// What the main window's status line says about the switch, from the panel's agent state
// (0 answers, 6 no answer, else the error status of its LED status request). The address is
// named so a dead agent and a wrong address can be told apart; the community never is: the
// window may be on a shared screen.

#include <cstdint>
#include <string>

std::string AgentStatusText(std::uintptr_t state, const std::string& agentAddress);
