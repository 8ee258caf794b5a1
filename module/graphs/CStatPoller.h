#pragma once
// The request queue of a graph dialog: a poll asks for the sampled value objects in runs of 20,
// one request after the other, with at most one in flight. Every outcome becomes the poller's
// and the objects' status; a good reply's values go into the objects. When the last request
// of a poll has its outcome (or a failed one ends the poll early) the owner gets
// GRAPH_SAMPLE_READY.
//
// A switch that does not answer would have each tick add another poll behind the one still
// waiting; instead a poll is queued only when none is queued or in flight, so sampling goes on
// at the set interval once the switch answers again.

#include "module/dialogbase/OutstandingRequest.h"
#include "platform/core/CObject.h"
#include "platform/ui/WinTypes.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class CSnmpClass;
class CSnmpMsg;
class CStatObjects;

// Kinds of request: the graph dialogs queue only gets.
enum : int {
    STAT_REQUEST_GET = 1,
    STAT_REQUEST_GETNEXT = 2,
    STAT_REQUEST_SET = 3,
    STAT_REQUEST_SET_OTHER = 4,
};

struct CStatRequest {
    int m_nKind = STAT_REQUEST_GET;
    HWND m_hOwner = 0;
    std::string m_strIpAddr;
    std::string m_strReadCommunity;
    std::string m_strWriteCommunity;
    CStatObjects* m_pObjects = nullptr;
    int m_nFirst = 0; // the first value object the request asks for
};

class CStatPoller : public CObject {
public:
    CStatPoller();
    ~CStatPoller() override;
    CStatPoller(const CStatPoller&) = delete;
    CStatPoller& operator=(const CStatPoller&) = delete;

    // Queues one poll of `poll.m_pObjects` (one request per run of 20, `poll.m_nFirst`
    // ignored) and sends the first; false, adding nothing, while a poll is still pending.
    bool Poll(const CStatRequest& poll);
    // Sends the first queued request unless one is in flight.
    void Send();
    // The reply receiver of every request.
    void OnReply(std::uint16_t code, CSnmpMsg* msg);

    std::size_t QueuedRequests() const { return m_queue.size(); }
    bool IsWaiting() const { return m_request.IsBusy(); }
    std::uint16_t GetStatusCode() const { return m_wStatus; }
    const std::string& GetStatusText() const { return m_strStatus; }

private:
    // The status of a reply to `request` (the objects take good values on the way).
    void TakeOutcome(const CStatRequest& request, std::uint16_t code, CSnmpMsg* msg);
    // After a failed request: its poll's later requests are not sent.
    void DropRestOfPoll(const CStatRequest& failed);

    std::deque<CStatRequest> m_queue; // the front is the one in flight
    COutstandingRequest m_request;
    std::unique_ptr<CSnmpClass> m_pSnmp;
    bool m_bSending = false;
    std::uint16_t m_wStatus = 0;
    std::string m_strStatus;
};
