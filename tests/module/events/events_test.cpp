// The switch's events in the program, end to end with the simulated switch sending its traps
// to the program's own listener: a link flap shows as linkDown then linkUp, the panel's LED
// follows within a second of the trap, another switch's traps stay out, the menu counts what
// was not seen, Clear hides without touching the journal, and a flood leaves the loop free.

#include "controls/GridCtl/CTableControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "journal/NotificationJournal.h"
#include "module/app/PrintDialogs.h"
#include "module/events/CEventFeed.h"
#include "module/events/CEventsDlg.h"
#include "module/mainwnd/MainMenu.h"
#include "module/panel/CPanelWnd.h"
#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpNotificationListener.h"
#include "snmp/SnmpTypes.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kFlapPort = 1; // a busy port of the first twelve-port module (panel index 0)
constexpr int kLedRow = 1;   // its link LED (row 2 of a twelve-port module: on 3, off 2)
constexpr int kLinkOn = 3;
constexpr int kLinkOff = 2;

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

SnmpNotification LinkTrap(const std::string& source, int generic, int port) {
    SnmpNotification n;
    n.pduType = SNMP_PDU_TRAP;
    n.enterprise = "1.3.6.1.4.1.88888.1.1";
    n.genericTrap = generic;
    n.sourceAddress = source;
    n.receivedMs = NowMs();
    n.bindings = {SnmpNotificationBinding::Integer(
        std::string(kIfIndexOid) + "." + std::to_string(port), port)};
    return n;
}

class EventsTest : public ModuleFixture {
protected:
    void SetUp() override {
        agentClock = [this] { return agentMs; };
        StartModule();
    }
    // The program's listener with its journal, the switch's traps going to it, and (when
    // given) the system journal read as well.
    void StartFeed(const std::string& systemJournal = {}) {
        std::string error;
        ASSERT_TRUE(feed.Listen("127.0.0.1", 0, userJournal, error)) << error;
        agent->SetTrapPort(feed.ListenPort());
        ASSERT_TRUE(agent->AddTrapReceiver("127.0.0.1", "public"));
        feed.Start(AgentAddress(), systemJournal);
        main->SetEventFeed(&feed);
        feed.Subscribe([this](const std::vector<EventEntry>& fresh) {
            for (const EventEntry& e : fresh)
                arrivals.push_back({e.row.kind, clockStarted.elapsed()});
        });
        clockStarted.start();
    }
    void TearDown() override {
        ModuleFixture::TearDown(); // the main window lets go of the feed first
    }
    // Moves the switch's time; its next tick sends what happened meanwhile.
    void SwitchTimeTo(std::int64_t ms) { agentMs = ms; }
    std::int64_t ArrivalOf(const std::string& kind) const {
        for (const auto& [k, at] : arrivals)
            if (k == kind)
                return at;
        return -1;
    }
    void SendFrom(const std::string& from, const SnmpNotification& trap) {
        const auto bytes =
            SnmpEncodeCommunityMessage(SNMP_VERSION_1, "public", SnmpEncodeNotificationPdu(trap));
        QUdpSocket socket;
        ASSERT_TRUE(socket.bind(QHostAddress(QString::fromStdString(from)), 0));
        ASSERT_EQ(socket.writeDatagram(reinterpret_cast<const char*>(bytes.data()),
                                       qint64(bytes.size()), QHostAddress::LocalHost,
                                       feed.ListenPort()),
                  qint64(bytes.size()));
    }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const EventEntry& e : feed.Events())
            kinds.push_back(e.row.kind);
        return kinds;
    }
    std::string MenuText() const {
        for (const MenuItem& item : CMenu::Items(main->GetMenuPopup(1)))
            if (item.id == MenuCmd::kEvents)
                return item.text;
        return "(none)";
    }
    int LinkLed() const { return main->GetPanel()->PortLed(kLedRow, kFlapPort - 1).State(); }

    std::int64_t agentMs = 0;
    QTemporaryDir dir;
    std::string userJournal = dir.filePath("user.sqlite").toStdString();
    CEventFeed feed;
    QElapsedTimer clockStarted;
    std::vector<std::pair<std::string, std::int64_t>> arrivals;
};

