#include "snmp/CSnmpDll.h"

#include <cstdio>

#include "platform/core/TextFormat.h"

namespace {
std::function<void(const std::string&)>& AlertHandler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

void Alert(const std::string& text) {
    if (AlertHandler()) {
        AlertHandler()(text);
    } else {
        std::fputs(text.c_str(), stderr);
    }
}
} // namespace

CSnmpDll::CSnmpDll(CWinApp* app) {
    m_timer.setInterval(kTickMs);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(kTimerId); });
    m_timer.start();

    m_pSnmpSocket = new CSnmpSocket(app);
    if (!m_pSnmpSocket->Create()) {
        Alert(FormatText("m_pSnmpSocket->Create() : m_pSnmpSocket->GetLastError()=%d\n",
                         m_pSnmpSocket->GetLastError()));
    }
}

CSnmpDll::~CSnmpDll() {
    m_timer.stop();
    delete m_pSnmpSocket;
}

void CSnmpDll::OnTimer(int nIDEvent) {
    if (nIDEvent == kTimerId && m_pSnmpSocket) {
        m_pSnmpSocket->TimeOutOldest(m_nTimeout);
    }
}

void CSnmpDll::SetPreciseTimeouts(bool precise) {
    m_pSnmpSocket->m_bPreciseTimeouts = precise;
    m_timer.setInterval(precise ? kPreciseTickMs : kTickMs);
}

void CSnmpDll::SetAlertHandler(std::function<void(const std::string&)> handler) {
    AlertHandler() = std::move(handler);
}
