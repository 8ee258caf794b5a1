#include "tests/agent/AgentTestClient.h"

#include <cstring>

#include <gtest/gtest.h>

#include "snmp/CSnmpMsg.h"
#include "snmp/NmOidTable.h"

std::vector<std::uint8_t> EncodeRequest(std::uint16_t pduType, const std::string& community,
                                        const std::vector<TestBinding>& binds,
                                        std::uint32_t* requestId) {
    CSnmpMsg msg(nullptr, {}, community, pduType);
    for (const TestBinding& b : binds) {
        switch (b.type) {
        case SNMP_TYPE_NULL:
            msg.m_pPdu->AddOid(b.oid);
            break;
        case SNMP_TYPE_OCTETS:
        case SNMP_TYPE_IPADDR:
            msg.m_pPdu->AddOid(b.oid, reinterpret_cast<const std::uint8_t*>(b.bytes.data()),
                               static_cast<int>(b.bytes.size()), b.type);
            break;
        default:
            msg.m_pPdu->AddOid(b.oid, static_cast<std::uint32_t>(b.number), b.type);
            break;
        }
    }
    msg.SnmpEncode();
    if (requestId) {
        *requestId = msg.m_pPdu->m_dwReqId;
    }
    return {msg.m_buf, msg.m_buf + msg.m_nLen};
}

std::optional<TestReply> DecodeReply(const std::vector<std::uint8_t>& datagram) {
    if (datagram.empty() || datagram.size() > kSnmpBufferSize) {
        return std::nullopt;
    }
    CSnmpMsg msg(nullptr, {}, {}, 0);
    std::memcpy(msg.m_buf, datagram.data(), datagram.size());
    msg.m_nLen = static_cast<int>(datagram.size());
    try {
        msg.SnmpDecode();
    } catch (const CSnmpException&) {
        return std::nullopt;
    }
    TestReply reply;
    reply.pduType = msg.m_wPduType & 0xFF;
    reply.requestId = msg.m_pPdu->m_dwReqId;
    reply.status = msg.m_pPdu->m_dwErrorStatus;
    reply.index = msg.m_pPdu->m_dwErrorIndex;
    reply.community = msg.m_strCommunity;
    for (const CSnmpVarBind* b : msg.m_pPdu->m_varBindList) {
        TestBinding binding{b->m_strOid, b->m_byType, 0, {}};
        switch (b->m_byType) {
        case SNMP_TYPE_INTEGER:
        case SNMP_TYPE_COUNTER:
        case SNMP_TYPE_GAUGE:
        case SNMP_TYPE_TIMETICKS:
            binding.number = b->GetInt64();
            break;
        default:
            binding.bytes = b->GetText();
            break;
        }
        reply.binds.push_back(std::move(binding));
    }
    return reply;
}

std::string Ent(const std::string& tail) {
    return "1.3.6.1.4.1.88888." + tail;
}

std::optional<TestReply> EngineClient::Send(std::uint16_t pduType, const std::string& community,
                                            const std::vector<TestBinding>& binds) {
    std::uint32_t id = 0;
    const std::vector<std::uint8_t> request = EncodeRequest(pduType, community, binds, &id);
    std::vector<std::uint8_t> reply;
    if (!engine.HandleDatagram(request.data(), static_cast<int>(request.size()), now, reply)) {
        return std::nullopt;
    }
    std::optional<TestReply> decoded = DecodeReply(reply);
    EXPECT_TRUE(decoded.has_value()) << "the agent's answer does not decode";
    if (decoded) {
        EXPECT_EQ(decoded->pduType, SNMP_PDU_RESPONSE);
        EXPECT_EQ(decoded->requestId, id);
        EXPECT_LE(reply.size(), 484u);
    }
    return decoded;
}

std::optional<TestReply> EngineClient::Get(const std::vector<std::string>& oids) {
    std::vector<TestBinding> binds;
    for (const std::string& oid : oids) {
        binds.push_back(TestBinding::Null(oid));
    }
    return Send(SNMP_PDU_GET, "tessla", binds);
}

std::optional<TestReply> EngineClient::GetNext(const std::vector<std::string>& oids) {
    std::vector<TestBinding> binds;
    for (const std::string& oid : oids) {
        binds.push_back(TestBinding::Null(oid));
    }
    return Send(SNMP_PDU_GETNEXT, "tessla", binds);
}

std::optional<TestReply> EngineClient::Set(const std::vector<TestBinding>& binds) {
    return Send(SNMP_PDU_SET, "marbelo", binds);
}

TestBinding EngineClient::Value(const std::string& oid) {
    const std::optional<TestReply> reply = Get({oid});
    if (!reply || reply->status != 0 || reply->binds.size() != 1) {
        ADD_FAILURE() << "no value for " << oid;
        return {};
    }
    return reply->binds[0];
}

std::vector<TestBinding> EngineClient::Walk() {
    std::vector<TestBinding> all;
    std::string oid = "1";
    for (int guard = 0; guard < 100000; ++guard) {
        const std::optional<TestReply> reply = GetNext({oid});
        if (!reply || reply->status != 0) {
            break;
        }
        all.push_back(reply->binds[0]);
        oid = reply->binds[0].oid;
    }
    return all;
}
