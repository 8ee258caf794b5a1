#include "snmp/CSnmpDll.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include <QPointer>

#include "platform/core/Clock.h"
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
    // A precise timer keeps its phase; a coarse one may shift by up to 5% of the interval at
    // each tick and wander towards the start of a second, where a request sent just before
    // would time out at once.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMs);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(kTimerId); });
    m_phaseTimer.setSingleShot(true);
    m_phaseTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_phaseTimer, &QTimer::timeout, this, [this] {
        m_timer.start();
        OnTimer(kTimerId);
    });
    m_phaseTimer.start(FirstTickDelayMs(Clock::nowMs()));
    // A coarse timer may fire several percent late; a time-out must end when it is due.
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_deadline, &QTimer::timeout, this, [this] { OnDeadline(); });

    m_pSnmpSocket = new CSnmpSocket(app);
    // Opened on the loopback address: an agent elsewhere gets a socket of its own when it is
    // first sent to, so a program that talks only to this host hears from nobody else.
    if (!m_pSnmpSocket->Create(0, "127.0.0.1")) {
        Alert(FormatText("m_pSnmpSocket->Create() : m_pSnmpSocket->GetLastError()=%d\n",
                         m_pSnmpSocket->GetLastError()));
    }
}

int CSnmpDll::FirstTickDelayMs(std::int64_t wallClockMs) {
    const int intoSecond = int(wallClockMs % 1000);
    return (kTickMs / 2 - intoSecond + kTickMs) % kTickMs;
}

CSnmpDll::~CSnmpDll() {
    m_phaseTimer.stop();
    m_timer.stop();
    m_deadline.stop();
    delete m_pSnmpSocket;
}

void CSnmpDll::OnTimer(int nIDEvent) {
    if (nIDEvent == kTimerId && m_pSnmpSocket) {
        m_pSnmpSocket->TimeOutOldest(m_nTimeout);
    }
}

void CSnmpDll::SetPreciseTimeouts(bool precise) {
    m_pSnmpSocket->m_bPreciseTimeouts = precise;
    m_phaseTimer.stop();
    if (precise) {
        m_timer.stop();
        m_pSnmpSocket->m_onDeadlinesChanged = [this] { ArmDeadline(); };
        ArmDeadline();
    } else {
        m_pSnmpSocket->m_onDeadlinesChanged = nullptr;
        m_deadline.stop();
        m_timer.stop();
        m_timer.setInterval(kTickMs);
        m_phaseTimer.start(FirstTickDelayMs(Clock::nowMs()));
    }
}

void CSnmpDll::SetTimeout(int milliseconds) {
    m_nTimeout = milliseconds;
    if (m_pSnmpSocket->m_bPreciseTimeouts) {
        ArmDeadline();
    }
}

void CSnmpDll::ArmDeadline() {
    const std::int64_t due = m_pSnmpSocket->NextTimeoutDueUs(m_nTimeout);
    if (due < 0) {
        m_deadline.stop();
        return;
    }
    // Whole milliseconds, rounded up: a wake before the time is due would only sleep again.
    const std::int64_t waitMs = (due - m_pSnmpSocket->TimeoutClockUs() + 999) / 1000;
    m_deadline.start(static_cast<int>(std::clamp<std::int64_t>(waitMs, 0, INT_MAX)));
}

void CSnmpDll::OnDeadline() {
    // A receiver may stop the engine, which deletes this object.
    const QPointer<CSnmpDll> alive(this);
    while (m_pSnmpSocket->m_bPreciseTimeouts && m_pSnmpSocket->TimeOutOldest(m_nTimeout)) {
        if (!alive) {
            return;
        }
    }
    ArmDeadline();
}

void CSnmpDll::SetAlertHandler(std::function<void(const std::string&)> handler) {
    AlertHandler() = std::move(handler);
}
