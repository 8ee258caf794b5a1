#include "tests/snmp/transport/TestPeer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>

#include "snmp/NmOidTable.h"
#include "snmp/SnmpMessageHeader.h"

void EnsureQtApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "transport_tests";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
}

bool ProcessEventsUntil(const std::function<bool()>& done, int maxMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > maxMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

TestPeer::TestPeer() {
    m_socket.bind(QHostAddress::LocalHost, 0);
}

std::string TestPeer::Address() const {
    return "127.0.0.1:" + std::to_string(Port());
}

std::unique_ptr<CSnmpMsg> TestPeer::ReceiveRequest(int maxMs) {
    if (!m_socket.hasPendingDatagrams() && !m_socket.waitForReadyRead(maxMs)) {
        return nullptr;
    }
    auto msg = std::make_unique<CSnmpMsg>(nullptr, "", "", 0);
    QHostAddress sender;
    quint16 port = 0;
    const qint64 n = m_socket.readDatagram(reinterpret_cast<char*>(msg->m_buf), sizeof msg->m_buf,
                                           &sender, &port);
    if (n <= 0) {
        return nullptr;
    }
    m_lastSenderPort = port;
    if (m_enginePort == 0) {
        m_enginePort = port;
    }
    msg->m_nLen = static_cast<int>(n);
    m_lastDatagram.assign(msg->m_buf, msg->m_buf + n);
    SnmpMessageHeader header;
    if (SnmpReadMessageHeader(msg->m_buf, msg->m_nLen, header)) {
        msg->m_nVersion = header.version;
    }
    msg->SnmpDecode();
    return msg;
}

std::vector<std::uint8_t> EncodeResponse(std::uint32_t reqId,
                                         const std::function<void(CSnmpPdu&)>& fill,
                                         std::uint32_t errorStatus, std::uint32_t errorIndex,
                                         const std::string& community, int version) {
    CSnmpMsg reply(nullptr, "", community, SNMP_PDU_RESPONSE);
    reply.m_nVersion = version;
    reply.m_pPdu->m_dwReqId = reqId;
    reply.m_pPdu->m_dwErrorStatus = errorStatus;
    reply.m_pPdu->m_dwErrorIndex = errorIndex;
    if (fill) {
        fill(*reply.m_pPdu);
    }
    reply.SnmpEncodeImage();
    return {reply.m_buf, reply.m_buf + reply.m_nLen};
}

void TestPeer::SendResponse(std::uint32_t reqId, const std::function<void(CSnmpPdu&)>& fill,
                            std::uint32_t errorStatus, std::uint32_t errorIndex,
                            const std::string& community) {
    SendRaw(EncodeResponse(reqId, fill, errorStatus, errorIndex, community));
}

void TestPeer::SendRaw(const std::vector<std::uint8_t>& bytes) {
    m_socket.writeDatagram(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qint64>(bytes.size()), QHostAddress::LocalHost,
                           m_enginePort);
}
