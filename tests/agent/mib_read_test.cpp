// Reading the switch's MIB: values of the system group, get-next order across the whole MIB,
// the objects and rows it must hold, and the errors and drops of RFC 1157.

#include <algorithm>

#include <gtest/gtest.h>

#include "agent/OidText.h"
#include "snmp/NmOidTable.h"
#include "tests/agent/AgentTestClient.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";
const std::string kLedStatus = Ent("11.9.1.1.1.7.0");

// Column OIDs (without instance) by the number of instances each must have for the default
// modules word (28 ports, 3 capability rows, 2 interfaces, 1 trap receiver), and their type.
struct ExpectedColumn {
    std::string oid;
    std::size_t rows;
    std::uint8_t type;
};

std::vector<ExpectedColumn> ExpectedColumns() {
    std::vector<ExpectedColumn> columns = {
        {"1.3.6.1.2.1.1.1", 1, 4},      {"1.3.6.1.2.1.1.2", 1, 6},
        {"1.3.6.1.2.1.1.3", 1, 0x43},   {"1.3.6.1.2.1.1.4", 1, 4},
        {"1.3.6.1.2.1.1.5", 1, 4},      {"1.3.6.1.2.1.1.6", 1, 4},
        {"1.3.6.1.2.1.17.4.2", 1, 2},   {"1.3.6.1.2.1.11.30", 1, 2},
        {Ent("11.1.1.1"), 1, 4},        {Ent("11.1.1.2"), 1, 4},
        {Ent("11.1.1.3"), 1, 4},        {Ent("11.1.1.4"), 1, 2},
        {Ent("11.1.2.5"), 1, 2},        {Ent("11.1.2.6"), 1, 2},
        {Ent("11.9.1.1.1.1"), 1, 2},    {Ent("11.9.1.1.1.2"), 1, 2},
        {Ent("11.9.1.1.1.7"), 1, 4},    {Ent("11.9.1.1.1.9.1.2"), 1, 2},
        {Ent("11.9.1.1.2.1"), 1, 2},    {Ent("11.1.1.5.1.1"), 3, 2},
        {Ent("11.1.1.5.1.2"), 3, 4},    {Ent("11.1.1.5.1.3"), 3, 2},
        {Ent("11.1.1.5.1.4"), 3, 2},    {Ent("11.1.3.2.1.1"), 2, 2},
        {Ent("11.1.3.2.1.2"), 2, 0x40}, {Ent("11.1.3.2.1.3"), 2, 0x40},
        {Ent("11.1.3.2.1.4"), 2, 0x40}, {Ent("11.1.3.2.1.5"), 2, 4},
        {Ent("11.1.3.2.1.6"), 2, 2},    {Ent("11.1.3.10.1.1"), 1, 0x40},
        {Ent("11.1.3.10.1.2"), 1, 4},   {Ent("11.1.3.10.1.3"), 1, 2},
    };
    for (int c = 1; c <= 8; ++c) {
        columns.push_back({Ent("11.9.1.2.1.1." + std::to_string(c)), 28, 2});
    }
    for (int c : {1, 2, 3, 4, 5, 9, 10}) {
        columns.push_back({Ent("11.9.1.2.2.1." + std::to_string(c)), 28, 2});
    }
    for (int c = 1; c <= 23; ++c) {
        columns.push_back(
            {Ent("11.9.1.2.3.1." + std::to_string(c)), 28, std::uint8_t(c <= 2 ? 2 : 0x41)});
    }
    return columns;
}

} // namespace

