// taurel-snmp: get, getnext, walk and set against an SNMPv1, SNMPv2c or SNMPv3 agent, bulkget
// and bulkwalk against an SNMPv2c or SNMPv3 one, on the NmSnmp engine, printing what net-snmp's
// tools print; and logdump to read a packet log.
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "TaurelVersion.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmUserOptions.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"
#include "tools/taurel-snmp/LogDump.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ClientCommand command;
    std::string error;
    const bool parsed = ParseClientArgs(args, command, error);
    WipeUsmPassphrases(args, argc, argv);
    if (!parsed) {
        std::cerr << "taurel-snmp: " << error << "\n" << kClientUsage;
        return CLIENT_FAILURE;
    }
    if (command.action == ClientAction::Help) {
        std::cout << kClientUsage;
        return CLIENT_OK;
    }
    if (command.action == ClientAction::Version) {
        std::cout << "taurel-snmp " << kTaurelVersion << "\n";
        return CLIENT_OK;
    }
    if (command.action == ClientAction::LogDump) {
        return DumpPacketLog(command.file, std::cout, std::cerr);
    }

    QCoreApplication app(argc, argv);
    SnmpInit(nullptr);
    StartSnmpRequestIdsAtRandom();
    SetSnmpTimeout(command.timeoutMs);
    // Any agent, not only the switch: replies may fill a whole datagram.
    SetSnmpReceiveLimit(kSnmpMaxDatagram);
    // -t 0.25 means a quarter of a second, not the next whole second.
    SetSnmpPreciseTimeouts(true);
    GetSnmpSocket()->m_bLogPackets = command.logPackets ? 1 : 0;

    ClientSession session(command, std::cout, std::cerr);
    command.usm.authPassword.Wipe();
    command.usm.privPassword.Wipe();
    session.Start();
    // A failed send or a bad value ends the session before the loop would start.
    if (!session.Finished()) {
        app.exec();
    }
    SnmpDone();
    return session.ExitCode();
}
