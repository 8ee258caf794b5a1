#pragma once
// A switch that answers as a test wants: every request is decoded and answered with what the
// test makes of it, so error statuses and odd replies can be given on purpose.

#include "module/tables/PortLineRates.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/CSnmpVarBind.h"
#include "snmp/SnmpTypes.h"
#include "snmp/SnmpV3Message.h"

#include <QUdpSocket>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Answers every request with what `answer` makes of it; counts the requests.
class ScriptedResponder {
public:
    using Answer = std::function<void(int n, const CSnmpMsg& request, CSnmpMsg& reply)>;
    explicit ScriptedResponder(Answer answer) : m_answer(std::move(answer)) {
        m_socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { OnReadyRead(); });
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_socket.localPort()); }
    std::vector<std::string> firstNames; // first binding of each request

private:
    void OnReadyRead() {
        while (m_socket.hasPendingDatagrams()) {
            QHostAddress peer;
            quint16 port = 0;
            CSnmpMsg request(nullptr, {}, {}, 0);
            request.m_nLen = int(m_socket.readDatagram(reinterpret_cast<char*>(request.m_buf),
                                                       sizeof request.m_buf, &peer, &port));
            // Read and answered in the version the request came in (SNMPv1 or SNMPv2c).
            request.m_nVersion =
                PeekSnmpVersion(request.m_buf, std::size_t(std::max(request.m_nLen, 0)));
            request.SnmpDecode();
            firstNames.push_back(
                request.m_pPdu->m_varBindList.empty()
                    ? std::string()
                    : std::string(request.m_pPdu->m_varBindList.front()->m_strOid));
            CSnmpMsg reply(nullptr, {}, request.m_strCommunity, SNMP_PDU_RESPONSE);
            reply.m_nVersion = request.m_nVersion;
            reply.m_pPdu->m_dwReqId = request.m_pPdu->m_dwReqId;
            m_answer(int(firstNames.size()), request, reply);
            reply.SnmpEncodeImage();
            m_socket.writeDatagram(reinterpret_cast<const char*>(reply.m_buf), reply.m_nLen, peer,
                                   port);
        }
    }
    Answer m_answer;
    QUdpSocket m_socket;
};

// Whether the request is the get of a port's speed that the counter windows send beside their
// polls (see PortSpeedRow).
inline bool AsksForPortSpeed(const CSnmpMsg& request) {
    const auto& bindings = request.m_pPdu->m_varBindList;
    return bindings.size() == 1 &&
           std::string(bindings.front()->m_strOid).rfind(PortSpeedRow().szOid, 0) == 0;
}

// The request's bindings sent back with an error status, as a faulty agent answers.
inline void EchoWithError(const CSnmpMsg& request, CSnmpMsg& reply, std::uint32_t status) {
    for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList)
        reply.m_pPdu->AddOid(vb->m_strOid);
    reply.m_pPdu->m_dwErrorStatus = status;
    reply.m_pPdu->m_dwErrorIndex = 1;
}