TEST(AgentRead, SystemGroupAndUpTimeInHundredths) {
    EngineClient client;
    const TestBinding descr = client.Value(kSysDescr);
    EXPECT_EQ(descr.type, SNMP_TYPE_OCTETS);
    EXPECT_FALSE(descr.bytes.empty());
    const TestBinding objectId = client.Value("1.3.6.1.2.1.1.2.0");
    EXPECT_EQ(objectId.type, SNMP_TYPE_OID);
    EXPECT_EQ(objectId.bytes.rfind("1.3.6.1.4.1.88888.", 0), 0u) << objectId.bytes;

    EXPECT_EQ(client.Value(kSysUpTime).number, 0);
    client.Advance(1234);
    const TestBinding upTime = client.Value(kSysUpTime);
    EXPECT_EQ(upTime.type, SNMP_TYPE_TIMETICKS);
    EXPECT_EQ(upTime.number, 123);
    client.Advance(60'000);
    EXPECT_EQ(client.Value(kSysUpTime).number, 6123);
}

TEST(AgentRead, WalkIsStrictlyOrderedEndsAndCoversEveryObject) {
    EngineClient client;
    const std::vector<TestBinding> walk = client.Walk();
    ASSERT_FALSE(walk.empty());
    for (std::size_t i = 1; i < walk.size(); ++i) {
        ASSERT_LT(ParseOid(walk[i - 1].oid), ParseOid(walk[i].oid)) << walk[i].oid;
    }
    // The walk ended with noSuchName on the last object.
    const auto past = client.GetNext({walk.back().oid});
    ASSERT_TRUE(past);
    EXPECT_EQ(past->status, 2u);
    EXPECT_EQ(past->index, 1u);

    std::size_t matched = 0;
    for (const ExpectedColumn& column : ExpectedColumns()) {
        std::size_t rows = 0;
        for (const TestBinding& b : walk) {
            if (b.oid.rfind(column.oid + ".", 0) == 0) {
                ++rows;
                EXPECT_EQ(b.type, column.type) << b.oid;
            }
        }
        EXPECT_EQ(rows, column.rows) << column.oid;
        matched += rows;
    }
    EXPECT_EQ(matched, walk.size()) << "the walk holds objects nobody listed";
}

TEST(AgentRead, UnknownObjectsAreNoSuchNameWithTheirIndex) {
    EngineClient client;
    const auto reply = client.Get({kSysDescr, Ent("11.1.1.99.0"), "1.3.6.1.2.1.1.5.0"});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, 2u);
    EXPECT_EQ(reply->index, 2u);
    ASSERT_EQ(reply->binds.size(), 3u); // the request comes back as it was
    EXPECT_EQ(reply->binds[1].oid, Ent("11.1.1.99.0"));
    EXPECT_EQ(reply->binds[1].type, SNMP_TYPE_NULL);

    for (const std::string& oid : {std::string("1.3.6.1.2.1.1.1"), // object without instance
                                   std::string("1.3.6.1.2.1.1.1.1"),
                                   Ent("11.1.2.4.0"), // write-only save/reset
                                   Ent("11.9.1.1.1.9.1.2.2")}) {
        const auto r = client.Get({oid});
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 2u) << oid;
        EXPECT_EQ(r->index, 1u) << oid;
    }
}

TEST(AgentRead, GetNextSkipsWriteOnlyAndAnswersEachBinding) {
    EngineClient client;
    // After the enterprise versions comes the capability table, not the save/reset object.
    const auto reply = client.GetNext({Ent("11.1.1.4.0"), Ent("11.1.2.4"), "1.3.6.1.2.1.1"});
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->status, 0u);
    EXPECT_EQ(reply->binds[0].oid, Ent("11.1.1.5.1.1.1"));
    EXPECT_EQ(reply->binds[1].oid, Ent("11.1.2.5.0"));
    EXPECT_EQ(reply->binds[2].oid, kSysDescr);

    const auto last = client.GetNext({kSysDescr, "2.0"});
    ASSERT_TRUE(last);
    EXPECT_EQ(last->status, 2u);
    EXPECT_EQ(last->index, 2u);
}

TEST(AgentRead, ResponsesOver484OctetsAreTooBig) {
    EngineClient client;
    // Each LED status binding takes 51 octets in a response: 8 fit, 9 need 491 octets.
    const auto fits = client.Get(std::vector<std::string>(8, kLedStatus));
    ASSERT_TRUE(fits);
    EXPECT_EQ(fits->status, 0u);
    for (std::size_t n : {9u, 15u}) {
        const auto reply = client.Get(std::vector<std::string>(n, kLedStatus));
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->status, 1u) << n;
        EXPECT_EQ(reply->index, 0u);
        EXPECT_EQ(reply->binds.size(), n); // the request's own bindings
    }
}

