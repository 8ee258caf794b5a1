// Requests built from OID table rows, checked as they arrive on the wire at an in-test agent,
// the get-next walk position, and the display text of reply values.
#include <gtest/gtest.h>

#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"

namespace {

constexpr std::uint16_t RO = SNMP_ACCESS_READONLY;
constexpr std::uint16_t RW = SNMP_ACCESS_READWRITE;
constexpr std::uint16_t WO = SNMP_ACCESS_WRITEONLY;

const _NmEnumPair kAdminStatus[] = {{1, "Enabled"}, {2, "Disabled"}, {0, nullptr}};

struct SentBinding {
    std::string name;
    std::uint8_t type;
    std::string text;     // octet and OID values
    std::uint32_t number; // numeric values
};

class TableRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
    }
    void TearDown() override { SnmpDone(); }

    std::unique_ptr<CSnmpClass> Make(const _NmOidTable* rows, int count,
                                     const std::string& instance) {
        return std::make_unique<CSnmpClass>(&recorder, peer.Address(), "tessla", "marbelo", count,
                                            rows, instance);
    }

    // Sends and decodes what the agent received.
    std::unique_ptr<CSnmpMsg> SendAndCapture(CSnmpClass& request, std::uint16_t type) {
        const std::uint32_t id = request.SendSnmp(type);
        EXPECT_EQ(request.m_dwLastReqId, id);
        EXPECT_EQ(request.m_wPduType, type);
        auto msg = peer.ReceiveRequest();
        EXPECT_NE(msg, nullptr);
        if (msg) {
            EXPECT_EQ(msg->m_pPdu->m_dwReqId, id);
            EXPECT_EQ(msg->m_wPduType & 0xFF, type);
        }
        return msg;
    }

    static std::vector<SentBinding> Bindings(const CSnmpMsg& msg) {
        std::vector<SentBinding> out;
        for (const CSnmpVarBind* vb : msg.m_pPdu->m_varBindList) {
            out.push_back({vb->m_strOid, vb->m_byType, vb->GetText(), vb->GetUInt32()});
        }
        return out;
    }
    static std::vector<std::string> Names(const CSnmpMsg& msg) {
        std::vector<std::string> names;
        for (const SentBinding& b : Bindings(msg)) {
            names.push_back(b.name);
        }
        return names;
    }

    TestPeer peer;
    Recorder recorder;
};

TEST_F(TableRequestTest, GetSkipsWriteOnlyRowsAndNamesOidInstanceAndPosition) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RO, "1.3.6.1.4.1.99.1.1", "Port", nullptr, 0},
        {SNMP_TYPE_OCTETS, WO, "1.3.6.1.4.1.99.1.2", "Secret", nullptr, 0},
        {SNMP_TYPE_INTEGER, RW, "1.3.6.1.4.1.99.1.3", "Speed", nullptr, 0},
    };
    auto request = Make(rows, 3, ".1.5");
    request->m_strPosition = ".7";
    auto msg = SendAndCapture(*request, SNMP_PDU_GET);
    ASSERT_NE(msg, nullptr);
    EXPECT_EQ(msg->m_strCommunity, "tessla");
    EXPECT_EQ(Names(*msg),
              (std::vector<std::string>{"1.3.6.1.4.1.99.1.1.1.5.7", "1.3.6.1.4.1.99.1.3.1.5.7"}));
    for (const SentBinding& b : Bindings(*msg)) {
        EXPECT_EQ(b.type, SNMP_TYPE_NULL);
    }
}

