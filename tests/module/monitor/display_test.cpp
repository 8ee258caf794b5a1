// The rules the table and information dialogs are built on: time and cell texts, reply status
// texts, the export formats and the resize rule.

#include "module/dialogbase/DialogLayout.h"
#include "module/dialogbase/ReplyStatus.h"
#include "module/dialogbase/TableExport.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/ObjectDisplay.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpException.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpOid.h"
#include "snmp/SnmpTypes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ObjectDisplay, TimeValuesShowDaysHoursMinutesSecondsInTheirUnit) {
    EXPECT_EQ(TimeDisplayText(4), "04 s");
    EXPECT_EQ(TimeDisplayText(60), "01 m: 00 s");
    EXPECT_EQ(TimeDisplayText(3600), "01 h: 00 m: 00 s");
    EXPECT_EQ(TimeDisplayText(93784), "01 day: 02 h: 03 m: 04 s");
    EXPECT_EQ(TimeDisplayText(86400 * 12 + 59), "12 day: 00 h: 00 m: 59 s");
    EXPECT_EQ(TimeValueDisplayText("9378499", 0x05), "01 day: 02 h: 03 m: 04 s") << "hundredths";
    EXPECT_EQ(TimeValueDisplayText("61999", 0x09), "01 m: 01 s") << "thousandths";
    EXPECT_EQ(TimeValueDisplayText("75", 0x01), "01 m: 15 s") << "seconds";

    CSnmpOid uptime(SNMP_TYPE_TIMETICKS, 5, "1.3.6.1.2.1.1.3", "System Uptime", "360000");
    EXPECT_EQ(ObjectDisplayText(uptime), "01 h: 00 m: 00 s");
    CSnmpOid contact(SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.4", "System Contact", "3600");
    EXPECT_EQ(ObjectDisplayText(contact), "3600") << "other values show their text";
}

TEST(ObjectDisplay, CellsHoldAtMost255CharactersAndTheAccessAttribute) {
    const std::string longText(300, 'x');
    _DATAOBJ cell = MakeCell(longText, CellAttribute(0x11));
    EXPECT_EQ(std::string(cell.text), std::string(255, 'x'));
    EXPECT_EQ(cell.attribute, 1);
    EXPECT_EQ(CellAttribute(0x22), 2);
}

TEST(ReplyStatus, EachErrorStatusNamesTheObjectItsIndexPointsAt) {
    auto a = std::make_unique<CSnmpOid>(SNMP_TYPE_INTEGER, 2, "1.1", "Alpha", "7");
    auto b = std::make_unique<CSnmpOid>(SNMP_TYPE_INTEGER, 2, "1.2", "Beta", "Enable");
    std::list<CSnmpOid*> objects{a.get(), b.get()};
    const std::int64_t now = 1000000;
    EXPECT_EQ(ReplyLogText(0, 0, objects, now), "Response received at " + CTimeText(now));
    EXPECT_EQ(ReplyLogText(0, 0, objects, now).find('\n'), std::string::npos);
    EXPECT_EQ(ReplyLogText(1, 0, objects, now), "Response too big");
    EXPECT_EQ(ReplyLogText(2, 0, objects, now), "No such name, Alpha") << "0: first object";
    EXPECT_EQ(ReplyLogText(2, 2, objects, now), "No such name, Beta");
    EXPECT_EQ(ReplyLogText(3, 2, objects, now), "Bad value(Enable), Beta");
    EXPECT_EQ(ReplyLogText(4, 1, objects, now), "Read only");
    EXPECT_EQ(ReplyLogText(5, 1, objects, now), "General error");
    EXPECT_EQ(ReplyLogText(6, 1, objects, now), "No access, Alpha");
    EXPECT_EQ(ReplyLogText(12, 2, objects, now), "Inconsistent value(Enable), Beta");
    EXPECT_EQ(ReplyLogText(19, 1, objects, now), "") << "no status the protocol knows";
    EXPECT_EQ(ReplyLogText(2, 9, objects, now), "No such name, ")
        << "an index past the request names no object";
}

