#include "snmp/SnmpTransport.h"

#include <random>

#include "snmp/CAsyncSocket.h"
#include "snmp/SnmpDelivery.h"

namespace {
int g_nUsage = 0;
CSnmpDll* g_pSnmpDll = nullptr;
} // namespace

int SnmpInit(CWinApp* app) {
    ++g_nUsage;
    if (!g_pSnmpDll) {
        g_pSnmpDll = new CSnmpDll(app);
    }
    return 0;
}

void SnmpDone() {
    --g_nUsage;
    if (g_nUsage <= 0) {
        g_nUsage = 0;
        delete g_pSnmpDll;
        g_pSnmpDll = nullptr;
    }
}

std::uint32_t SendSnmpMsg(CSnmpMsg* msg) {
    if (g_pSnmpDll) {
        return g_pSnmpDll->m_pSnmpSocket->SendSnmpMsg(msg);
    }
    // Sending before start-up or after shut-down: reported like any other failed send.
    msg->m_exception = SnmpSocketError(SOCK_ERR_NOTINITIALISED);
    if (SnmpHasReceiver(msg)) {
        SnmpCallReceiver(msg, SNMP_ERR_SOCKET);
    }
    return 0;
}

void SetSnmpTimeout(int milliseconds) {
    if (g_pSnmpDll) {
        g_pSnmpDll->SetTimeout(milliseconds);
    }
}

void SetSnmpReceiveLimit(int bytes) {
    if (g_pSnmpDll) {
        g_pSnmpDll->m_pSnmpSocket->m_nReceiveLimit =
            bytes < 1 ? 1 : (bytes > kSnmpMaxDatagram ? kSnmpMaxDatagram : bytes);
    }
}

void SetSnmpAgentSecurity(const std::string& address, std::shared_ptr<UsmSession> session) {
    if (!g_pSnmpDll) {
        return;
    }
    auto& agents = g_pSnmpDll->m_pSnmpSocket->m_agentSecurity;
    if (session) {
        agents[address] = std::move(session);
    } else {
        agents.erase(address);
    }
}

void SetSnmpAgentVersion(const std::string& address, int version) {
    if (!g_pSnmpDll) {
        return;
    }
    auto& agents = g_pSnmpDll->m_pSnmpSocket->m_agentVersion;
    if (version == SNMP_VERSION_1) {
        agents.erase(address);
    } else {
        agents[address] = version;
    }
}

void SetSnmpPreciseTimeouts(bool precise) {
    if (g_pSnmpDll) {
        g_pSnmpDll->SetPreciseTimeouts(precise);
    }
}

void StartSnmpRequestIdsAtRandom() {
    // Far below 2^31: the ids of a long walk stay positive on the wire.
    std::random_device device;
    CSnmpMsg::m_sdwReqid = std::uniform_int_distribution<std::uint32_t>(1, 0x7FFF0000)(device);
}

CSnmpSocket* GetSnmpSocket() {
    return g_pSnmpDll ? g_pSnmpDll->m_pSnmpSocket : nullptr;
}

void ForgetSnmpRequests(const CObject* requester) {
    if (CSnmpSocket* socket = GetSnmpSocket()) {
        socket->ForgetRequestsOf(requester);
    }
}

CSnmpDll* GetSnmpDllDlg() {
    return g_pSnmpDll;
}
