// The simulated switch over SNMPv2c (exceptions, GetBulk, the v2 set errors) and SNMPv3 (the
// engine library's authoritative side: discovery, authPriv, refusals, a reboot), driven
// through CAgentEngine directly with the engine's own requesting side as the manager.

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "agent/AgentProtocols.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpV3Image.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "snmp/UsmSession.h"
#include "tests/agent/AgentTestClient.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
const std::string kSystem = "1.3.6.1.2.1.1";

struct Reply {
    std::uint16_t type = 0;
    std::uint32_t status = 0;
    std::uint32_t index = 0;
    std::vector<std::string> names;
    std::vector<std::uint8_t> types;
    std::vector<std::string> texts;
};

Reply Read(CSnmpMsg& msg) {
    msg.SnmpDecode();
    Reply reply{static_cast<std::uint16_t>(msg.m_wPduType & 0xFF),
                msg.m_pPdu->m_dwErrorStatus,
                msg.m_pPdu->m_dwErrorIndex,
                {},
                {},
                {}};
    for (const CSnmpVarBind* b : msg.m_pPdu->m_varBindList) {
        reply.names.push_back(b->m_strOid);
        reply.types.push_back(b->m_byType);
        reply.texts.push_back(b->GetText());
    }
    return reply;
}

// A request in SNMPv2c's PDU form; a GetBulk carries its two numbers in status and index.
std::unique_ptr<CSnmpMsg> Request(std::uint16_t type, const std::vector<std::string>& oids,
                                  const std::string& community = "tessla") {
    auto msg = std::make_unique<CSnmpMsg>(nullptr, "", community, type);
    msg->m_nVersion = SNMP_VERSION_2C;
    for (const std::string& oid : oids) {
        msg->m_pPdu->AddOid(oid);
    }
    return msg;
}

AgentProtocols V2c() {
    AgentProtocols protocols;
    protocols.v2c = true;
    return protocols;
}

// Sends `msg` to the switch as SNMPv2c; no value when nothing came back.
std::optional<Reply> SendV2(EngineClient& client, CSnmpMsg& msg) {
    msg.SnmpEncode();
    std::vector<std::uint8_t> bytes;
    if (!client.engine.HandleDatagram(msg.m_buf, msg.m_nLen, client.now, bytes)) {
        return std::nullopt;
    }
    EXPECT_LE(bytes.size(), 484u);
    CSnmpMsg reply(nullptr, {}, {}, 0);
    reply.m_nVersion = SNMP_VERSION_2C;
    std::memcpy(reply.m_buf, bytes.data(), bytes.size());
    reply.m_nLen = static_cast<int>(bytes.size());
    return Read(reply);
}

} // namespace

TEST(AgentV2c, MissingObjectsAreExceptionsAndTheRequestSucceeds) {
    EngineClient client({}, 1'000'000, V2c());
    const std::string v1Descr = client.Value(kSysDescr).bytes;
    auto get = Request(SNMP_PDU_GET, {kSysDescr, "1.3.6.1.2.1.1.1.5", "1.3.6.1.2.1.99.0"});
    const std::optional<Reply> reply = SendV2(client, *get);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, 0u);
    ASSERT_EQ(reply->types.size(), 3u);
    EXPECT_EQ(reply->texts[0], v1Descr) << "the same object reads the same over both versions";
    EXPECT_EQ(reply->types[1], SNMP_TYPE_NOSUCHINSTANCE) << "sysDescr has no instance 5";
    EXPECT_EQ(reply->types[2], SNMP_TYPE_NOSUCHOBJECT);

    // Past the last object: endOfMibView under the name asked for.
    const std::string last = client.Walk().back().oid;
    auto next = Request(SNMP_PDU_GETNEXT, {last, kSystem});
    const std::optional<Reply> end = SendV2(client, *next);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->status, 0u);
    EXPECT_EQ(end->names[0], last);
    EXPECT_EQ(end->types[0], SNMP_TYPE_ENDOFMIBVIEW);
    EXPECT_EQ(end->names[1], kSysDescr);
}

