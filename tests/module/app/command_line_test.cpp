#include "module/app/CommandLine.h"
#include "module/app/ManualText.h"
#include "module/app/ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

ModuleIdentity Parse(const std::string& text) {
    ModuleIdentity id;
    ParseCommandLine(text, id);
    return id;
}

TEST(CommandLine, OptionsAreFoundAnywhereAndTheFirstCounts) {
    ModuleIdentity none = Parse("");
    EXPECT_EQ(none.deviceName, "Mirova");
    EXPECT_EQ(none.agentAddress, "127.0.0.1");
    EXPECT_EQ(none.readCommunity, "tessla");
    EXPECT_EQ(none.writeCommunity, "marbelo");
    EXPECT_EQ(ModuleWindowTitle(none), "Mirova:127.0.0.1");

    ModuleIdentity all = Parse("/Wwr /Rrd x /I10.1.2.3 /NCore /NSecond");
    EXPECT_EQ(all.deviceName, "Core");
    EXPECT_EQ(all.agentAddress, "10.1.2.3");
    EXPECT_EQ(all.readCommunity, "rd");
    EXPECT_EQ(all.writeCommunity, "wr");
    EXPECT_EQ(ModuleWindowTitle(all), "Core:10.1.2.3");
}

TEST(CommandLine, ValuesRunToTheNextSpaceWithoutQuotingOrCaseFolding) {
    ModuleIdentity empty = Parse("/N Other /I1.2.3.4");
    EXPECT_EQ(empty.deviceName, "");
    EXPECT_EQ(ModuleWindowTitle(empty), ":1.2.3.4");
    EXPECT_EQ(Parse("/nlower").deviceName, "Mirova");
    EXPECT_EQ(Parse("/N\"a b\"").deviceName, "\"a");
    // A name holding "/I" is read as the address too: each search sees the whole text.
    ModuleIdentity inner = Parse("/Nab/Ic");
    EXPECT_EQ(inner.deviceName, "ab/Ic");
    EXPECT_EQ(inner.agentAddress, "c");
}

TEST(CommandLine, AgentOctetsKeepTheLowEightBitsOrStayUnset) {
    std::array<std::uint8_t, 4> octets{9, 9, 9, 9};
    EXPECT_TRUE(ParseAgentOctets("10.0.300.4:1161", octets));
    EXPECT_EQ(octets, (std::array<std::uint8_t, 4>{10, 0, 44, 4}));
    std::array<std::uint8_t, 4> kept{9, 9, 9, 9};
    EXPECT_FALSE(ParseAgentOctets("switch-a", kept));
    EXPECT_EQ(kept, (std::array<std::uint8_t, 4>{9, 9, 9, 9}));
}

