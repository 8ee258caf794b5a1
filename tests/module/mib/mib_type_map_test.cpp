#include <gtest/gtest.h>

#include "module/mib/CMibIPAddress.h"
#include "module/mib/CMibInt32.h"
#include "module/mib/CMibOctetString.h"
#include "module/mib/MibTypeMap.h"

namespace {
const _NmEnumPair kDisableEnable[] = {{2, "Disable"}, {3, "Enable"}, {0, nullptr}};
} // namespace

TEST(MibTypeMap, BindingsGetTheClassOfTheirTypeWithoutEnumeration) {
    std::unique_ptr<CMibData> holder;
    CSnmpVarBind counter("c");
    counter.SetValue(std::uint32_t{4000000000u}, SNMP_TYPE_COUNTER);
    MibDataForVarBind(holder, counter);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibInt32));
    EXPECT_EQ(holder->Format(), "4000000000");

    CSnmpVarBind wide("t"); // a reply integer over 4 octets: the low 32 bits count
    wide.SetValue(std::int64_t{0x100000005}, SNMP_TYPE_TIMETICKS);
    MibDataForVarBind(holder, wide);
    EXPECT_EQ(holder->Format(), "5");

    CSnmpVarBind address("a");
    const std::uint8_t ip[] = {10, 0, 0, 1};
    address.SetValue(ip, 4, SNMP_TYPE_IPADDR);
    MibDataForVarBind(holder, address);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibIPAddress));
    EXPECT_EQ(holder->Format(), "10.0.0.1");

    CSnmpVarBind oid("o");
    oid.SetValue(std::string("1.3.6.1.4.1.88888"), SNMP_TYPE_OID);
    MibDataForVarBind(holder, oid);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibOctetString));
    EXPECT_EQ(holder->Format(), "1.3.6.1.4.1.88888"); // the text, not the text object's storage

    CSnmpVarBind null("n");
    MibDataForVarBind(holder, null);
    EXPECT_EQ(holder, nullptr);
}

TEST(MibTypeMap, AHolderOfTheRightClassIsKeptAndAnyOtherReplaced) {
    _NmOidTable row{SNMP_TYPE_INTEGER, 2, "1.3", "Learning State", kDisableEnable, 0};
    auto number = std::make_unique<CMibInt32>();
    number->SetValue(3);
    const CMibData* kept = number.get();
    std::unique_ptr<CMibData> holder = std::move(number);

    MibDataForOidRow(holder, row);
    EXPECT_EQ(holder.get(), kept);
    EXPECT_EQ(holder->Format(), "Enable");

    row.byType = 0x44; // Opaque, like every type without a class of its own
    MibDataForOidRow(holder, row);
    EXPECT_EQ(holder->GetRuntimeClass(), RUNTIME_CLASS(CMibOctetString));
    EXPECT_TRUE(holder->IsEmpty());
}
