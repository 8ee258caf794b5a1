// How the application takes the switch the start dialog chose: as the command line that
// names it, read by the same parser, so a start from the dialog and one from the platform are
// one and the same; and how the switch joins the recent ones.

#include "module/app/CModuleApp.h"
#include "module/app/ConnectFields.h"
#include "module/app/RecentSwitchesStore.h"

#include <cstdio>

bool CModuleApp::ChooseSwitch() {
    StartChoice choice = m_chooseSwitch ? m_chooseSwitch(m_options) : StartChoice{};
    if (choice.kind == StartChoice::Kind::Cancelled) {
        std::fputs("taurel: no switch chosen (the start dialog was cancelled); nothing started\n",
                   stderr);
        m_exitCode = kStartCancelledExitCode;
        return false;
    }
    ProgramOptions chosen = ParseProgramOptions(choice.arguments);
    if (!chosen.error.empty()) {
        std::fprintf(stderr, "taurel: %s\n", chosen.error.c_str());
        m_exitCode = kUsageExitCode;
        return false;
    }
    m_options = std::move(chosen);
    if (!choice.passphrases.auth.empty())
        m_askPassphrases = [typed = choice.passphrases](const PassphraseRequest&, UsmSecret& auth,
                                                        UsmSecret& priv) {
            auth = typed.auth;
            priv = typed.priv;
            return true;
        };
    if (choice.kind == StartChoice::Kind::Connect)
        m_chosenSwitch = RecentSwitchOf(m_options, choice.remember, {});
    return true;
}

void CModuleApp::RememberChosenSwitch(const SnmpSecrets& secrets) {
    if (!m_chosenSwitch)
        return;
    if (m_chosenSwitch->remember)
        m_chosenSwitch->passphrases = secrets;
    std::string error;
    if (!AddRecentSwitch(RecentSwitchesFolder(), std::move(*m_chosenSwitch), error))
        std::fprintf(stderr, "taurel: the switch is not kept among the recent ones: %s\n",
                     error.c_str());
    m_chosenSwitch.reset();
}