TEST(ProgramOptionsTest, LongOptionsAndTheirValuesAreTakenOutFirst) {
    ProgramOptions o =
        ParseProgramOptions({"/NEdge", "--screenshot", "/tmp/Net", "--open", "54", "--open=2",
                             "--demo", "/Rpub", "--quit-after", "1.5", "--packet-log"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.commandLine, "/NEdge /Rpub");
    EXPECT_EQ(o.screenshotPrefix, "/tmp/Net");
    EXPECT_EQ(o.openSlots, (std::vector<int>{54, 2}));
    EXPECT_TRUE(o.demo);
    EXPECT_TRUE(o.packetLog);
    EXPECT_EQ(QuitAfter(o), 1.5);
    EXPECT_EQ(Parse(o.commandLine).deviceName, "Edge") << "the path is never read as a name";

    ProgramOptions shot = ParseProgramOptions({"--screenshot", "x"});
    EXPECT_EQ(QuitAfter(shot), kScreenshotQuitSeconds);
    EXPECT_FALSE(QuitAfter(ParseProgramOptions({})).has_value());
}

TEST(ProgramOptionsTest, OpenTakesWindowNamesAndRefusesSlotsThatOpenNothing) {
    ProgramOptions named =
        ParseProgramOptions({"--open", "packet-table:4", "--open=help", "--open", "5"});
    EXPECT_TRUE(named.error.empty()) << named.error;
    EXPECT_EQ(named.openSlots, (std::vector<int>{173, 28, 5}));
    EXPECT_EQ(ParseProgramOptions({"--open", "999"}).error,
              "--open needs a slot that opens a window, by number or name (see --help): 999");
    for (const char* nothing : {"25", "228", "packet-table:29", "trap-receiver"})
        EXPECT_FALSE(ParseProgramOptions({"--open", nothing}).error.empty()) << nothing;

    // Every name is in the usage text, so --help and the man page made from it list them.
    const std::string usage = ProgramUsage();
    for (const char* name :
         {"device-information", "trap-receivers", "help", "packet-table:P", "error-bars:P"})
        EXPECT_NE(usage.find("  " + std::string(name) + " "), std::string::npos) << name;
    EXPECT_NE(usage.find("\n  packet-table:P          slot 169+P\n"), std::string::npos);
}

TEST(ProgramOptionsTest, AnAgentAddressThatCannotBeSentToIsRefused) {
    EXPECT_EQ(AgentAddressRefusal(ParseProgramOptions({"/NCore", "/I10.0.0.1:0"})),
              "bad agent address /I10.0.0.1:0: the port must be a number from 1 to 65535");
    EXPECT_EQ(AgentAddressRefusal(ParseProgramOptions({"/I[::1]:1161"})), "");
    EXPECT_EQ(AgentAddressRefusal(ParseProgramOptions({})), "") << "the default agent";
    EXPECT_EQ(AgentAddressRefusal(ParseProgramOptions({"/I:::1", "--demo"})), "")
        << "the demo manages its own switch";
}

TEST(ManualTextTest, TheManPagesOwnSectionsReadAsPlainText) {
    const std::string roff = "[EXAMPLES]\n"
                             "Try it\n"
                             ".BR taurel (1)\n"
                             "now:\n"
                             ".IP\n"
                             ".B taurel \\-\\-demo\n"
                             ".br\n"
                             ".B taurel /I::1\n"
                             ".PP\n"
                             "Then:\n"
                             "[FILES]\n"
                             ".TP\n"
                             ".I snmp.log\n"
                             "With \\fB\\-\\-packet\\-log\\fR, every message\n"
                             "sent and received, one record after another, without a header, a\n"
                             "separator or a time stamp.\n";
    EXPECT_EQ(ManualAdditionsText(roff),
              "\nEXAMPLES\n"
              "  Try it taurel(1) now:\n"
              "      taurel --demo\n"
              "      taurel /I::1\n"
              "\n"
              "  Then:\n"
              "\nFILES\n"
              "  snmp.log\n"
              "      With --packet-log, every message sent and received, one record after\n"
              "      another, without a header, a separator or a time stamp.\n");
    const std::string manual = ManualText();
    EXPECT_EQ(manual.rfind(ProgramUsage(), 0), 0u) << "the usage text first";
    EXPECT_NE(manual.find("\nEXAMPLES\n"), std::string::npos) << "then the man page's own part";
}

TEST(ProgramOptionsTest, UnknownOrIncompleteOptionsAreRefused) {
    EXPECT_EQ(ParseProgramOptions({"--x"}).error, "unknown option --x");
    EXPECT_FALSE(ParseProgramOptions({"--open"}).error.empty());
    EXPECT_FALSE(ParseProgramOptions({"--open", "five"}).error.empty());
    EXPECT_FALSE(ParseProgramOptions({"--quit-after", "-1"}).error.empty());
    EXPECT_FALSE(ParseProgramOptions({"--demo=yes"}).error.empty());
}

TEST(ProgramOptionsTest, EventsOptionsTakeTheWordEventsAPortAndADemoFlap) {
    ProgramOptions o = ParseProgramOptions(
        {"--open", "events", "--trap-port", "1162", "--demo", "--link-flap=3,4", "/I/tmp/x"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.openSlots, (std::vector<int>{318}));
    EXPECT_EQ(o.trapPort, 1162);
    EXPECT_EQ(o.linkFlapPort, 3u);
    EXPECT_EQ(o.linkFlapSeconds, 4);
    EXPECT_EQ(o.commandLine, "/I/tmp/x");
    for (const char* port : {"0", "65536", "162x", ""})
        EXPECT_FALSE(ParseProgramOptions({"--trap-port", port}).error.empty()) << port;
    // The flap follows the simulated switch's own rules, and only the demo has that switch.
    EXPECT_FALSE(ParseProgramOptions({"--demo", "--link-flap", "3,1"}).error.empty());
    EXPECT_FALSE(ParseProgramOptions({"--demo", "--link-flap", "99"}).error.empty());
    EXPECT_EQ(ParseProgramOptions({"--link-flap", "3"}).error,
              "--link-flap is for the demo switch (--demo)");
}

} // namespace
