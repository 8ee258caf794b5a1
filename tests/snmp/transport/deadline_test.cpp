// Precise time-outs sleep until a request falls due: no periodic wake while a request waits,
// none at all while nothing is outstanding, and a time-out that ends when it is due.
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "platform/core/Clock.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/EngineTest.h"
#include "tests/snmp/transport/Recorder.h"

namespace {

class DeadlineTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        SetSnmpPreciseTimeouts(true);
    }
    std::uint32_t SendGet(int ownTimeoutMs = 0) {
        auto* msg = new CSnmpMsg(&recorder, peer.Address(), "tessla", SNMP_PDU_GET);
        msg->m_nTimeoutMs = ownTimeoutMs;
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.3.0");
        msg->SetSnmpCallback(Recorder::Callback());
        return SendSnmpMsg(msg);
    }
    // Runs the event loop for `ms` and counts how often it woke up.
    int WakesWhileRunningFor(int ms) {
        int wakes = 0;
        const auto counter = QObject::connect(QAbstractEventDispatcher::instance(),
                                              &QAbstractEventDispatcher::awake, [&] { ++wakes; });
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(counter);
        return wakes;
    }
    bool Armed() const { return GetSnmpDllDlg()->DeadlineArmed(); }

    Recorder recorder;
};

TEST_F(DeadlineTest, NothingWakesTheEngineWhileItWaitsOrIdles) {
    EXPECT_FALSE(Armed()) << "nothing outstanding, nothing to wake for";
    EXPECT_LE(WakesWhileRunningFor(200), 3);

    SetSnmpTimeout(5000);
    SendGet();
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    EXPECT_TRUE(Armed());
    // A tick of 20 ms would have woken the loop ten times by now.
    EXPECT_LE(WakesWhileRunningFor(200), 3);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(DeadlineTest, TimeOutEndsWhenDueAndTheWakeFollowsTheList) {
    SetSnmpTimeout(5000);
    // Listed second but due first: the wake is set for it, not for the older request.
    const std::uint32_t slow = SendGet();
    QElapsedTimer elapsed;
    elapsed.start();
    const std::uint32_t quick = SendGet(120);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }, 3000));
    const qint64 took = elapsed.elapsed();
    EXPECT_GE(took, 120);
    // Generous for a loaded machine; a one-second or even a 20 ms tick lands well past this
    // only by chance, but a wake set for the older request's 5 s never does.
    EXPECT_LT(took, 1000);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_TIMEOUT);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, quick);
    EXPECT_TRUE(Armed()) << "the older request still waits";

    // Its answer empties the list, and the wake goes with it.
    peer.ReceiveRequest();
    peer.ReceiveRequest();
    peer.SendResponse(slow);
    ASSERT_TRUE(ProcessEventsUntil([&] { return recorder.calls.size() == 2; }));
    EXPECT_EQ(recorder.calls[1].code, 0);
    EXPECT_FALSE(Armed());
}

TEST_F(DeadlineTest, ShorterEngineTimeOutAndForgottenRequestsMoveTheWake) {
    SetSnmpTimeout(60000);
    SendGet();
    QElapsedTimer elapsed;
    elapsed.start();
    // The new time-out applies to the request already waiting, at once.
    SetSnmpTimeout(100);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }, 3000));
    EXPECT_GE(elapsed.elapsed(), 80);
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_TIMEOUT);
    EXPECT_FALSE(Armed());

    SendGet();
    EXPECT_TRUE(Armed());
    ForgetSnmpRequests(&recorder);
    EXPECT_FALSE(Armed());
    EXPECT_EQ(GetSnmpSocket()->m_msgList.size(), 0u);
}

TEST_F(DeadlineTest, ReceiverMayStopTheEngineFromATimeOut) {
    SetSnmpTimeout(50);
    SendGet();
    SendGet();
    // Both fall due together; the first receiver stops the engine and the second is never
    // called.
    recorder.onCall = [](std::uint16_t, CSnmpMsg*) { SnmpDone(); };
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }, 3000));
    ProcessEventsUntil([] { return false; }, 100);
    EXPECT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(GetSnmpDllDlg(), nullptr);
    SnmpInit(nullptr); // for the fixture's SnmpDone
}

TEST_F(DeadlineTest, WholeSecondsAgainTimeOutOnTheTickAlone) {
    SetSnmpPreciseTimeouts(false);
    Clock::Manual clock{9000};
    SetSnmpTimeout(500);
    SendGet();
    EXPECT_FALSE(Armed()) << "the one-second tick times requests out again";
    ProcessEventsUntil([] { return false; }, 50);
    EXPECT_TRUE(recorder.calls.empty());
    clock.advance(1);
    GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_TIMEOUT);
}

} // namespace