TEST(AgentV2c, GetBulkFollowsGetNextAndStopsAtTheResponseSizeOrTheEnd) {
    EngineClient client({}, 1'000'000, V2c());
    const std::vector<TestBinding> walk = client.Walk();
    ASSERT_GT(walk.size(), 200u);

    // One non-repeater, then rows of two repeaters, as get-next chains give them.
    auto bulk = Request(SNMP_PDU_GETBULK, {kSystem, walk[10].oid, walk[100].oid});
    bulk->m_pPdu->m_dwErrorStatus = 1; // non-repeaters
    bulk->m_pPdu->m_dwErrorIndex = 4;  // max-repetitions
    const std::optional<Reply> rows = SendV2(client, *bulk);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->status, 0u);
    ASSERT_EQ(rows->names.size(), 1u + 2 * 4);
    EXPECT_EQ(rows->names[0], kSysDescr);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(rows->names[1 + 2 * row], walk[11 + row].oid);
        EXPECT_EQ(rows->names[2 + 2 * row], walk[101 + row].oid);
    }

    // More repetitions than fit: as many whole rows as fit, no error.
    auto many = Request(SNMP_PDU_GETBULK, {"1"});
    many->m_pPdu->m_dwErrorIndex = 1000;
    const std::optional<Reply> full = SendV2(client, *many);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->status, 0u);
    EXPECT_GT(full->names.size(), 5u);
    EXPECT_LT(full->names.size(), 100u);
    EXPECT_EQ(full->names.back(), walk[full->names.size() - 1].oid);

    // Near the end: the rows stop once every repeater is at the end of the view.
    auto tail = Request(SNMP_PDU_GETBULK, {walk[walk.size() - 2].oid});
    tail->m_pPdu->m_dwErrorIndex = 10;
    const std::optional<Reply> end = SendV2(client, *tail);
    ASSERT_TRUE(end);
    ASSERT_EQ(end->names.size(), 2u);
    EXPECT_EQ(end->names[0], walk.back().oid);
    EXPECT_EQ(end->types[1], SNMP_TYPE_ENDOFMIBVIEW);
}

TEST(AgentV2c, SetRefusalsNameTheirReasonAndV1KeepsItsTwoWords) {
    EngineClient client({}, 1'000'000, V2c());
    struct Case {
        TestBinding binding;
        std::uint32_t v1;
        std::uint32_t v2;
    };
    const std::vector<Case> cases = {
        {TestBinding::Str(kSysDescr, "x"), 2, 17},                    // read-only: notWritable
        {TestBinding::Str("1.3.6.1.2.1.1.99.0", "x"), 2, 11},         // no object: noCreation
        {TestBinding::Int(kSysContact, 5), 3, 7},                     // wrongType
        {TestBinding::Str(kSysContact, std::string(300, 'x')), 3, 10} // wrongValue
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.binding.oid);
        const std::optional<TestReply> v1 = client.Set({c.binding});
        ASSERT_TRUE(v1);
        EXPECT_EQ(v1->status, c.v1);
        auto set = Request(SNMP_PDU_SET, {}, "marbelo");
        if (c.binding.type == SNMP_TYPE_INTEGER) {
            set->m_pPdu->AddOid(c.binding.oid, std::uint32_t(c.binding.number), SNMP_TYPE_INTEGER);
        } else {
            set->m_pPdu->AddOid(c.binding.oid, c.binding.bytes, SNMP_TYPE_OCTETS);
        }
        const std::optional<Reply> v2 = SendV2(client, *set);
        ASSERT_TRUE(v2);
        EXPECT_EQ(v2->status, c.v2) << SnmpErrorStatusName(v2->status);
        EXPECT_EQ(v2->index, 1u);
    }
    // A good write over SNMPv2c is one, and the read community still may not write.
    auto good = Request(SNMP_PDU_SET, {}, "marbelo");
    good->m_pPdu->AddOid(kSysContact, std::string("ops over v2c"), SNMP_TYPE_OCTETS);
    ASSERT_TRUE(SendV2(client, *good));
    EXPECT_EQ(client.Value(kSysContact).bytes, "ops over v2c");
    auto refused = Request(SNMP_PDU_SET, {}, "tessla");
    refused->m_pPdu->AddOid(kSysContact, std::string("no"), SNMP_TYPE_OCTETS);
    EXPECT_FALSE(SendV2(client, *refused));
}