TEST_F(EventsTest, AFlapShowsDownThenUpAndTheLedFollowsWithinASecondOfEachTrap) {
    StartFeed();
    // Only the traps can make the panel ask before its five seconds are up.
    main->GetPanel()->KillTimer(CPanelWnd::kDeviceTimerId);
    auto* events = dynamic_cast<CEventsDlg*>(OpenSlot(Slot::kEvents));
    ASSERT_NE(events, nullptr);
    ASSERT_EQ(LinkLed(), kLinkOn);
    agent->SetLinkFlap(kFlapPort, 10);

    SwitchTimeTo(10'500); // the link drops at the switch's tenth second
    ASSERT_TRUE(WaitFor([&] { return ArrivalOf("linkDown port 1") >= 0; }));
    ASSERT_TRUE(WaitFor([&] { return LinkLed() == kLinkOff; }));
    EXPECT_LT(clockStarted.elapsed() - ArrivalOf("linkDown port 1"), 1000);

    SwitchTimeTo(11'500);
    ASSERT_TRUE(WaitFor([&] { return ArrivalOf("linkUp port 1") >= 0; }));
    ASSERT_TRUE(WaitFor([&] { return LinkLed() == kLinkOn; }));
    EXPECT_LT(clockStarted.elapsed() - ArrivalOf("linkUp port 1"), 1000);

    ASSERT_TRUE(WaitFor([&] { return !events->IsShowPending(); }));
    std::vector<std::vector<std::string>> ours;
    for (const auto& row : events->GridText().rows)
        if (row[2] == "ifIndex.1 = 1")
            ours.push_back(row);
    ASSERT_EQ(ours.size(), 2u);
    EXPECT_EQ(ours[0][1], "linkUp port 1"); // newest first
    EXPECT_EQ(ours[1][1], "linkDown port 1");
    EXPECT_EQ(ours[0][0].size(), std::string("2024-05-14 14:02:11").size());
    // The window was open all along: nothing waits unseen.
    EXPECT_EQ(main->UnseenEvents(), 0);
    Screenshot(events, "events-flap");
}

TEST_F(EventsTest, AnotherSwitchsTrapsStayOutOfTheWindowThePanelAndTheCount) {
    const std::string system = dir.filePath("system.sqlite").toStdString();
    std::string error;
    auto trapd = NotificationJournal::Open(system, {}, error);
    ASSERT_TRUE(trapd) << error;
    ASSERT_TRUE(trapd->Append({LinkTrap("10.9.9.9", SNMP_TRAP_LINK_DOWN, 3),
                               LinkTrap("127.0.0.1", SNMP_TRAP_LINK_DOWN, 4)},
                              error));
    StartFeed(system);
    EXPECT_EQ(Kinds(), (std::vector<std::string>{"linkDown port 4"})); // history, not news
    EXPECT_EQ(MenuText(), "Events");

    SendFrom("127.0.0.2", LinkTrap("", SNMP_TRAP_LINK_UP, 9));
    ASSERT_TRUE(WaitFor([&] { return feed.Listener()->Stats().notifications == 1; }));
    PumpMessages();
    EXPECT_EQ(MenuText(), "Events");
    ASSERT_TRUE(trapd->Append(
        {LinkTrap("10.9.9.9", SNMP_TRAP_LINK_UP, 3), LinkTrap("127.0.0.1", SNMP_TRAP_LINK_UP, 4)},
        error));
    feed.CheckSystemJournal();
    EXPECT_EQ(Kinds(), (std::vector<std::string>{"linkUp port 4", "linkDown port 4"}));
    EXPECT_EQ(MenuText(), "Events (1)");
    // What the listener received is kept, whoever sent it; only the window filters.
    EXPECT_EQ(NotificationJournal::OpenForReading(userJournal, error)->Count("127.0.0.2"), 1);

    auto* events = dynamic_cast<CEventsDlg*>(OpenSlot(Slot::kEvents));
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(MenuText(), "Events");
    const CLMsgControl* log = events->GetLog();
    ASSERT_GE(log->GetLineCount(), 2);
    EXPECT_EQ(std::string(log->GetLine(0)).rfind("Events of 127.0.0.1 received on port ", 0), 0u);
    EXPECT_EQ(std::string(log->GetLine(1)),
              "Events of 127.0.0.1 from taurel-trapd's journal " + system);
}

TEST_F(EventsTest, TheMenuCountsUnseenEventsAndClearHidesWithoutDeletingFromTheJournal) {
    StartFeed();
    for (int port : {5, 6, 7})
        SendFrom("127.0.0.1", LinkTrap("", SNMP_TRAP_LINK_DOWN, port));
    ASSERT_TRUE(WaitFor([&] { return feed.Events().size() == 3; }));
    EXPECT_EQ(MenuText(), "Events (3)");
    main->SendMessage(WM_COMMAND, MenuCmd::kEvents, 0);
    PumpMessages();
    auto* events = dynamic_cast<CEventsDlg*>(main->GetChildDialog(Slot::kEvents));
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(MenuText(), "Events");
    EXPECT_EQ(events->GetGrid()->GetRowCount(), 3);

    const std::string printed = PrintedDialogs(*main);
    EXPECT_NE(printed.find("slot 318: Events\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("\tlinkDown port 7\tifIndex.7 = 7\n"), std::string::npos) << printed;

    ClickControl(events, CFlatButtonColumn::kFirstId); // "Clear"
    EXPECT_EQ(events->GetGrid()->GetRowCount(), 0);
    EXPECT_TRUE(feed.Events().empty());
    const CLMsgControl* log = events->GetLog();
    EXPECT_EQ(std::string(log->GetLine(log->GetLineCount() - 1)).rfind("Cleared at ", 0), 0u);
    std::string error;
    EXPECT_EQ(NotificationJournal::OpenForReading(userJournal, error)->Count(), 3);

    // Closed and opened again, the cleared events stay hidden; a new one shows.
    events->SendMessage(WM_CLOSE, 0, 0);
    PumpMessages();
    SendFrom("127.0.0.1", LinkTrap("", SNMP_TRAP_LINK_UP, 5));
    ASSERT_TRUE(WaitFor([&] { return feed.Events().size() == 1; }));
    EXPECT_EQ(MenuText(), "Events (1)");
    events = dynamic_cast<CEventsDlg*>(OpenSlot(Slot::kEvents));
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(events->GridText().rows.size(), 1u);
}

TEST_F(EventsTest, KeysAndTheWheelWorkTheWindowThroughTheDialogManager) {
    StartFeed();
    for (int port = 1; port <= 28; ++port)
        SendFrom("127.0.0.1", LinkTrap("", SNMP_TRAP_LINK_UP, port));
    ASSERT_TRUE(WaitFor([&] { return feed.Events().size() == 28; }));
    auto* events = dynamic_cast<CEventsDlg*>(OpenSlot(Slot::kEvents));
    ASSERT_NE(events, nullptr);
    CTableControl* grid = events->GetGrid();
    QTest::keyClick(grid->GetWidget(), Qt::Key_PageDown);
    PumpMessages();
    const int paged = grid->GetVertOffset();
    EXPECT_GT(paged, 0);
    QWheelEvent up(QPointF(5, 5), grid->GetWidget()->mapToGlobal(QPointF(5, 5)), QPoint(),
                   QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->GetWidget(), &up);
    PumpMessages();
    EXPECT_LT(grid->GetVertOffset(), paged);
    // Tab leaves the grid for "Clear", which Space presses.
    QTest::keyClick(grid->GetWidget(), Qt::Key_Tab);
    PumpMessages();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Space);
    PumpMessages();
    EXPECT_EQ(grid->GetRowCount(), 0);
    QTest::keyClick(events->GetWidget(), Qt::Key_Escape);
    PumpMessages();
    EXPECT_EQ(main->GetChildDialog(Slot::kEvents), nullptr);
}

TEST_F(EventsTest, AFloodIsTakenInBatchesThatLeaveTheLoopFree) {
    StartFeed();
    constexpr int kTraps = 3000;
    QUdpSocket sender;
    ASSERT_TRUE(sender.bind(QHostAddress::LocalHost, 0));
    const auto bytes = SnmpEncodeCommunityMessage(
        SNMP_VERSION_1, "public",
        SnmpEncodeNotificationPdu(LinkTrap("", SNMP_TRAP_ENTERPRISE_SPECIFIC, 2)));
    for (int i = 0; i < kTraps; ++i)
        sender.writeDatagram(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()),
                             QHostAddress::LocalHost, feed.ListenPort());
    // The loop is free when a timer due every 5 ms runs every few batches: a listener that
    // read until the socket ran dry would take the whole flood (12 batches) between two ticks.
    int batches = 0;
    int batchesAtTick = 0;
    int mostBatchesBetweenTicks = 0;
    const int counting = feed.Subscribe([&](const std::vector<EventEntry>&) { ++batches; });
    QElapsedTimer sinceTick;
    std::int64_t longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max<std::int64_t>(longestGap, sinceTick.restart());
        mostBatchesBetweenTicks = std::max(mostBatchesBetweenTicks, batches - batchesAtTick);
        batchesAtTick = batches;
    });
    sinceTick.start();
    tick.start(5);
    const SnmpListenerStats& stats = feed.Listener()->Stats();
    ASSERT_TRUE(
        WaitFor([&] { return stats.datagrams + stats.lost >= std::uint64_t(kTraps); }, 20000))
        << stats.datagrams << " read, " << stats.lost << " lost";
    tick.stop();
    feed.Unsubscribe(counting);
    // The wall-clock gap also holds what a loaded machine takes away; it is recorded to read.
    RecordProperty("longest_gap_ms", int(longestGap));
    RecordProperty("batches", batches);
    RecordProperty("lost", int(stats.lost));
    EXPECT_GE(batches, int(stats.notifications) / SnmpNotificationListener::kMaxBatch);
    EXPECT_LE(mostBatchesBetweenTicks, 4);
    EXPECT_EQ(feed.Events().size(), std::min<std::size_t>(stats.notifications, CEventFeed::kKept));
    EXPECT_EQ(main->UnseenEvents(), int(stats.notifications));
}

} // namespace