TEST_F(TableRequestTest, SetSendsOnlyWritableNonIndexRowsWithTheEnumerationNumber) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RO, "1.3.6.1.4.1.99.2.1", "Status", nullptr, 0},
        {SNMP_TYPE_INTEGER, RW, "1.3.6.1.4.1.99.2.2", "Admin", kAdminStatus, 0},
        {SNMP_TYPE_INTEGER, RW | SNMP_ACCESS_INDEX, "1.3.6.1.4.1.99.2.3", "Index", nullptr, 0},
    };
    auto request = Make(rows, 3, ".0");
    for (CSnmpOid* oid : request->GetOidList()) {
        oid->m_strValue = "Disabled";
    }
    auto msg = SendAndCapture(*request, SNMP_PDU_SET);
    ASSERT_NE(msg, nullptr);
    EXPECT_EQ(msg->m_strCommunity, "marbelo");
    const auto sent = Bindings(*msg);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].name, "1.3.6.1.4.1.99.2.2.0");
    EXPECT_EQ(sent[0].type, SNMP_TYPE_INTEGER);
    EXPECT_EQ(sent[0].number, 2u);
}

TEST_F(TableRequestTest, EnumerationWithoutMatchingTextIsLeftOutButTheRequestGoes) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RW, "1.3.6.1.4.1.99.2.2", "Admin", kAdminStatus, 0},
    };
    for (const char* value : {"2", "disabled", "Disabled "}) {
        auto request = Make(rows, 1, ".0");
        request->GetOidList().front()->m_strValue = value;
        auto msg = SendAndCapture(*request, SNMP_PDU_SET);
        ASSERT_NE(msg, nullptr);
        EXPECT_TRUE(msg->m_pPdu->m_varBindList.empty()) << value;
    }
}

TEST_F(TableRequestTest, SetConvertsEachValueTypeAsTheRowSays) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RW, "1.9.1", "Number", nullptr, 0},
        {SNMP_TYPE_OCTETS, RW | SNMP_ACCESS_HEX, "1.9.2", "Key", nullptr, 0},
        {SNMP_TYPE_OCTETS, RW, "1.9.3", "Name", nullptr, 0},
        {SNMP_TYPE_OID, RW, "1.9.4", "Object", nullptr, 0},
        {SNMP_TYPE_IPADDR, RW, "1.9.5", "Address", nullptr, 0},
        {SNMP_TYPE_GAUGE, RW, "1.9.6", "Gauge", nullptr, 0},
        {SNMP_TYPE_TIMETICKS, RW, "1.9.7", "Ticks", nullptr, 0},
        {SNMP_TYPE_MAC, RW, "1.9.8", "Mac", nullptr, 0},
        {SNMP_TYPE_MAC, RW, "1.9.9", "Bad mac", nullptr, 0},
        {SNMP_TYPE_OPAQUE, RW, "1.9.10", "Opaque", nullptr, 0},
        {SNMP_TYPE_INTEGER, RW, "", "No object", nullptr, 0},
        {SNMP_TYPE_COUNTER, RW, "1.9.12", "Counter", nullptr, 0},
    };
    const char* values[] = {" -42abc",      "0a1B3",      "ab\x01", "1.3.6.1.4",
                            "192.168.0.1",  "4294967295", "100",    "00:80:c8:12:34:56",
                            "0080c8123456", "x",          "5",      "12"};
    auto request = Make(rows, 12, ".0");
    auto value = std::begin(values);
    for (CSnmpOid* oid : request->GetOidList()) {
        oid->m_strValue = *value++;
    }
    auto msg = SendAndCapture(*request, SNMP_PDU_SET);
    ASSERT_NE(msg, nullptr);
    const auto sent = Bindings(*msg);
    ASSERT_EQ(sent.size(), 9u);

    EXPECT_EQ(sent[0].name, "1.9.1.0");
    EXPECT_EQ(sent[0].type, SNMP_TYPE_INTEGER);
    EXPECT_EQ(static_cast<std::int32_t>(sent[0].number), -42);
    EXPECT_EQ(sent[1].type, SNMP_TYPE_OCTETS);
    EXPECT_EQ(sent[1].text, std::string("\x0a\x1b\x03", 3));
    EXPECT_EQ(sent[2].text, "ab\x01");
    EXPECT_EQ(sent[3].type, SNMP_TYPE_OID);
    EXPECT_EQ(sent[3].text, "1.3.6.1.4");
    EXPECT_EQ(sent[4].type, SNMP_TYPE_IPADDR);
    EXPECT_EQ(sent[4].text, std::string("\xc0\xa8\x00\x01", 4));
    EXPECT_EQ(sent[5].type, SNMP_TYPE_GAUGE);
    EXPECT_EQ(sent[5].number, 4294967295u);
    EXPECT_EQ(sent[6].type, SNMP_TYPE_TIMETICKS);
    EXPECT_EQ(sent[6].number, 100u);
    EXPECT_EQ(sent[7].name, "1.9.8.0");
    EXPECT_EQ(sent[7].type, SNMP_TYPE_OCTETS) << "a MAC address travels as an octet string";
    EXPECT_EQ(sent[7].text, std::string("\x00\x80\xc8\x12\x34\x56", 6));
    EXPECT_EQ(sent[8].name, "1.9.12.0");
    EXPECT_EQ(sent[8].type, SNMP_TYPE_COUNTER);
    EXPECT_EQ(sent[8].number, 12u);

    EXPECT_EQ(request->GetOidList().front()->m_strValue, " -42abc");
    EXPECT_EQ((*std::next(request->GetOidList().begin()))->m_strValue,
              std::string("\x0a\x1b\x03", 3))
        << "a hex value is replaced by its bytes once sent";
}