namespace {

const std::string kAuthPass = "agent-auth-1";
const std::string kPrivPass = "agent-priv-1";

UsmUser User(const std::string& name, UsmSecurityLevel level, const std::string& auth,
             const std::string& priv) {
    UsmUser user;
    user.userName = name;
    user.level = level;
    user.auth = UsmAuthProtocol::SHA256;
    user.authPassword = UsmSecret(auth);
    user.privPassword = UsmSecret(priv);
    return user;
}

AgentProtocols V3() {
    AgentProtocols protocols;
    protocols.v3Users.push_back(User("ops", UsmSecurityLevel::AuthPriv, kAuthPass, kPrivPass));
    protocols.engineBoots = 7;
    return protocols;
}

// The manager's side: one request through the engine's requesting session, with the resends
// discovery and time synchronisation ask for.
struct V3Manager {
    explicit V3Manager(UsmUser user) : session(std::move(user)) {}

    // The answer, or none with `failure` set when the security model refused; `datagrams`
    // counts what the manager sent.
    std::optional<Reply> Send(EngineClient& client, CSnmpMsg& msg, UsmFailure& failure) {
        failure = UsmFailure::None;
        msg.SnmpEncode();
        const std::vector<std::uint8_t> pdu =
            SnmpCommunityPdu(msg.m_buf, static_cast<std::size_t>(msg.m_nLen));
        const std::int64_t msgId = SnmpV3MessageId(msg.m_pPdu->m_dwReqId);
        for (int resends = 0;; ++resends) {
            const std::vector<std::uint8_t> wire = session.Protect(msgId, pdu);
            ++datagrams;
            std::vector<std::uint8_t> bytes;
            if (!client.engine.HandleDatagram(wire.data(), int(wire.size()), client.now, bytes)) {
                return std::nullopt;
            }
            const UsmIncoming in = session.Open(bytes.data(), bytes.size());
            if (in.failure != UsmFailure::None) {
                failure = in.failure;
                return std::nullopt;
            }
            CSnmpMsg reply(nullptr, {}, {}, 0);
            SnmpSetPduImage(reply, in.pdu);
            const Reply read = Read(reply);
            if (read.type != SNMP_PDU_REPORT) {
                return read;
            }
            if (session.OnReport(read.names.front(), resends, failure) == UsmReportAction::Fail) {
                return std::nullopt;
            }
        }
    }

    UsmSession session;
    int datagrams = 0;
};

} // namespace

TEST(AgentV3, AnAuthPrivUserDiscoversTheEngineReadsAndWrites) {
    EngineClient client({}, 1'000'000, V3());
    ASSERT_NE(client.engine.V3Engine(), nullptr);
    EXPECT_EQ(client.engine.V3UserNames(), std::vector<std::string>{"ops"});
    EXPECT_EQ(client.engine.V3Engine()->Boots(), 7u);
    V3Manager manager(User("ops", UsmSecurityLevel::AuthPriv, kAuthPass, kPrivPass));
    UsmFailure failure;

    auto get = Request(SNMP_PDU_GET, {kSysDescr});
    const std::optional<Reply> read = manager.Send(client, *get, failure);
    ASSERT_TRUE(read) << UsmFailureText(failure);
    EXPECT_EQ(read->texts[0], client.Value(kSysDescr).bytes);
    EXPECT_EQ(manager.datagrams, 2) << "discovery (which gives the clock too), then the request";

    auto set = Request(SNMP_PDU_SET, {}, "");
    set->m_pPdu->AddOid(kSysContact, std::string("ops over v3"), SNMP_TYPE_OCTETS);
    ASSERT_TRUE(manager.Send(client, *set, failure)) << UsmFailureText(failure);
    EXPECT_EQ(client.Value(kSysContact).bytes, "ops over v3");
    EXPECT_EQ(manager.datagrams, 3) << "the engine is known now: one datagram";

    // SNMPv2c was not asked for: a community request in it is not answered.
    auto v2 = Request(SNMP_PDU_GET, {kSysDescr});
    EXPECT_FALSE(SendV2(client, *v2));
}

