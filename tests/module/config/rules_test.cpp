// The rules the configuration windows are built on: the reply status line, choice positions,
// what a form makes of its rows, its layout in pixels, the request a window waits for, what is
// checked before a write, and which windows read again after one.

#include "module/config/ChoiceValues.h"
#include "module/config/ConfigPages.h"
#include "module/config/FormLayout.h"
#include "module/config/FormRows.h"
#include "module/config/InputCheck.h"
#include "module/config/NoReplyText.h"
#include "module/config/ReplyStatusText.h"
#include "module/config/ShownText.h"
#include "module/config/Utf8Text.h"
#include "module/dialogbase/OutstandingRequest.h"
#include "module/slots/SlotOpening.h"
#include "module/slots/SlotsShowing.h"
#include "module/tables/ConfigTables.h"
#include "module/tables/DeviceTables.h"
#include "module/tables/EnumTexts.h"
#include "module/tables/PortTables.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/OctetText.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpException.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpPdu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

constexpr std::int64_t kNow = 1700000000;
const std::string kHead = FormatLocalTime(kNow, "Received at %H:%M:%S, ");

struct Reply {
    CSnmpPdu pdu;
    Reply(std::uint32_t status, std::uint32_t index) {
        pdu.m_dwErrorStatus = status;
        pdu.m_dwErrorIndex = index;
        pdu.AddOid("1.3.6.1.2.1.1.4.0", std::string("ops"), SNMP_TYPE_OCTETS);
        pdu.AddOid("1.3.6.1.2.1.1.5.0", std::string("sw-1"), SNMP_TYPE_OCTETS);
    }
};

} // namespace

TEST(ReplyStatusText, NamesTheOutcomeAndTheObjectTheErrorIndexNames) {
    EXPECT_EQ(ReplyStatusText(Reply(0, 0).pdu, kNow), kHead + "sucessful");
    EXPECT_EQ(kHead.size(), 22u);
    EXPECT_EQ(ReplyStatusText(Reply(2, 1).pdu, kNow), kHead + "noSuchName,1.3.6.1.2.1.1.4.0");
    EXPECT_EQ(ReplyStatusText(Reply(2, 0).pdu, kNow), kHead + "noSuchName,1.3.6.1.2.1.1.5.0")
        << "index 0 names the last binding";
    EXPECT_EQ(ReplyStatusText(Reply(3, 2).pdu, kNow), kHead + "badValue(sw-1), 1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(ReplyStatusText(Reply(1, 0).pdu, kNow), kHead + "tooBig");
    EXPECT_EQ(ReplyStatusText(Reply(4, 1).pdu, kNow), kHead + "readOnly");
    EXPECT_EQ(ReplyStatusText(Reply(5, 1).pdu, kNow), kHead + "genErr");
    // The statuses an SNMPv2 agent adds, in the shapes of noSuchName and badValue; a status
    // past those names nothing.
    EXPECT_EQ(ReplyStatusText(Reply(17, 1).pdu, kNow), kHead + "notWritable,1.3.6.1.2.1.1.4.0");
    EXPECT_EQ(ReplyStatusText(Reply(10, 2).pdu, kNow),
              kHead + "wrongValue(sw-1), 1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(ReplyStatusText(Reply(16, 1).pdu, kNow), kHead + "authorizationError");
    EXPECT_EQ(ReplyStatusText(Reply(19, 1).pdu, kNow), kHead);
    // No error, but an exception in place of a value: written as noSuchName is.
    Reply missing(0, 0);
    missing.pdu.AddOid("1.3.6.1.2.1.1.6.0");
    missing.pdu.m_varBindList.back()->m_byType = SNMP_TYPE_NOSUCHINSTANCE;
    EXPECT_EQ(ReplyStatusText(missing.pdu, kNow), kHead + "noSuchInstance,1.3.6.1.2.1.1.6.0");
    EXPECT_EQ(ReplyStatusText(Reply(2, 9).pdu, kNow), kHead + "noSuchName,")
        << "an index past the bindings names nothing rather than reading past them";
}

TEST(ReplyStatusText, ALongLineKeepsTheTailOfTheObjectThatFailed) {
    CSnmpPdu pdu;
    pdu.m_dwErrorStatus = 3;
    pdu.m_dwErrorIndex = 1;
    const std::string oid = "1.3.6.1.4.1.88888.11.1.3.10.1.2.10.9.8.7";
    pdu.AddOid(oid, std::string(200, 'x'), SNMP_TYPE_OCTETS);
    std::string line = ReplyStatusText(pdu, kNow);
    EXPECT_EQ(line.size(), 79u);
    EXPECT_EQ(line.substr(0, 31), kHead + "badValue(");
    EXPECT_NE(line.find("...), " + oid), std::string::npos) << line;

    // An identifier too long for the room keeps its end: the column and the instance.
    std::string longOid = "1.3.6.1.4.1.88888";
    for (int i = 0; i < 20; ++i)
        longOid += ".11";
    longOid += ".42";
    line = FitStatusLine(kHead + "noSuchName,", "", "", longOid, 79);
    EXPECT_EQ(line.size(), 79u);
    EXPECT_EQ(line.substr(33, 3), "...");
    EXPECT_EQ(line.substr(line.size() - 6), ".11.42");
    EXPECT_EQ(FitStatusLine("ab", "cd", "", "ef", 79), "abcdef");
}

TEST(ChoiceValues, PositionsByTextAndByValue) {
    EXPECT_EQ(EnumCount(g_DisableEnableEnum), 2);
    EXPECT_EQ(EnumTextAt(g_Rs232UseEnum, 1), "Out of Band");
    EXPECT_EQ(EnumTextAt(g_Rs232UseEnum, 2), "");
    EXPECT_EQ(EnumIndexOfValue(g_EnableDisableEnum, 2), 1);
    EXPECT_EQ(EnumIndexOfValue(g_EnableDisableEnum, 9), -1) << "no entry, not the first one";
    const _NmEnumPair twice[] = {{2, "a"}, {3, "b"}, {2, "c"}, {0, nullptr}};
    EXPECT_EQ(EnumIndexOfValue(twice, 2), 2) << "the last entry with the value";
    auto entries = IndexedChoices({"Console", "SLIP"});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].value, 1);
    EXPECT_STREQ(entries[1].text, "SLIP");
    EXPECT_EQ(LongestEnumText(g_SpeedEnum), std::strlen("1000 Mbps (1 Gbps)"));
}

