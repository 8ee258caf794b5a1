#pragma once
// The one request a window waits for. A send that fails calls the receiver before SendSnmp
// returns, so the request is marked as being sent first: the receiver then recognises it and
// clears it, and the id SendSnmp returns is recorded only for a request still in flight.

#include <cstdint>

class CSnmpMsg;

class COutstandingRequest {
public:
    bool IsBusy() const { return m_id != 0; }
    std::uint32_t Id() const { return m_id; }

    // Sends through `send` (which returns the request id) and records the id unless the
    // receiver already had the outcome.
    template <typename Send> void Start(Send send) {
        m_id = kSending;
        const std::uint32_t id = send();
        if (m_id == kSending)
            m_id = id;
    }
    // Whether `msg` is the outcome of the awaited request.
    bool Matches(const CSnmpMsg* msg) const;
    void Clear() { m_id = 0; }

private:
    static constexpr std::uint32_t kSending = 0xFFFFFFFFu;
    std::uint32_t m_id = 0;
};