TEST(AgentRead, RefusedRequestsAreDroppedAndCounted) {
    EngineClient client;
    EXPECT_FALSE(client.Send(SNMP_PDU_GET, "public", {TestBinding::Null(kSysDescr)}));
    EXPECT_FALSE(client.Send(SNMP_PDU_GET, "", {TestBinding::Null(kSysDescr)}));
    // The read community may not write.
    EXPECT_FALSE(client.Send(SNMP_PDU_SET, "tessla", {TestBinding::Str("1.3.6.1.2.1.1.4.0", "x")}));
    EXPECT_EQ(client.engine.Stats().badCommunity, 3u);
    EXPECT_NE(client.Value("1.3.6.1.2.1.1.4.0").bytes, "x");
    // The write community may read.
    EXPECT_TRUE(client.Send(SNMP_PDU_GET, "marbelo", {TestBinding::Null(kSysDescr)}));

    // SNMPv2c (version 1) is not answered.
    std::vector<std::uint8_t> v2 =
        EncodeRequest(SNMP_PDU_GET, "tessla", {TestBinding::Null(kSysDescr)});
    ASSERT_EQ(v2[2], 0x02);
    ASSERT_EQ(v2[4], 0x00);
    v2[4] = 0x01;
    std::vector<std::uint8_t> reply;
    EXPECT_FALSE(client.engine.HandleDatagram(v2.data(), int(v2.size()), client.now, reply));
    EXPECT_EQ(client.engine.Stats().badVersion, 1u);

    const std::uint8_t garbage[] = {0x30, 0x05, 0x02, 0x01};
    EXPECT_FALSE(client.engine.HandleDatagram(garbage, 4, client.now, reply));
    EXPECT_EQ(client.engine.Stats().malformed, 1u);

    // A response or a trap sent to the agent is no request.
    EXPECT_FALSE(client.Send(SNMP_PDU_RESPONSE, "tessla", {TestBinding::Null(kSysDescr)}));
    EXPECT_EQ(client.engine.Stats().unsupportedPdu, 1u);
    EXPECT_FALSE(client.Send(SNMP_PDU_TRAP, "tessla", {}));
    EXPECT_TRUE(reply.empty());
}

TEST(AgentRead, DamagedRequestsNeverYieldABrokenAnswer) {
    EngineClient client;
    const std::vector<std::vector<std::uint8_t>> requests = {
        EncodeRequest(SNMP_PDU_GETNEXT, "tessla",
                      {TestBinding::Null(kSysDescr), TestBinding::Null(kLedStatus)}),
        EncodeRequest(SNMP_PDU_SET, "marbelo",
                      {TestBinding::Str("1.3.6.1.2.1.1.4.0", "abc"),
                       TestBinding::Ip(Ent("11.1.3.2.1.2.1"), 10, 0, 0, 2),
                       TestBinding::Int(Ent("11.1.3.10.1.3.10.0.0.1"), 3)}),
    };
    // Every octet of each request takes a few other values; whatever the agent answers must
    // be a well-formed response.
    std::vector<std::uint8_t> reply;
    for (const auto& request : requests) {
        for (std::size_t at = 0; at < request.size(); ++at) {
            for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0x81, 0xFF}) {
                std::vector<std::uint8_t> damaged = request;
                damaged[at] = value;
                if (client.engine.HandleDatagram(damaged.data(), int(damaged.size()), client.now,
                                                 reply)) {
                    const auto decoded = DecodeReply(reply);
                    ASSERT_TRUE(decoded) << "octet " << at << " = " << int(value);
                    EXPECT_EQ(decoded->pduType, SNMP_PDU_RESPONSE);
                    EXPECT_LE(reply.size(), 484u);
                }
            }
        }
    }
}