TEST_F(TableRequestTest, GetNextWalkFollowsTheRowPositionUntilTheTableEnds) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RO | SNMP_ACCESS_INDEX, "1.3.6.1.2.1.2.2.1.1", "ifIndex", nullptr, 0},
        {SNMP_TYPE_OCTETS, RO, "1.3.6.1.2.1.2.2.1.2", "ifDescr", nullptr, 0},
    };
    auto request = Make(rows, 2, "");
    auto first = SendAndCapture(*request, SNMP_PDU_GETNEXT);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Names(*first),
              (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.1", "1.3.6.1.2.1.2.2.1.2"}));

    CSnmpPdu row;
    row.AddOid("1.3.6.1.2.1.2.2.1.1.5", std::uint32_t{5}, SNMP_TYPE_INTEGER);
    EXPECT_FALSE(request->IsEndOfTable(&row));
    EXPECT_EQ(request->m_strPosition, ".5");
    auto second = SendAndCapture(*request, SNMP_PDU_GETNEXT);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Names(*second),
              (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.2.5"}));

    CSnmpPdu past;
    past.AddOid("1.3.6.1.2.1.2.2.1.2.1", std::string("eth0"), SNMP_TYPE_OCTETS);
    EXPECT_TRUE(request->IsEndOfTable(&past));
    EXPECT_EQ(request->m_strPosition, "");
    auto restart = SendAndCapture(*request, SNMP_PDU_GETNEXT);
    ASSERT_NE(restart, nullptr);
    EXPECT_EQ(Names(*restart), Names(*first)) << "the next walk starts at the first row";

    // The prefix's text elsewhere in a name is not a row: column 10, and another subtree.
    for (const char* name : {"1.3.6.1.2.1.2.2.1.10.1", "1.3.6.1.4.1.9.1.3.6.1.2.1.2.2.1.1.5"}) {
        CSnmpPdu other;
        other.AddOid(name, std::uint32_t{1}, SNMP_TYPE_INTEGER);
        request->m_strPosition = ".3";
        EXPECT_TRUE(request->IsEndOfTable(&other)) << name;
        EXPECT_EQ(request->m_strPosition, "");
    }

    CSnmpPdu empty;
    request->m_strPosition = ".3";
    EXPECT_TRUE(request->IsEndOfTable(&empty));
    EXPECT_EQ(request->m_strPosition, "");

    // An SNMPv2c agent's endOfMibView comes under the name asked for, inside the table: a
    // step from there would ask for that name again for ever.
    CSnmpPdu end;
    end.AddOid("1.3.6.1.2.1.2.2.1.1.5");
    end.m_varBindList.back()->m_byType = SNMP_TYPE_ENDOFMIBVIEW;
    request->m_strPosition = ".5";
    EXPECT_TRUE(request->IsEndOfTable(&end));
    EXPECT_EQ(request->m_strPosition, "");
}

TEST_F(TableRequestTest, AnAgentNamedForSnmpV2cGetsEveryTableRequestInIt) {
    const _NmOidTable rows[] = {{SNMP_TYPE_OCTETS, RO, "1.3.6.1.2.1.1.5", "Name", nullptr, 0}};
    auto request = Make(rows, 1, ".0");
    request->SetSnmpCallback(Recorder::Callback());
    SetSnmpAgentVersion(peer.Address(), SNMP_VERSION_2C);
    auto v2 = SendAndCapture(*request, SNMP_PDU_GET);
    ASSERT_NE(v2, nullptr);
    EXPECT_EQ(v2->m_nVersion, SNMP_VERSION_2C);
    // Its reply is read as SNMPv2c: an exception in it arrives in words, not as a failure.
    peer.SendRaw(EncodeResponse(
        v2->m_pPdu->m_dwReqId,
        [](CSnmpPdu& pdu) {
            pdu.AddOid("1.3.6.1.2.1.1.5.0");
            pdu.m_varBindList.back()->m_byType = SNMP_TYPE_NOSUCHOBJECT;
        },
        0, 0, "tessla", SNMP_VERSION_2C));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }));
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(CSnmpClass::FormatValue(recorder.calls[0].msg->m_pPdu->m_varBindList.front(),
                                      request->GetOidList().front()),
              "noSuchObject");

    SetSnmpAgentVersion(peer.Address(), SNMP_VERSION_1);
    auto v1 = SendAndCapture(*request, SNMP_PDU_GET);
    ASSERT_NE(v1, nullptr);
    EXPECT_EQ(v1->m_nVersion, SNMP_VERSION_1) << "named back to SNMPv1, the default";
}

