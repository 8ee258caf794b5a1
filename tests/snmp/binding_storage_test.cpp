// The storage of a reply's bindings: the list's slots and blocks, and names held inline or on
// the heap. Run under the sanitizers, these also catch a binding destroyed the wrong way.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "SnmpTestBytes.h"
#include "platform/core/CArchive.h"

namespace {

// 1.3.6.1.4.1.88888.N as a name element (N < 128).
Bytes ColumnName(std::uint8_t n) {
    return {0x06, 0x09, 0x2B, 0x06, 0x01, 0x04, 0x01, 0x85, 0xB6, 0x38, n};
}

std::string ColumnText(int n) {
    return "1.3.6.1.4.1.88888." + std::to_string(n);
}

} // namespace

TEST(BindingStorageTest, ManyBindingsKeepWireOrderThroughDecodeLoadAndReuse) {
    // 28 bindings (as many as a datagram holds): past the list's inline slots and across
    // several blocks.
    Bytes bindings;
    for (std::uint8_t n = 0; n < 28; ++n) {
        bindings = Cat({bindings, VarBind(ColumnName(n), Bytes{0x41, 0x01, n})});
    }
    ASSERT_LE(Response(bindings).size(), 512u);
    std::unique_ptr<CSnmpMsg> msg(Received(Response(bindings)));
    msg->SnmpDecode();
    ASSERT_EQ(msg->m_pPdu->m_varBindList.size(), 28u);
    int n = 0;
    for (const CSnmpVarBind* b : msg->m_pPdu->m_varBindList) {
        EXPECT_EQ(b->m_strOid, ColumnText(n));
        EXPECT_EQ(b->GetUInt32(), static_cast<std::uint32_t>(n));
        ++n;
    }
    EXPECT_EQ(msg->m_pPdu->m_varBindList.back()->m_strOid, ColumnText(27));

    // Loading appends bindings made by class name after the decoded ones; the list owns both.
    CArchive out;
    msg->Serialize(out);
    CArchive in(out.Bytes());
    msg->Serialize(in);
    ASSERT_EQ(msg->m_pPdu->m_varBindList.size(), 56u);
    auto it = msg->m_pPdu->m_varBindList.begin();
    EXPECT_EQ(it[28]->m_strOid, ColumnText(0));
    EXPECT_EQ(it[55]->GetUInt32(), 27u);

    // Emptied, the PDU takes new bindings, as a request does when its reply is decoded into it.
    msg->m_pPdu->RemoveVarBinds();
    EXPECT_TRUE(msg->m_pPdu->m_varBindList.empty());
    msg->SnmpDecode();
    EXPECT_EQ(msg->m_pPdu->m_varBindList.size(), 28u);
    EXPECT_EQ(msg->m_pPdu->m_varBindList.front()->m_strOid, ColumnText(0));
}

TEST(BindingStorageTest, NamesOfEveryLengthRoundTrip) {
    // Around the inline limit, and far past it.
    for (const int numbers : {2, 23, 24, 25, 40, 64}) {
        std::string name = "1.3";
        for (int i = 2; i < numbers; ++i) {
            name += ".1";
        }
        std::unique_ptr<CSnmpMsg> out(new CSnmpMsg(nullptr, "", "c", SNMP_PDU_GET));
        out->m_pPdu->AddOid(name);
        out->SnmpEncode();
        std::unique_ptr<CSnmpMsg> in(Received(Image(*out)));
        in->SnmpDecode();
        ASSERT_EQ(in->m_pPdu->m_varBindList.size(), 1u);
        const CSnmpOidText& text = in->m_pPdu->m_varBindList.front()->m_strOid;
        EXPECT_EQ(text, name);
        EXPECT_EQ(text.size(), name.size());
        EXPECT_EQ(text.c_str()[text.size()], '\0');
    }
}

TEST(BindingStorageTest, SubIdentifiersOfEveryDecimalWidth) {
    for (const std::uint32_t value :
         {127u, 128u, 999u, 1000u, 9999u, 10000u, 99999u, 100000u, 999999u, 1000000u, 9999999u,
          10000000u, 99999999u, 100000000u, 999999999u, 1000000000u, 4294967295u}) {
        const std::string name = "1.3." + std::to_string(value) + ".0";
        std::unique_ptr<CSnmpMsg> out(new CSnmpMsg(nullptr, "", "c", SNMP_PDU_GET));
        out->m_pPdu->AddOid(name);
        out->SnmpEncode();
        std::unique_ptr<CSnmpMsg> in(Received(Image(*out)));
        in->SnmpDecode();
        EXPECT_EQ(in->m_pPdu->m_varBindList.front()->m_strOid, name);
    }
}

TEST(BindingStorageTest, IdentifierOfSixtyFourNumbersInOverSixtyFourOctets) {
    // Too long to be sure of its count without counting: the count decides, and 64 fit.
    Bytes name{0x06, 0x00, 0x2B};
    for (int i = 0; i < 62; ++i) {
        name.insert(name.end(), {0x81, 0x00}); // 128
    }
    name[1] = static_cast<std::uint8_t>(name.size() - 2);
    std::unique_ptr<CSnmpMsg> msg(Received(Response(VarBind(name, Bytes{0x05, 0x00}))));
    msg->SnmpDecode();
    std::string expected = "1.3";
    for (int i = 0; i < 62; ++i) {
        expected += ".128";
    }
    EXPECT_EQ(msg->m_pPdu->m_varBindList.front()->m_strOid, expected);
}

TEST(BindingStorageTest, NameTextReadsAndWritesLikeAString) {
    const std::string longText(60, '7');
    CSnmpOidText a("1.3.6.1.2.1.1.5.0");
    CSnmpOidText b(longText);
    EXPECT_EQ(a, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(std::string("1.3.6.1.2.1.1.5.0"), a);
    EXPECT_LT(a, b); // ordered like its text
    EXPECT_GT(a, std::string("1.3.6.1.2.1.1.10"));
    EXPECT_EQ(a.rfind("1.3.6.1.2.1.1", 0), 0u);
    EXPECT_EQ(a.substr(14), "5.0");
    EXPECT_EQ(" " + a + "!", " 1.3.6.1.2.1.1.5.0!");
    const std::string& asString = a; // callers that take a std::string get a copy
    EXPECT_EQ(asString, "1.3.6.1.2.1.1.5.0");
    std::ostringstream stream;
    stream << a;
    EXPECT_EQ(stream.str(), "1.3.6.1.2.1.1.5.0");

    // Copies and moves between inline and heap text, and assignment from its own text.
    CSnmpOidText c(b);
    EXPECT_EQ(c, longText);
    c = a;
    EXPECT_EQ(c, a);
    CSnmpOidText d(std::move(b));
    EXPECT_EQ(d, longText);
    b = std::move(d);
    EXPECT_EQ(b, longText);
    b = b.view().substr(10);
    EXPECT_EQ(b, longText.substr(10));
    b = b.view().substr(30);
    EXPECT_EQ(b, longText.substr(40));
    a = std::string("x");
    EXPECT_EQ(a.size(), 1u);
    EXPECT_STREQ(a.c_str(), "x");
}
