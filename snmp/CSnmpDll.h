#pragma once
// The engine's hidden owner object: it holds the one UDP socket and ticks once a second to time
// out requests, or, with precise time-outs, sleeps until the next request falls due. It is a
// plain QObject with QTimers; nothing of it is ever shown.

#include <cstdint>
#include <functional>
#include <string>

#include <QObject>
#include <QTimer>

#include "snmp/CSnmpSocket.h"
#include "snmp/NmSnmpApi.h"

class CWinApp;

class NMSNMP_API CSnmpDll : public QObject {
public:
    static constexpr int kTimerId = 1;
    static constexpr int kTickMs = 1000;
    static constexpr int kDefaultTimeoutMs = 500;

    // Starts the tick and opens the socket; a socket that cannot be opened is reported through
    // the alert handler and every later send fails with code 255.
    explicit CSnmpDll(CWinApp* app);
    ~CSnmpDll() override;
    CSnmpDll(const CSnmpDll&) = delete;
    CSnmpDll& operator=(const CSnmpDll&) = delete;

    // The tick: at most one request times out per call, the oldest first.
    void OnTimer(int nIDEvent);
    // Millisecond time-outs on a monotonic clock, each handled when it falls due: no tick, and
    // no wake at all while no request is outstanding. Or back to whole seconds and the
    // one-second tick.
    void SetPreciseTimeouts(bool precise);
    // The time-out of requests without one of their own, in milliseconds.
    void SetTimeout(int milliseconds);
    // True while a wake is set for the next request to fall due (precise time-outs only).
    bool DeadlineArmed() const { return m_deadline.isActive(); }
    // How long after `wallClockMs` (milliseconds since the epoch) the one-second tick comes:
    // it runs in the middle of each second of the clock that stamps requests, so a request
    // times out between 0.5 and 1.5 seconds after it was sent, never sooner than the default
    // time-out and never a second later than needed.
    static int FirstTickDelayMs(std::int64_t wallClockMs);

    // Where the engine's one user-visible alert goes; the program installs a message box, the
    // default writes to standard error. An empty function restores the default.
    static void SetAlertHandler(std::function<void(const std::string&)> handler);

    CSnmpSocket* m_pSnmpSocket = nullptr;
    int m_nTimeout = kDefaultTimeoutMs;

private:
    // Sets the one wake for the first listed request to fall due, or none.
    void ArmDeadline();
    // Times out every request that has fallen due, then sets the next wake.
    void OnDeadline();

    QTimer m_timer;
    QTimer m_phaseTimer; // until the first tick in the middle of a second
    QTimer m_deadline;   // precise time-outs: when the next request falls due
};