TEST_F(TableRequestTest, RepliesReachTheRegisteredReceiverOfTheRequester) {
    const _NmOidTable rows[] = {{SNMP_TYPE_OCTETS, RO, "1.3.6.1.2.1.1.5", "Name", nullptr, 0}};
    auto request = Make(rows, 1, ".0");
    request->SetSnmpCallback(Recorder::Callback());
    auto msg = SendAndCapture(*request, SNMP_PDU_GET);
    ASSERT_NE(msg, nullptr);
    peer.SendResponse(msg->m_pPdu->m_dwReqId);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }));
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, request->m_dwLastReqId);

    // A failed send reaches the same receiver before SendSnmp returns.
    request->m_strIpAddr = "127.0.0.1:0";
    request->SendSnmp(SNMP_PDU_GET);
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].code, 255);
}

TEST(TableRequestList, RemoveReadOnlyKeepsIndexColumnsAndWritableRowsInOrder) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RO, "1.1", "a", nullptr, 0},
        {SNMP_TYPE_INTEGER, RO | SNMP_ACCESS_INDEX, "1.2", "b", nullptr, 0},
        {SNMP_TYPE_INTEGER, RW, "1.3", "c", nullptr, 0},
        {SNMP_TYPE_INTEGER, WO | SNMP_ACCESS_HEX, "1.4", "d", nullptr, 0},
    };
    CSnmpClass request(nullptr, "127.0.0.1", "r", "w", 4, rows, ".0");
    request.RemoveReadOnlyObjid();
    std::vector<std::string> names;
    for (const CSnmpOid* oid : request.GetOidList()) {
        names.push_back(oid->m_strName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"b", "c", "d"}));
}

// --- display text -------------------------------------------------------------------------

std::unique_ptr<CSnmpVarBind> Octets(const std::string& bytes, std::uint8_t type) {
    auto vb = std::make_unique<CSnmpVarBind>("1.1");
    vb->SetValue(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                 static_cast<int>(bytes.size()), type);
    return vb;
}
std::unique_ptr<CSnmpVarBind> Number(std::uint32_t value, std::uint8_t type) {
    auto vb = std::make_unique<CSnmpVarBind>("1.1");
    vb->SetValue(value, type);
    return vb;
}

