// agent_load ADDR:PORT [--seconds S] [--window W] [--community C]
//
// Sends get-requests for sysUpTime.0 from one UDP socket for S seconds (default 3), keeping at
// most W requests outstanding (default 1: strictly one after the other), checks every reply
// and prints the rate of answered gets.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QCoreApplication>
#include <QHostAddress>
#include <QUdpSocket>

#include "snmp/CSnmpMsg.h"
#include "snmp/NmOidTable.h"

namespace {

struct LoadOptions {
    QHostAddress host;
    quint16 port = 0;
    double seconds = 3;
    int window = 1;
    std::string community = "tessla";
};

bool ParseArgs(int argc, char** argv, LoadOptions& options) {
    if (argc < 2) {
        return false;
    }
    const std::string target = argv[1];
    const std::size_t colon = target.rfind(':');
    if (colon == std::string::npos ||
        !options.host.setAddress(QString::fromStdString(target.substr(0, colon)))) {
        return false;
    }
    options.port = static_cast<quint16>(std::atoi(target.c_str() + colon + 1));
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--seconds") {
            options.seconds = std::atof(argv[i + 1]);
        } else if (name == "--window") {
            options.window = std::max(1, std::atoi(argv[i + 1]));
        } else if (name == "--community") {
            options.community = argv[i + 1];
        } else {
            return false;
        }
    }
    return options.port != 0;
}

QByteArray EncodeGet(const std::string& community) {
    CSnmpMsg msg(nullptr, {}, community, SNMP_PDU_GET);
    msg.m_pPdu->AddOid("1.3.6.1.2.1.1.3.0");
    msg.SnmpEncode();
    return QByteArray(reinterpret_cast<const char*>(msg.m_buf), msg.m_nLen);
}

// A reply counts when it decodes as an error-free response with one binding.
bool IsGoodReply(const QByteArray& datagram) {
    if (datagram.size() > kSnmpBufferSize) {
        return false;
    }
    CSnmpMsg reply(nullptr, {}, {}, 0);
    std::memcpy(reply.m_buf, datagram.constData(), static_cast<std::size_t>(datagram.size()));
    reply.m_nLen = static_cast<int>(datagram.size());
    try {
        reply.SnmpDecode();
    } catch (const CSnmpException&) {
        return false;
    }
    return (reply.m_wPduType & 0xFF) == SNMP_PDU_RESPONSE && reply.m_pPdu->m_dwErrorStatus == 0 &&
           reply.m_pPdu->m_varBindList.size() == 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LoadOptions options;
    if (!ParseArgs(argc, argv, options)) {
        std::fprintf(stderr, "usage: agent_load ADDR:PORT [--seconds S] [--window W] "
                             "[--community C]\n");
        return 2;
    }
    QUdpSocket socket;
    socket.bind(QHostAddress(QHostAddress::LocalHost), 0);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(options.seconds);
    long sent = 0;
    long good = 0;
    long bad = 0;
    long lost = 0;
    int outstanding = 0;
    // One encoded request sent again and again keeps the generator's own work small; the agent
    // answers each copy on its own.
    const QByteArray request = EncodeGet(options.community);
    QByteArray datagram(65536, '\0');
    while (Clock::now() < end) {
        while (outstanding < options.window) {
            socket.writeDatagram(request, options.host, options.port);
            ++sent;
            ++outstanding;
        }
        if (!socket.waitForReadyRead(1000)) {
            lost += outstanding; // nothing came back within a second: count them as lost
            outstanding = 0;
            continue;
        }
        do {
            const qint64 n = socket.readDatagram(datagram.data(), datagram.size());
            if (n < 0) {
                break;
            }
            ++(IsGoodReply(datagram.left(static_cast<int>(n))) ? good : bad);
            outstanding = std::max(0, outstanding - 1);
        } while (socket.hasPendingDatagrams());
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("target: %s:%u, window %d, %.2f s\n", options.host.toString().toStdString().c_str(),
                options.port, options.window, elapsed);
    std::printf("requests sent: %ld, good replies: %ld, bad replies: %ld, lost: %ld\n", sent, good,
                bad, lost);
    std::printf("gets per second: %.0f\n", static_cast<double>(good) / elapsed);
    return good > 0 ? 0 : 1;
}
