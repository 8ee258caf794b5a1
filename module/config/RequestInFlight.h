#pragma once
// The request a window waits for. A send that fails calls the window's reply routine before
// SendSnmp returns its id, so the wait begins before the send: a reply during the send is the
// answer to it, and the id SendSnmp returns afterwards is only kept if nothing answered yet.

#include <cstdint>

class CRequestInFlight {
public:
    bool IsBusy() const { return m_state != State::Idle; }
    // Call right before SendSnmp.
    void BeginSend() { m_state = State::Sending; }
    // Call with what SendSnmp returned.
    void EndSend(std::uint32_t id) {
        if (m_state != State::Sending)
            return; // answered (or failed) while sending
        m_id = id;
        m_state = State::Waiting;
    }
    // Sends with `send` (which returns the request id) and waits for its answer.
    template <class Send> void SendWith(Send send) {
        BeginSend();
        EndSend(send());
    }
    // Whether a reply with this id is the one waited for; if so the wait is over.
    bool TakeReply(std::uint32_t replyId) {
        if (m_state == State::Idle || (m_state == State::Waiting && replyId != m_id))
            return false;
        m_state = State::Idle;
        return true;
    }

private:
    enum class State { Idle, Sending, Waiting };
    State m_state = State::Idle;
    std::uint32_t m_id = 0;
};
