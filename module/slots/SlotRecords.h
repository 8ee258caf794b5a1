#pragma once
// Which record each child-dialog slot gets, with its title, keys, OID table, header fields,
// buttons and form values. Slots that are not listed stay without a record and cannot be opened.

#include "module/identity/ModuleIdentity.h"
#include "module/slots/CDlgData.h"
#include "module/slots/PanelMessages.h"

#include <array>
#include <memory>

using SlotRecordTable = std::array<std::unique_ptr<CDlgData>, PANEL_CHILD_DIALOG_NUMBER>;

// The slot numbers of the per-port ranges: port p (1 to 28) has slot base + p.
namespace SlotBase {
constexpr int kPortInformation = 49;
constexpr int kPortSettings = 79;
constexpr int kPortErrors = 139;
constexpr int kPortPackets = 169;
constexpr int kPortLineGraph = 199;
constexpr int kPortErrorLineGraph = 229;
constexpr int kPortBarGraph = 259;
constexpr int kPortErrorBarGraph = 289;
} // namespace SlotBase

// The slots that name one dialog of the device.
namespace Slot {
constexpr int kDeviceInformation = 0;
constexpr int kSetConfiguration = 1;
constexpr int kMibCapability = 2;
constexpr int kIpInterface = 3;
constexpr int kIpInterfaceSettings = 4;
constexpr int kTrapReceivers = 5;
constexpr int kTrapReceiverForm = 6;
constexpr int kTrapSettings = 7;
constexpr int kReset = 26;
constexpr int kAbout = 27;
// The program's manual, opened from Help > Help; like the About box it has no record.
constexpr int kHelp = 28;
// The switch's events (traps and informs), after the slots of the port ranges.
constexpr int kEvents = 318;
} // namespace Slot

// The value of a row-status column that removes the row (the trap receivers' "Disable").
constexpr std::int32_t kRowRemoveValue = 2;

// The interface the IP interface settings edit when no entry was chosen.
constexpr const char* kFirstIpInterface = "1";

// Builds every record, in the order the main window makes them.
void BuildSlotRecords(SlotRecordTable& records, const ModuleIdentity& identity);
