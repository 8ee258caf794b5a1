#include <gtest/gtest.h>

#include <memory>

#include "module/mib/CMibIPAddress.h"
#include "module/mib/CMibInt32.h"
#include "module/mib/CMibOctetString.h"
#include "module/mib/MibTypeMap.h"

namespace {
const _NmEnumPair kDisableEnable[] = {{2, "Disable"}, {3, "Enable"}, {0, nullptr}};
} // namespace

TEST(MibTypeMap, TypeCodesChooseTheValueClass) {
    for (std::uint8_t type : {0x02, 0x41, 0x42, 0x43}) {
        EXPECT_EQ(MibDataClassOf(type), RUNTIME_CLASS(CMibInt32)) << int(type);
    }
    EXPECT_EQ(MibDataClassOf(0x40), RUNTIME_CLASS(CMibIPAddress));
    EXPECT_EQ(MibDataClassOf(0x05), nullptr);
    for (std::uint8_t type : {0x04, 0x06, 0x44, 0x4F}) {
        EXPECT_EQ(MibDataClassOf(type), RUNTIME_CLASS(CMibOctetString)) << int(type);
    }
}

TEST(MibTypeMap, BindingValuesAreSetWithoutEnumeration) {
    std::unique_ptr<CMibData> holder;

    CSnmpVarBind counter("1.3.6.1.4.1.88888.11.9.1.2.3.1.3.1.1");
    counter.SetValue(std::uint32_t{4000000000u}, SNMP_TYPE_COUNTER);
    MibDataForVarBind(holder, counter);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibInt32));
    EXPECT_EQ(holder->Format(), "4000000000");

    // A reply integer of more than 4 octets arrives as 64 bits; the value keeps the low 32.
    CSnmpVarBind wide("1.3.6.1.2.1.1.3.0");
    wide.SetValue(std::int64_t{0x100000005}, SNMP_TYPE_TIMETICKS);
    MibDataForVarBind(holder, wide);
    EXPECT_EQ(holder->Format(), "5");

    CSnmpVarBind address("1.3.6.1.4.1.88888.11.1.3.2.1.2.1");
    const std::uint8_t ip[] = {10, 0, 0, 1};
    address.SetValue(ip, 4, SNMP_TYPE_IPADDR);
    MibDataForVarBind(holder, address);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibIPAddress));
    EXPECT_EQ(holder->Format(), "10.0.0.1");

    CSnmpVarBind text("1.3.6.1.2.1.1.5.0");
    text.SetValue(std::string("switch-7"), SNMP_TYPE_OCTETS);
    MibDataForVarBind(holder, text);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibOctetString));
    EXPECT_EQ(holder->Format(), "switch-7");
    EXPECT_EQ(holder->GetEnumTable(), nullptr);

    CSnmpVarBind oid("1.3.6.1.2.1.1.2.0");
    oid.SetValue(std::string("1.3.6.1.4.1.88888"), SNMP_TYPE_OID);
    MibDataForVarBind(holder, oid);
    EXPECT_EQ(holder->Format(), "1.3.6.1.4.1.88888"); // the OID's text, not its storage

    CSnmpVarBind null("1.3.6.1.2.1.1.1.0");
    MibDataForVarBind(holder, null);
    EXPECT_EQ(holder, nullptr);
}

TEST(MibTypeMap, AHolderOfTheRightClassIsKeptAndAnyOtherReplaced) {
    _NmOidTable row{SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.1.2.1", "Learning State",
                    kDisableEnable,    0};
    auto number = std::make_unique<CMibInt32>();
    number->SetValue(3);
    const CMibData* kept = number.get();
    std::unique_ptr<CMibData> holder = std::move(number);

    MibDataForOidRow(holder, row);
    EXPECT_EQ(holder.get(), kept);
    EXPECT_EQ(holder->Format(), "Enable"); // the value stays, the row's names now show it

    CSnmpVarBind counter("x");
    counter.SetValue(std::uint32_t{2}, SNMP_TYPE_INTEGER);
    MibDataForVarBind(holder, counter);
    EXPECT_EQ(holder.get(), kept);
    EXPECT_EQ(holder->Format(), "Disable"); // the binding brings no table of its own

    row.byType = SNMP_TYPE_IPADDR;
    row.pEnum = nullptr;
    MibDataForOidRow(holder, row);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibIPAddress));
    EXPECT_TRUE(holder->IsEmpty());

    row.byType = SNMP_TYPE_NULL;
    MibDataForOidRow(holder, row);
    EXPECT_EQ(holder, nullptr);
}
