// taurel-snmp: get, getnext, walk and set against an SNMPv1 agent on the NmSnmp engine, and
// logdump to read a packet log.
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "snmp/SnmpTransport.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"
#include "tools/taurel-snmp/ClientUsmArgs.h"
#include "tools/taurel-snmp/LogDump.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ClientCommand command;
    std::string error;
    const bool parsed = ParseClientArgs(args, command, error);
    WipeUsmPassphrases(args, argc, argv);
    if (!parsed) {
        std::cerr << "taurel-snmp: " << error << "\n" << kClientUsage;
        return CLIENT_USAGE;
    }
    if (command.action == ClientAction::LogDump) {
        return DumpPacketLog(command.file, std::cout, std::cerr);
    }

    QCoreApplication app(argc, argv);
    SnmpInit(nullptr);
    SetSnmpTimeout(command.timeoutMs);
    SetSnmpReceiveLimit(kSnmpMaxDatagram);
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
