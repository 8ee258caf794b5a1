#pragma once
// Builds request datagrams with the engine's codec and reads the agent's answers, for tests
// that talk to CAgentEngine directly or over UDP.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "agent/CAgentEngine.h"

struct TestBinding {
    std::string oid;
    std::uint8_t type = 5;
    std::int64_t number = 0;
    std::string bytes;

    static TestBinding Null(std::string oid) { return {std::move(oid), 5, 0, {}}; }
    static TestBinding Int(std::string oid, std::int64_t v) { return {std::move(oid), 2, v, {}}; }
    static TestBinding Str(std::string oid, std::string s) {
        return {std::move(oid), 4, 0, std::move(s)};
    }
    static TestBinding Ip(std::string oid, std::uint8_t a, std::uint8_t b, std::uint8_t c,
                          std::uint8_t d) {
        return {std::move(oid), 0x40, 0, std::string{char(a), char(b), char(c), char(d)}};
    }
};

struct TestReply {
    std::uint16_t pduType = 0;
    std::uint32_t requestId = 0;
    std::uint32_t status = 0;
    std::uint32_t index = 0;
    std::string community;
    std::vector<TestBinding> binds;
};

std::vector<std::uint8_t> EncodeRequest(std::uint16_t pduType, const std::string& community,
                                        const std::vector<TestBinding>& binds,
                                        std::uint32_t* requestId = nullptr);
// Empty when the bytes do not decode.
std::optional<TestReply> DecodeReply(const std::vector<std::uint8_t>& datagram);

// E, the enterprise prefix, followed by `tail`.
std::string Ent(const std::string& tail);

// Talks to an engine at a test-controlled time.
class EngineClient {
public:
    explicit EngineClient(const SwitchSetup& setup = {}, std::int64_t startMs = 1'000'000,
                          AgentProtocols protocols = {})
        : now(startMs), engine(setup, AgentCommunities{}, startMs, std::move(protocols)) {}

    // No value when the agent gave no answer.
    std::optional<TestReply> Send(std::uint16_t pduType, const std::string& community,
                                  const std::vector<TestBinding>& binds);
    std::optional<TestReply> Get(const std::vector<std::string>& oids);
    std::optional<TestReply> GetNext(const std::vector<std::string>& oids);
    std::optional<TestReply> Set(const std::vector<TestBinding>& binds);
    // The value of one object read with get; fails the test when there is none.
    TestBinding Value(const std::string& oid);
    // Every binding get-next returns, from the start of the MIB to its end.
    std::vector<TestBinding> Walk();
    void Advance(std::int64_t ms) { now += ms; }

    std::int64_t now;
    CAgentEngine engine;
};
