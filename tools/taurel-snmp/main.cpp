// taurel-snmp: get, getnext, walk and set against an SNMPv1 or SNMPv2c agent, bulkget and
// bulkwalk against an SNMPv2c one, on the NmSnmp engine; and logdump to read a packet log.
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "snmp/SnmpTransport.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"
#include "tools/taurel-snmp/LogDump.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    ClientCommand command;
    std::string error;
    if (!ParseClientArgs(args, command, error)) {
        std::cerr << "taurel-snmp: " << error << "\n" << kClientUsage;
        return CLIENT_USAGE;
    }
    if (command.action == ClientAction::Help) {
        std::cout << kClientUsage;
        return CLIENT_OK;
    }
    if (command.action == ClientAction::Version) {
        std::cout << "taurel-snmp " << kClientVersion << "\n";
        return CLIENT_OK;
    }
    if (command.action == ClientAction::LogDump) {
        return DumpPacketLog(command.file, std::cout, std::cerr);
    }

    QCoreApplication app(argc, argv);
    SnmpInit(nullptr);
    SetSnmpTimeout(command.timeoutMs);
    // Any agent, not only the switch: replies may fill a whole datagram.
    SetSnmpReceiveLimit(kSnmpMaxDatagram);
    GetSnmpSocket()->m_bLogPackets = command.logPackets ? 1 : 0;

    ClientSession session(command, std::cout, std::cerr);
    session.Start();
    // A failed send or a bad value ends the session before the loop would start.
    if (!session.Finished()) {
        app.exec();
    }
    SnmpDone();
    return session.ExitCode();
}