TEST(FormRows, PortSettingsAreAddressedByTheirKeysAlone) {
    CFormRows rows(g_PortSettingsTable, kPortSettingsRowCount);
    EXPECT_EQ(rows.Role(0), FormRowRole::Key);
    EXPECT_EQ(rows.Role(2), FormRowRole::Plain);
    EXPECT_EQ(rows.InputCount(), 5);
    EXPECT_EQ(rows.InputOf(2), 0);
    EXPECT_EQ(rows.KeyPositionOf(1), 1);

    CSnmpClass request(nullptr, "", "", "", kPortSettingsRowCount, g_PortSettingsTable, "");
    FormKeys keys{"1", "3"};
    bool complete = false;
    EXPECT_EQ(rows.ReadInstance(request.GetOidList(), keys, complete), ".1.3");
    EXPECT_TRUE(complete);
    EXPECT_EQ(request.GetOidList().front()->m_strValue, "1");
    EXPECT_EQ(rows.WriteInstance(request.GetOidList(), keys, "",
                                 [](int input) { return "v" + std::to_string(input); }),
              ".1.3");
    EXPECT_EQ(request.GetOidList().back()->m_strValue, "v4");
    // A get answers the keys too; a set leaves them out.
    EXPECT_EQ(rows.ReplyRows(7, true), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(rows.ReplyRows(6, false), (std::vector<int>{2, 3, 4, 5, 6, -1}));
}

TEST(FormRows, ANewTrapReceiverIsAddressedByWhatIsTyped) {
    CFormRows rows(g_TrapReceiverTable, kTrapReceiverRowCount);
    EXPECT_EQ(rows.Role(0), FormRowRole::Index);
    EXPECT_EQ(rows.Role(2), FormRowRole::RowStatus);
    EXPECT_EQ(rows.InputRows(), (std::vector<int>{0, 1}));
    CSnmpClass request(nullptr, "", "", "", kTrapReceiverRowCount, g_TrapReceiverTable, "");
    bool complete = true;
    EXPECT_EQ(rows.ReadInstance(request.GetOidList(), FormKeys{}, complete), "");
    EXPECT_FALSE(complete);
    const char* typed[] = {"10.9.8.7", "nms"};
    EXPECT_EQ(rows.WriteInstance(request.GetOidList(), FormKeys{}, "Enable",
                                 [&](int input) { return std::string(typed[input]); }),
              ".10.9.8.7");
    EXPECT_EQ((*std::next(request.GetOidList().begin()))->m_strValue, "nms");
    EXPECT_EQ(request.GetOidList().back()->m_strValue, "Enable");
    EXPECT_EQ(rows.ReplyRows(3, true), (std::vector<int>{0, 1, -1}));

    EXPECT_EQ(NewRowPlaceholder(g_TrapReceiverTable[0]), "000.000.000.000");
    _NmOidTable mac = {SNMP_TYPE_MAC, 0x11, "1.2", "Mac", nullptr, 0};
    EXPECT_EQ(NewRowPlaceholder(mac), "00:00:00:00:00:00");
    mac.wAccess = 0x311;
    EXPECT_EQ(NewRowPlaceholder(mac), "");
    EXPECT_EQ(NewRowPlaceholder(g_PortSettingsTable[0]), "0");
    EXPECT_EQ(ScalarIfEmpty(""), ".0");
}

TEST(FormLayout, ColumnsRowsStatusAndButtonsFollowTheLongestTexts) {
    // Five port settings: the longest name "Link-Status-Alarm State" has 23 characters.
    FormLayout choices = LayOutForm(FormKind::ChoiceLists, 5, 23, 18);
    EXPECT_EQ(choices.labels[0].left, 15);
    EXPECT_EQ(choices.labels[0].right, 15 + 161);
    EXPECT_EQ(choices.inputs[0].left, 161 + 30);
    EXPECT_EQ(choices.inputs[0].Width(), 126);
    EXPECT_EQ(choices.inputs[4].top, 20 + 4 * 30);
    EXPECT_EQ(choices.inputs[4].Height(), 20);
    EXPECT_EQ(choices.status, CRect(15, 170, 191 + 126, 190));
    EXPECT_EQ(choices.buttons[0].top, 215);
    EXPECT_EQ(choices.buttons[0].Width(), 70);
    EXPECT_EQ(choices.buttons[1].Height(), 25);
    EXPECT_EQ(choices.buttons[0].left + 35, choices.client.cx / 4);
    EXPECT_EQ(choices.buttons[1].left + 35, 3 * (choices.client.cx / 4));

    FormLayout fields = LayOutForm(FormKind::TextFields, 3, 10, 0);
    EXPECT_EQ(fields.inputs[0].left, 120 + 60);
    EXPECT_EQ(fields.inputs[2].top, 20 + 80);
    EXPECT_EQ(fields.inputs[0].Width(), 120);
    EXPECT_EQ(LayOutForm(FormKind::TextFields, 3, 10, 20).inputs[1].Width(), 140);
    EXPECT_EQ(FormColumnWidth(17), 120);
    EXPECT_EQ(FormColumnWidth(18), 126);
}

TEST(OutstandingRequest, AFailedSendEndsTheWaitBeforeSendSnmpReturns) {
    auto reply = [](std::uint32_t id) {
        auto msg =
            std::make_unique<CSnmpMsg>(nullptr, std::string(), std::string(), SNMP_PDU_RESPONSE);
        msg->m_pPdu->m_dwReqId = id;
        return msg;
    };
    COutstandingRequest request;
    EXPECT_FALSE(request.IsBusy());
    request.Start([&] {
        EXPECT_TRUE(request.Matches(reply(77).get())) << "the receiver runs during the send";
        request.Clear();
        return 77u;
    });
    EXPECT_FALSE(request.IsBusy()) << "the id of a request already answered is not waited for";

    request.Start([] { return 5u; });
    EXPECT_TRUE(request.IsBusy());
    EXPECT_FALSE(request.Matches(reply(4).get())) << "a late answer to an earlier request";
    EXPECT_TRUE(request.Matches(reply(5).get()));
    request.Clear();
    EXPECT_FALSE(request.Matches(reply(5).get()));
}

TEST(InputCheck, AnAddressIsFourNumbersFrom0To255AndNothingElse) {
    std::array<std::uint8_t, 4> octets{};
    ASSERT_TRUE(ParseIpAddress("192.168.1.44", octets));
    EXPECT_EQ(octets, (std::array<std::uint8_t, 4>{192, 168, 1, 44}));
    EXPECT_TRUE(ParseIpAddress("000.000.000.000", octets));
    for (const char* bad : {"192.168.1.300", "192.168.1", "192.168.1.4.5", "", "1.2.3.", " 1.2.3.4",
                            "1.2.3.4 ", "1.-2.3.4", "1.2.3.0004", "a.b.c.d"})
        EXPECT_FALSE(ParseIpAddress(bad, octets)) << bad;
    EXPECT_EQ(octets, (std::array<std::uint8_t, 4>{})) << "a refused text leaves no octets";
}

TEST(InputCheck, RefusalsNameWhyAndPassWhatTheSwitchTakes) {
    CSnmpOid aging(g_ConfigTable[kConfigAdvancedFirstRow]);
    EXPECT_EQ(RefusalOf(aging, "600"), "");
    EXPECT_EQ(RefusalOf(aging, "600s"), "not a whole number");
    EXPECT_EQ(RefusalOf(aging, ""), "not a whole number");
    EXPECT_EQ(RefusalOf(aging, "9"), "not between 10 and 1000000");
    EXPECT_EQ(RefusalOf(aging, "99999999999999999999"), "not a whole number");

    CSnmpOid location(g_ConfigTable[kConfigGeneralFirstRow + 2]);
    EXPECT_EQ(RefusalOf(location, ""), "") << "an existing text may be emptied";
    EXPECT_EQ(RefusalOf(location, std::string(255, 'x')), "");
    EXPECT_EQ(RefusalOf(location, std::string(256, 'x')), "longer than 255 bytes");

    CSnmpOid learning(g_ConfigTable[kConfigAdvancedFirstRow + 1]);
    EXPECT_EQ(RefusalOf(learning, ""), "") << "a choice left unwritten is no refusal";

    // Creating a row: every field given, and the index address must name a host.
    CSnmpOid manager(g_TrapReceiverTable[0]), community(g_TrapReceiverTable[1]);
    EXPECT_EQ(RefusalOf(manager, "000.000.000.000", true), "0.0.0.0 names no host");
    EXPECT_EQ(RefusalOf(manager, "192.0.2.7", true), "");
    EXPECT_EQ(RefusalOf(community, "", true), "empty");
    CSnmpOid gateway(g_IpInterfaceSettingsTable[3]);
    EXPECT_EQ(RefusalOf(gateway, "0.0.0.0"), "") << "no gateway is a value of its own";
    EXPECT_EQ(RefusalLine("Net Mask", "empty"), "Net Mask: empty");
}

TEST(NoReplyText, SaysWhyNoReplyCame) {
    EXPECT_EQ(NoReplyText(SNMP_ERR_TIMEOUT, "Snmp timeout."), "Timeout.");
    EXPECT_EQ(NoReplyText(SNMP_ERR_RESPONSE_TOO_BIG, "Response too big."), "Response too big");
    EXPECT_EQ(NoReplyText(SNMP_ERR_ENCODE_OVERFLOW, "Buffer overflow while snmp encoding."),
              "Buffer overflow while snmp encoding.");
    EXPECT_EQ(NoReplyText(SNMP_ERR_SOCKET, ""), "Snmp error 255");
}

TEST(ShownText, AnUneditedFieldWritesBackTheOctetsRead) {
    CShownText shown;
    EXPECT_EQ(shown.OctetsFor("typed"), "typed") << "nothing read: what is typed";
    shown.Remember("B\xFC"
                   "ro",
                   "B\xC3\xBC"
                   "ro");
    EXPECT_EQ(shown.OctetsFor("B\xC3\xBC"
                              "ro"),
              "B\xFC"
              "ro");
    EXPECT_EQ(shown.OctetsFor("B\xC3\xBC"
                              "ro 2"),
              "B\xC3\xBC"
              "ro 2");
    shown.Forget();
    EXPECT_EQ(shown.OctetsFor("B\xC3\xBC"
                              "ro"),
              "B\xC3\xBC"
              "ro");
}

TEST(SlotsShowing, TheWindowsThatShowAWrittenObject) {
    EXPECT_EQ(SlotsShowing({"1.3.6.1.2.1.1.4.0"}), std::vector<int>{0}) << "device information";
    EXPECT_EQ(SlotsShowing({"1.3.6.1.2.1.1.4.1"}), std::vector<int>{}) << "not a scalar's instance";
    EXPECT_EQ(SlotsShowing({"1.3.6.1.2.1.1.40.0"}), std::vector<int>{}) << "a whole sub-identifier";
    // A walked table shows every row; a port's information only its own port.
    EXPECT_EQ(SlotsShowing({"1.3.6.1.4.1.88888.11.1.3.10.1.2.192.0.2.9"}), std::vector<int>{5});
    EXPECT_EQ(SlotsShowing({"1.3.6.1.4.1.88888.11.1.3.2.1.2.2"}), std::vector<int>{3});
    const std::string speed = std::string(g_PortSettingsTable[2].szOid);
    EXPECT_EQ(SlotsShowing({speed + ".1.5"}), std::vector<int>{54});
}

TEST(TakeOpenerKeys, FormsForAChosenEntryTakeItsKeys) {
    CFormDlgData record;
    CDlgData chosen;
    chosen.SetKeys({"2"});
    TakeOpenerKeys(4, record, &chosen);
    EXPECT_EQ(record.m_strKeys[0], "2");
    TakeOpenerKeys(4, record, nullptr);
    EXPECT_EQ(record.m_strKeys[0], "1") << "no choice: the first interface";
    EXPECT_EQ(record.m_nKeyCount, 1);
    TakeOpenerKeys(6, record, nullptr);
    EXPECT_EQ(record.m_nKeyCount, 0) << "a new trap receiver";
    record.SetKeys({"1", "3"});
    TakeOpenerKeys(82, record, &chosen);
    EXPECT_EQ(record.m_strKeys[1], "3") << "a port's settings keep their keys";
}

TEST(ShownText, MarksLeftInPlaceStandForTheirOctetsAndTypedTextIsUtf8) {
    const std::string read("A\x00"
                           "B\x09",
                           4);
    CShownText shown;
    shown.Remember(read, ShowableText(read));
    const std::string marked = ShowableText(read);
    EXPECT_FALSE(shown.IsEdited(marked));
    EXPECT_EQ(shown.OctetsFor(marked), read);
    // "A" edited to "C": the marks after it are the zero byte and the tab again.
    EXPECT_TRUE(shown.IsEdited("C" + marked.substr(1)));
    EXPECT_EQ(shown.OctetsFor("C" + marked.substr(1)), std::string("C\x00"
                                                                   "B\x09",
                                                                   4));
    // Text typed after the marks; a mark deleted is gone.
    EXPECT_EQ(shown.OctetsFor(marked + "!"), read + "!");
    EXPECT_EQ(shown.OctetsFor("AB" + marked.substr(marked.size() - 8)), "AB\x09");
    // A mark the operator typed is not one that was read: it goes out as typed.
    CShownText plain;
    plain.Remember("xy", "xy");
    EXPECT_EQ(plain.OctetsFor("x\u2039"
                              "00\u203Ay"),
              "x\u2039"
              "00\u203Ay");
}

TEST(Utf8Text, CountsAndCutsWholeCharacters) {
    const std::string mixed = "a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(CodePointCount(mixed), 4u);
    EXPECT_EQ(FirstCodePoints(mixed, 3), "a\xC3\xBC\xE2\x82\xAC");
    EXPECT_EQ(LastCodePoints(mixed, 2), "\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(CodePointCount("\xFC\xFC"), 2u) << "a byte that starts no character counts alone";

    // A status line cut for room never splits a character of the value it shows.
    CSnmpPdu pdu;
    pdu.m_dwErrorStatus = 3;
    pdu.m_dwErrorIndex = 1;
    std::string euros;
    for (int i = 0; i < 80; ++i)
        euros += "\xE2\x82\xAC";
    pdu.AddOid("1.3.6.1.2.1.1.6.0", euros, SNMP_TYPE_OCTETS);
    const std::string line = ReplyStatusText(pdu, kNow);
    EXPECT_EQ(CodePointCount(line), 79u);
    EXPECT_NE(line.find("\xE2\x82\xAC...), 1.3.6.1.2.1.1.6.0"), std::string::npos) << line;
    EXPECT_EQ(WholeReplyStatusText(pdu, kNow),
              kHead + "badValue(" + euros + "), 1.3.6.1.2.1.1.6.0");
}

TEST(InputCheck, ACommunityIsHeldToTheSwitchsLimit) {
    CSnmpOid community(g_TrapReceiverTable[1]);
    EXPECT_EQ(RefusalOf(community, std::string(32, 'c')), "");
    EXPECT_EQ(RefusalOf(community, std::string(33, 'c')), "longer than 32 bytes");
    // 81 characters of four bytes fit the field but not the object.
    std::string emoji;
    for (int i = 0; i < 81; ++i)
        emoji += "\xF0\x9F\x98\x80";
    EXPECT_EQ(RefusalOf(CSnmpOid(g_ConfigTable[kConfigGeneralFirstRow]), emoji),
              "longer than 255 bytes");
}

TEST(SlotsShowing, FormsAndPagesThatShowAWrittenObject) {
    const std::string authTrap = "1.3.6.1.2.1.11.30.0";
    EXPECT_EQ(FormSlotsShowing({authTrap}), (std::vector<int>{1, 7}))
        << "the Traps page and Trap Settings";
    EXPECT_EQ(SlotsShowing({authTrap}), std::vector<int>{}) << "no table shows it";
    const std::string speed = std::string(g_PortSettingsTable[2].szOid);
    EXPECT_EQ(FormSlotsShowing({speed + ".1.5"}), std::vector<int>{84}) << "port 5's settings";
    // The forms for a chosen entry show whichever row they were opened for.
    EXPECT_EQ(FormSlotsShowing({"1.3.6.1.4.1.88888.11.1.3.10.1.2.192.0.2.9"}), std::vector<int>{6});
    EXPECT_EQ(FormSlotsShowing({"1.3.6.1.4.1.88888.11.1.3.2.1.4.2"}), std::vector<int>{4});
    EXPECT_EQ(FormSlotsShowing({"1.3.6.1.4.1.88888.11.1.2.4.0"}), std::vector<int>{})
        << "a write-only object is shown by no window";
}

TEST(ConfigPageTable, EveryObjectOfTheConfigurationTableHasOneInput) {
    int next = 0;
    for (const ConfigPage& page : ConfigPageTable()) {
        EXPECT_EQ(page.firstRow, next) << page.name;
        next += page.rowCount;
        for (int i = 0; i < page.rowCount; ++i) {
            const PageInput& input = page.inputs[std::size_t(i)];
            const bool enumerated = g_ConfigTable[page.firstRow + i].pEnum != nullptr;
            EXPECT_EQ(input.kind == PageInputKind::ChoiceList, enumerated) << input.label;
            if (input.choices) {
                int labels = 0;
                while (input.choices[labels])
                    ++labels;
                EXPECT_EQ(labels, EnumCount(g_ConfigTable[page.firstRow + i].pEnum))
                    << "a label for every entry of " << input.label;
            }
        }
    }
    EXPECT_EQ(next, kConfigRowCount);
}
