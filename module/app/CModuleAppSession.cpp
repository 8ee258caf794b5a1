// How the application starts the session with its switch: the demo's own, or the one the
// options describe with passphrases from the secrets file or the prompt.

#include "module/app/CModuleApp.h"
#include "module/app/DemoSession.h"
#include "module/app/SnmpSessionStart.h"

#include <cstdio>

bool CModuleApp::StartSession() {
    SnmpSessionOptions session = m_options.snmp;
    SnmpSecrets secrets;
    std::string error;
    if (m_demo) {
        session = DemoSessionOptions(m_options.snmp.version);
        secrets = DemoSecrets();
        std::fputs(DemoSessionLines(session.version, m_strAgentAddress).c_str(), stderr);
    } else {
        switch (ObtainSessionSecrets(session, m_strAgentAddress, m_askPassphrases,
                                     QuitAfter(m_options), secrets, error)) {
        case SessionSecrets::Taken:
            break;
        case SessionSecrets::Refused:
            std::fprintf(stderr, "taurel: --v3-secrets %s\n", error.c_str());
            m_exitCode = kUsageExitCode;
            return false;
        case SessionSecrets::Cancelled:
            std::fputs("taurel: no SNMPv3 passphrase given (the prompt was cancelled); "
                       "nothing started\n",
                       stderr);
            m_exitCode = kNoPassphraseExitCode;
            return false;
        }
    }
    const SnmpSecrets used = secrets; // the session wipes its own
    if (!InstallSnmpSession(session, m_strAgentAddress, std::move(secrets), error)) {
        std::fprintf(stderr, "taurel: %s\n", error.c_str());
        m_exitCode = kUsageExitCode;
        return false;
    }
    RememberChosenSwitch(used);
    return true;
}