TEST(AgentV3, RefusalsComeBackAsReportsTheManagerNamesOnce) {
    EngineClient client({}, 1'000'000, V3());
    UsmFailure failure;
    V3Manager wrongPass(User("ops", UsmSecurityLevel::AuthPriv, "not-the-pass", kPrivPass));
    auto get = Request(SNMP_PDU_GET, {kSysDescr});
    EXPECT_FALSE(wrongPass.Send(client, *get, failure));
    EXPECT_EQ(failure, UsmFailure::AuthenticationFailure);
    EXPECT_EQ(wrongPass.datagrams, 2) << "discovery, then the refused request, and no more";

    V3Manager stranger(User("nobody", UsmSecurityLevel::AuthPriv, kAuthPass, kPrivPass));
    EXPECT_FALSE(stranger.Send(client, *get, failure));
    EXPECT_EQ(failure, UsmFailure::UnknownUserName);

    V3Manager lowered(User("ops", UsmSecurityLevel::AuthNoPriv, kAuthPass, kPrivPass));
    EXPECT_FALSE(lowered.Send(client, *get, failure));
    EXPECT_EQ(failure, UsmFailure::UnsupportedSecurityLevel);
    EXPECT_EQ(client.engine.Stats().v3Refused, 2u + 2u + 2u) << "each probe and each refusal";
}

TEST(AgentV3, AResetIsABootTheManagerFollows) {
    SwitchSetup setup;
    setup.resetMs = 2000;
    EngineClient client(setup, 1'000'000, V3());
    V3Manager manager(User("ops", UsmSecurityLevel::AuthPriv, kAuthPass, kPrivPass));
    UsmFailure failure;
    auto get = Request(SNMP_PDU_GET, {kSysDescr});
    ASSERT_TRUE(manager.Send(client, *get, failure));

    // Writing 2 to the reset object restarts the switch: no answer, then a new boot.
    auto reset = Request(SNMP_PDU_SET, {}, "");
    reset->m_pPdu->AddOid(Ent("11.1.2.4.0"), std::uint32_t(2), SNMP_TYPE_INTEGER);
    EXPECT_FALSE(manager.Send(client, *reset, failure));
    EXPECT_EQ(client.engine.V3Engine()->Boots(), 8u);
    client.Advance(3000);
    const int before = manager.datagrams;
    ASSERT_TRUE(manager.Send(client, *get, failure)) << UsmFailureText(failure);
    EXPECT_EQ(manager.datagrams - before, 2) << "one notInTimeWindow report, then the answer";
}

TEST(AgentV3, WithoutUsersSnmpV3IsNotAnswered) {
    EngineClient client;
    EXPECT_EQ(client.engine.V3Engine(), nullptr);
    V3Manager manager(User("ops", UsmSecurityLevel::AuthPriv, kAuthPass, kPrivPass));
    UsmFailure failure;
    auto get = Request(SNMP_PDU_GET, {kSysDescr});
    EXPECT_FALSE(manager.Send(client, *get, failure));
    EXPECT_EQ(client.engine.Stats().badVersion, 1u);
}

TEST(AgentUsers, TheOptionTakesBothLevelsAndNeverRepeatsAPassphrase) {
    UsmUser user;
    std::string error;
    ASSERT_TRUE(ParseAgentUser("ops:SHA-512:auth-pass-1", user, error)) << error;
    EXPECT_EQ(user.userName, "ops");
    EXPECT_EQ(user.level, UsmSecurityLevel::AuthNoPriv);
    EXPECT_EQ(user.auth, UsmAuthProtocol::SHA512);
    ASSERT_TRUE(ParseAgentUser("ops:MD5:auth-pass-1:AES:priv:with:colons", user, error));
    EXPECT_EQ(user.level, UsmSecurityLevel::AuthPriv);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(user.privPassword.data()),
                          user.privPassword.size()),
              "priv:with:colons");

    for (const std::string bad :
         {"ops", "ops:SHA-3:secret-pass-1", "ops:SHA:short",
          "ops:SHA:secret-pass-1:DES:secret-pass-2", ":SHA:secret-pass-1"}) {
        SCOPED_TRACE(bad);
        error.clear();
        EXPECT_FALSE(ParseAgentUser(bad, user, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find("secret-pass"), std::string::npos) << error;
        EXPECT_EQ(error.find("short"), std::string::npos) << error;
    }

    char program[] = "taurel-agent", option[] = "--v3-user",
         value[] = "ops:SHA:pass-word-1:AES:p2-pass";
    char* argv[] = {program, option, value, nullptr};
    std::vector<std::string> args = {option, value};
    WipeAgentUserArguments(args, 3, argv);
    EXPECT_STREQ(value, "ops:SHA:");
    EXPECT_TRUE(args[1].empty());
}
