#pragma once
// An in-test SNMPv1 agent with a fixed set of objects: answers get and get-next from them (and
// noSuchName past the end), so the client can be run against it in-process or as a program.

#include <functional>
#include <map>
#include <string>

#include "tests/snmp/transport/TestPeer.h"

class ScriptedAgent {
public:
    using Value = std::function<void(CSnmpPdu&, const std::string& name)>;

    void AddText(const std::string& oid, const std::string& text);
    void AddInteger(const std::string& oid, std::int32_t value);
    // Every get-next is answered with `oid`, whatever it asked for.
    void AnswerEveryGetNextWith(const std::string& oid) { m_stuckAt = oid; }

    std::string Address() const { return m_peer.Address(); }
    // Answers the requests waiting now.
    void ServePending();
    // Answers requests while running the event loop until `done` or `maxMs` pass.
    bool ServeUntil(const std::function<bool()>& done, int maxMs = 5000);
    int RequestsServed() const { return m_served; }

private:
    void Answer(const CSnmpMsg& request);

    struct OidLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, Value, OidLess> m_objects;
    std::string m_stuckAt;
    TestPeer m_peer;
    int m_served = 0;
};