TEST(FormatValue, OctetsAddressesAndMacAddresses) {
    const std::string bytes("\x00\x80\xc8", 3);
    CSnmpOid hex(SNMP_TYPE_OCTETS, RO | SNMP_ACCESS_HEX, "1.1", "key", "");
    CSnmpOid plain(SNMP_TYPE_OCTETS, RO, "1.1", "name", "");
    CSnmpOid mac(SNMP_TYPE_MAC, RO, "1.1", "mac", "");
    EXPECT_EQ(CSnmpClass::FormatValue(Octets(bytes, SNMP_TYPE_OCTETS).get(), &hex), "0080c8");
    EXPECT_EQ(CSnmpClass::FormatValue(Octets(bytes, SNMP_TYPE_OCTETS).get(), &plain), "");
    EXPECT_EQ(CSnmpClass::FormatValue(Octets("sw", SNMP_TYPE_OPAQUE).get(), nullptr), "sw");
    EXPECT_EQ(CSnmpClass::FormatValue(
                  Octets(std::string("\xc0\xa8\x00\x01", 4), SNMP_TYPE_IPADDR).get(), nullptr),
              "192.168.0.1");
    EXPECT_EQ(CSnmpClass::FormatValue(
                  Octets(std::string("\x00\x80\xc8\x12\x34\x56", 6), SNMP_TYPE_OCTETS).get(), &mac),
              "00:80:c8:12:34:56");
    // Values too short for their display type show nothing rather than reading past them.
    EXPECT_EQ(CSnmpClass::FormatValue(Octets(bytes, SNMP_TYPE_OCTETS).get(), &mac), "");
    EXPECT_EQ(CSnmpClass::FormatValue(Octets("\x01", SNMP_TYPE_IPADDR).get(), nullptr), "");
}

TEST(FormatValue, NumbersEnumerationsNullAndIdentifiers) {
    const _NmOidTable row = {SNMP_TYPE_INTEGER, RW, "1.1", "admin", kAdminStatus, 0};
    CSnmpOid admin(row);
    CSnmpOid plain(SNMP_TYPE_INTEGER, RW, "1.1", "count", "");
    EXPECT_EQ(CSnmpClass::FormatValue(Number(2, SNMP_TYPE_INTEGER).get(), &admin), "Disabled");
    EXPECT_EQ(CSnmpClass::FormatValue(Number(3, SNMP_TYPE_INTEGER).get(), &admin), "3");
    EXPECT_EQ(CSnmpClass::FormatValue(Number(2, SNMP_TYPE_INTEGER).get(), &plain), "2");
    // Counter, Gauge and TimeTicks are unsigned: 2^31 and above never read as negative.
    EXPECT_EQ(CSnmpClass::FormatValue(Number(0x80000000, SNMP_TYPE_COUNTER).get(), nullptr),
              "2147483648");
    EXPECT_EQ(CSnmpClass::FormatValue(Number(0xFFFFFFFF, SNMP_TYPE_TIMETICKS).get(), nullptr),
              "4294967295");
    CSnmpVarBind wide("1.1");
    wide.SetValue(std::int64_t{0x100000007}, SNMP_TYPE_GAUGE);
    EXPECT_EQ(CSnmpClass::FormatValue(&wide, nullptr), "7") << "only the low 32 bits";
    CSnmpVarBind null("1.1");
    EXPECT_EQ(CSnmpClass::FormatValue(&null, nullptr), "Null");
    CSnmpVarBind oid("1.1");
    oid.SetValue(std::string("1.3.6.1.4.1.99"), SNMP_TYPE_OID);
    EXPECT_EQ(CSnmpClass::FormatValue(&oid, nullptr), "1.3.6.1.4.1.99");
}

