#pragma once
// How many names a bulk walk asks for per GetBulk step when -Cr does not say: net-snmp's 10 at
// first, twice as many after each step the agent answered in full, quickly and well within the
// receive limit, half as many after a tooBig or a time-out. The walk prints the same rows
// whatever the count: only the number of round trips changes.

class BulkRepetitions {
public:
    static constexpr int kStart = 10;     // net-snmp's default, and the first step's count
    static constexpr int kCeiling = 1000; // never more per step, whatever the agent allows

    // `fixed` > 0: -Cr was given and every step asks for that many, whatever happens.
    // `receiveLimit`: the longest reply the engine takes, in bytes; `timeoutMs`: the time-out of
    // one attempt.
    BulkRepetitions(int fixed, int receiveLimit, int timeoutMs);

    int Current() const { return m_current; }
    bool Adaptive() const { return m_adaptive; }

    // A step asked for `asked` names and the agent answered with `received` bindings in `bytes`
    // bytes, `elapsedMs` after the request went out: the next step asks for twice as many when
    // the reply was full, at most a quarter of the receive limit and came within a quarter of
    // the time-out.
    void OnReply(int asked, int received, int bytes, int elapsedMs);
    // The agent refused the step as too big: true when a step of half as many names is to be
    // sent instead (and the steps grow no more); false when there is no smaller one to try or
    // the count is fixed, and the refusal is the walk's outcome.
    bool OnTooBig();
    // No reply came: true when the step is to be sent again with half as many names (never
    // below the start, and never growing again past that); false when the count is fixed or
    // already the start's, and the time-out is the walk's outcome, as with -Cr10.
    bool OnTimeout();

private:
    bool m_adaptive;
    int m_current;
    int m_ceiling = kCeiling;
    int m_receiveLimit;
    int m_timeoutMs;
};