TEST(ReplyStatus, ExceptionsAndRefusalsReadInWords) {
    auto a = std::make_unique<CSnmpOid>(SNMP_TYPE_COUNTER, 1, "1.1", "Alpha", "");
    auto b = std::make_unique<CSnmpOid>(SNMP_TYPE_TIMETICKS, 1, "1.2", "Beta", "");
    std::list<CSnmpOid*> objects{a.get(), b.get()};
    CSnmpPdu pdu;
    pdu.AddOid("1.1.0", std::uint32_t(5), SNMP_TYPE_COUNTER);
    EXPECT_EQ(ExceptionLogText(pdu, objects), "");
    pdu.AddOid("1.2.0");
    pdu.m_varBindList.back()->m_byType = SNMP_TYPE_NOSUCHINSTANCE;
    EXPECT_EQ(ExceptionLogText(pdu, objects), "No such instance, Beta");
    EXPECT_EQ(TimeValueDisplayText("noSuchInstance", 0x05), "noSuchInstance")
        << "not a time of 00 s";

    CSnmpMsg refused(nullptr, "", "", SNMP_PDU_GET);
    refused.m_exception = CSnmpException(SNMP_ERR_SECURITY, "Unknown user name");
    EXPECT_EQ(NoReplyLogText(SNMP_ERR_SECURITY, &refused), "Unknown user name");
    EXPECT_EQ(NoReplyLogText(SNMP_ERR_TIMEOUT, &refused), "No response");
    EXPECT_EQ(NoReplyLogText(SNMP_ERR_SOCKET, nullptr), "No response");
}

TEST(TableExport, TabSeparatedAndCsvStartWithTheCaptionRow) {
    TableText table{{"Name", "Note"}, {{"a,b", "say \"hi\""}, {"tab\there", "two\nlines"}}};
    EXPECT_EQ(TableToTabSeparated(table), "Name\tNote\na,b\tsay \"hi\"\ntab here\ttwo lines\n");
    EXPECT_EQ(TableToCsv(table),
              "Name,Note\r\n\"a,b\",\"say \"\"hi\"\"\"\r\ntab\there,\"two\nlines\"\r\n");
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(TableToCsv(TableText{{"Only"}, {}}), "Only\r\n");
}

TEST(DialogLayout, ControlsStretchWithTheDialogAndButtonsKeepToTheRight) {
    const CRect banner(10, 10, 360, 60), grid(10, 62, 360, 314), log(10, 316, 360, 381);
    DialogLayout layout = LayOutTableDialog(CRect(0, 0, 600, 500), banner, grid, log);
    EXPECT_EQ(layout.banner, CRect(10, 10, 504, 55));
    EXPECT_EQ(layout.grid, CRect(10, 62, 504, 62 + 369));
    EXPECT_EQ(layout.log, CRect(10, 425, 504, 425 + 65));
    EXPECT_EQ(layout.buttonLeft, 514);
    EXPECT_EQ(layout.counterLeft, 504);
    EXPECT_EQ(ObjectColumnWidth(100), 120);
    EXPECT_EQ(ObjectColumnWidth(203), 162);
}

TEST(DialogLayout, TheFirstSizeIsTheSmallest) {
    CMinimumSize minimum;
    EXPECT_FALSE(minimum.Take(CRect(0, 0, 456, 392)));
    EXPECT_TRUE(minimum.Take(CRect(0, 0, 300, 500)));
    EXPECT_TRUE(minimum.NeedsEnlarging(CRect(0, 0, 300, 500)));
    EXPECT_EQ(minimum.Enlarged(CRect(0, 0, 300, 500)), CSize(456, 500));
    EXPECT_FALSE(minimum.NeedsEnlarging(CRect(0, 0, 456, 392)));
    DialogFrameRects frames = FrameRectsOf(CRect(0, 0, 100, 80));
    EXPECT_EQ(frames.outer, CRect(1, 1, 96, 76));
    EXPECT_EQ(frames.inner, CRect(3, 3, 94, 74));
}

} // namespace
