#include "module/config/ConfigPages.h"

#include "module/tables/ConfigTables.h"

namespace {

// The Console lists name the values differently from the enumerations: the position links them.
constexpr const char* kRs232Choices[] = {"Console", "SLIP", nullptr};
constexpr const char* kRateChoices[] = {"baudRate-2400", "baudRate-9600", "baudRate-19200",
                                        "baudRate-38400", nullptr};

using Kind = PageInputKind;

const std::array<ConfigPage, kConfigPageCount> kPages = {{
    {"   General   ",
     "General",
     CGeneralPage::kTemplateId,
     CGeneralPage::kStatusId,
     kConfigGeneralFirstRow,
     kConfigGeneralRowCount,
     {{{CGeneralPage::kContactId, Kind::TextField, 1201, "Contact", 10, 44, 56, 162},
       {CGeneralPage::kNameId, Kind::TextField, 1202, "Name", 30, 44, 56, 162},
       {CGeneralPage::kLocationId, Kind::TextField, 1203, "Location", 50, 44, 56, 162}}}},
    {"   Console   ",
     "Console",
     CConsolePage::kTemplateId,
     CConsolePage::kStatusId,
     kConfigConsoleFirstRow,
     kConfigConsoleRowCount,
     {{{CConsolePage::kUseId, Kind::ChoiceList, 1204, "RS232 Port Used As", 14, 80, 96, 100,
        kRs232Choices},
       {CConsolePage::kRateId, Kind::ChoiceList, 1205, "Out-of-Band Rate", 38, 80, 96, 100,
        kRateChoices}}}},
    {"   Advanced ",
     "Advanced",
     CAdvancedPage::kTemplateId,
     CAdvancedPage::kStatusId,
     kConfigAdvancedFirstRow,
     kConfigAdvancedRowCount,
     {{{CAdvancedPage::kExpiresId, Kind::TextField, 1206, "MAC Address Entry Expires (seconds)", 14,
        140, 150, 68},
       {CAdvancedPage::kLearningId, Kind::ChoiceList, 1207, "Learning State", 38, 140, 150, 68}}}},
    {"   Traps    ",
     "Traps",
     CTrapsPage::kTemplateId,
     CTrapsPage::kStatusId,
     kConfigTrapsFirstRow,
     kConfigTrapsRowCount,
     {{{CTrapsPage::kAuthTrapId, Kind::ChoiceList, 1208, "Authentication Fail Trap", 14, 100, 112,
        80}}}},
}};

} // namespace

const std::array<ConfigPage, kConfigPageCount>& ConfigPageTable() {
    return kPages;
}