TEST(FormatValue, Counter64InFullAndExceptionsWhateverTheRowsType) {
    CSnmpVarBind big("1.1");
    big.SetValue(std::int64_t{-1}, SNMP_TYPE_COUNTER64);
    EXPECT_EQ(CSnmpClass::FormatValue(&big, nullptr), "18446744073709551615");
    CSnmpOid counter32(SNMP_TYPE_COUNTER, RO, "1.1", "octets", "");
    big.SetValue(std::int64_t{0x100000005}, SNMP_TYPE_COUNTER64);
    EXPECT_EQ(CSnmpClass::FormatValue(&big, &counter32), "4294967301") << "not 5";
    CSnmpOid counter(SNMP_TYPE_INTEGER, RO, "1.1", "count", "");
    const std::vector<std::pair<std::uint8_t, std::string>> exceptions = {
        {SNMP_TYPE_NOSUCHOBJECT, "noSuchObject"},
        {SNMP_TYPE_NOSUCHINSTANCE, "noSuchInstance"},
        {SNMP_TYPE_ENDOFMIBVIEW, "endOfMibView"}};
    for (const auto& [type, text] : exceptions) {
        CSnmpVarBind vb("1.1");
        vb.m_byType = type;
        EXPECT_EQ(CSnmpClass::FormatValue(&vb, &counter), text) << "not the number 0";
    }
}

TEST_F(TableRequestTest, AnOctetStringKeepsEveryOctetFromReplyToSet) {
    const std::string bytes("A\x00"
                            "B\x09",
                            4);
    CSnmpOid plain(SNMP_TYPE_OCTETS, RW, "1.1", "location", "");
    CSnmpOid hex(SNMP_TYPE_OCTETS, RW | SNMP_ACCESS_HEX, "1.1", "key", "");
    EXPECT_EQ(CSnmpClass::ValueText(Octets(bytes, SNMP_TYPE_OCTETS).get(), &plain), bytes);
    EXPECT_EQ(CSnmpClass::ValueText(Octets(bytes, SNMP_TYPE_OCTETS).get(), nullptr), bytes);
    EXPECT_EQ(CSnmpClass::FormatValue(Octets(bytes, SNMP_TYPE_OCTETS).get(), &plain), "A")
        << "shown as a C string, the text ends at the zero byte";
    EXPECT_EQ(CSnmpClass::ValueText(Octets(bytes, SNMP_TYPE_OCTETS).get(), &hex), "41004209");

    const _NmOidTable row[] = {{SNMP_TYPE_OCTETS, RW, "1.3.6.1.2.1.1.6", "Location", nullptr, 0}};
    auto request = Make(row, 1, ".0");
    request->GetOidList().front()->m_strValue =
        CSnmpClass::ValueText(Octets(bytes, SNMP_TYPE_OCTETS).get(), request->GetOidList().front());
    auto msg = SendAndCapture(*request, SNMP_PDU_SET);
    ASSERT_NE(msg, nullptr);
    const auto sent = Bindings(*msg);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, bytes);
}

TEST(SetCarriesAnything, OnlyObjectsASetWouldCarry) {
    const _NmOidTable rows[] = {
        {SNMP_TYPE_INTEGER, RO, "1.1", "read-only", nullptr, 0},
        {SNMP_TYPE_INTEGER, RW | SNMP_ACCESS_INDEX, "1.2", "index", nullptr, 0},
        {SNMP_TYPE_INTEGER, RW, "1.3", "choice", kAdminStatus, 0},
        {SNMP_TYPE_MAC, RW, "1.4", "mac", nullptr, 0},
    };
    CSnmpClass request(nullptr, "127.0.0.1", "r", "w", 4, rows, ".0");
    auto object = [&](int i) { return *std::next(request.GetOidList().begin(), i); };
    object(2)->m_strValue = "7 (unknown)";
    object(3)->m_strValue = "0080c8123456";
    EXPECT_FALSE(request.SetCarriesAnything()) << "no entry named, no MAC address";
    object(3)->m_strValue = "00:80:c8:12:34:56";
    EXPECT_TRUE(request.SetCarriesAnything());
    object(3)->m_strValue.clear();
    object(2)->m_strValue = "Disabled";
    EXPECT_TRUE(request.SetCarriesAnything());
}

} // namespace
