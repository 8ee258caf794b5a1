#include "module/slots/SlotRecords.h"

#include "module/tables/DeviceTables.h"
#include "module/tables/PortTables.h"

#include <cstdio>
#include <functional>

namespace {

std::string PortText(int port) {
    char text[16];
    std::snprintf(text, sizeof text, "Port %d", port);
    return text;
}

std::unique_ptr<CTableDlgData> DeviceTable(const ModuleIdentity& id, const char* title,
                                           const _NmOidTable* table, int rows) {
    auto record = std::make_unique<CEntryTableDlgData>();
    record->m_strTitle = title;
    record->SetEntryTable(table, rows);
    record->m_strReadCommunity = id.readCommunity;
    record->m_strWriteCommunity = id.writeCommunity;
    record->SetHeader(id.deviceName, id.agentAddress, "Device");
    return record;
}

std::unique_ptr<CFormDlgData> Form(const char* title, const _NmOidTable* table, int rows) {
    auto record = std::make_unique<CFormDlgData>();
    record->m_strTitle = title;
    record->SetTable(table, rows);
    record->m_labels = {"Apply", "Close"};
    return record;
}

std::unique_ptr<CTableDlgData> PortTable(const ModuleIdentity& id, int port, const char* what,
                                         const _NmOidTable* table, int rows) {
    auto record = std::make_unique<CTableDlgData>();
    record->m_strTitle = PortText(port) + what;
    record->SetTable(table, rows);
    record->SetKeys({"1", std::to_string(port)});
    record->m_strReadCommunity = id.readCommunity;
    record->m_strWriteCommunity = id.writeCommunity;
    record->SetHeader(id.deviceName, id.agentAddress, PortText(port));
    return record;
}

void Place(SlotRecordTable& records, int slot, std::unique_ptr<CDlgData> record) {
    record->m_nKind = slot;
    records[slot] = std::move(record);
}

void BuildDeviceRecords(SlotRecordTable& records, const ModuleIdentity& id) {
    auto info = std::make_unique<CTableDlgData>();
    info->m_strTitle = "Device Information";
    info->SetTable(g_DeviceInfoTable, kDeviceInfoRowCount);
    info->m_strReadCommunity = id.readCommunity;
    info->m_strWriteCommunity = id.writeCommunity;
    info->SetHeader(id.deviceName, id.agentAddress, "Device");
    info->AddButton("Refresh", PANEL_REFRESH, 0);
    info->AddButton("Set", PANEL_MSG, Slot::kSetConfiguration);
    Place(records, Slot::kDeviceInformation, std::move(info));

    Place(records, Slot::kSetConfiguration, std::make_unique<CFormDlgData>());

    auto capability =
        DeviceTable(id, "Mib Capability Table", g_MibCapabilityTable, kMibCapabilityRowCount);
    capability->AddButton("Refresh", PANEL_REFRESH, 0);
    Place(records, Slot::kMibCapability, std::move(capability));

    auto traps =
        DeviceTable(id, "Trap Receivers Table", g_TrapReceiverTable, kTrapReceiverRowCount);
    static_cast<CEntryTableDlgData&>(*traps).SetRemoveValue(kRowRemoveValue);
    traps->AddButton("Refresh", PANEL_REFRESH, 0);
    traps->AddButton("Add", PANEL_MSG, Slot::kTrapReceiverForm);
    traps->AddButton("Remove", PANEL_REMOVE, 0);
    traps->AddButton("Trap Set", PANEL_MSG, Slot::kTrapSettings);
    Place(records, Slot::kTrapReceivers, std::move(traps));

    auto receiver = Form("Add/Modify Trap Receievers", g_TrapReceiverTable, kTrapReceiverRowCount);
    receiver->m_strTextB = "Enable";
    receiver->m_nNumber = Slot::kTrapReceivers;
    Place(records, Slot::kTrapReceiverForm, std::move(receiver));

    auto trapSettings = Form("Trap Settings", g_AuthTrapTable, kAuthTrapRowCount);
    trapSettings->m_strTextB = "Enable";
    Place(records, Slot::kTrapSettings, std::move(trapSettings));

    auto ip = DeviceTable(id, "Ip Interface Table", g_IpInterfaceTable, kIpInterfaceRowCount);
    ip->AddButton("Refresh", PANEL_REFRESH, 0);
    ip->AddButton("Set", PANEL_MSG, Slot::kIpInterfaceSettings);
    Place(records, Slot::kIpInterface, std::move(ip));

    auto ipSettings =
        Form("IP Interface Settings", g_IpInterfaceSettingsTable, kIpInterfaceSettingsRowCount);
    ipSettings->SetKeys({kFirstIpInterface});
    ipSettings->m_nNumber = Slot::kIpInterface;
    Place(records, Slot::kIpInterfaceSettings, std::move(ipSettings));

    auto reset = std::make_unique<CFormDlgData>();
    reset->m_strTitle = "Reset";
    reset->SetTable(g_SaveResetTable, kSaveResetRowCount);
    reset->m_strTextA = "Resetting the switch will cause it to revert to previously saved "
                        "settings. To use settings changed during this session use the Save "
                        "Changes option before resetting the switch.";
    reset->m_strTextB = "Cold Start";
    reset->m_labels = {"Reset"};
    Place(records, Slot::kReset, std::move(reset));
}

// The events window's record comes after every specified one.
void BuildEventsRecord(SlotRecordTable& records, const ModuleIdentity& id) {
    auto events = std::make_unique<CTableDlgData>();
    events->m_strTitle = "Events";
    events->m_strReadCommunity = id.readCommunity;
    events->m_strWriteCommunity = id.writeCommunity;
    events->SetHeader(id.deviceName, id.agentAddress, "Device");
    events->AddButton("Clear", PANEL_CLEAR, 0);
    Place(records, Slot::kEvents, std::move(events));
}

void AddSamplingButtons(CTableDlgData& record) {
    record.AddButton("Pause", PANEL_PAUSE, 0);
    record.AddButton("Resume", PANEL_RESUME, 0);
}

using PortRecordMaker = std::function<std::unique_ptr<CDlgData>(int port)>;

void BuildPortRange(SlotRecordTable& records, int base, const PortRecordMaker& make) {
    for (int port = 1; port <= PANEL_PORT_NUMBER; ++port)
        Place(records, base + port, make(port));
}

} // namespace

void BuildSlotRecords(SlotRecordTable& records, const ModuleIdentity& id) {
    BuildDeviceRecords(records, id);
    BuildPortRange(records, SlotBase::kPortInformation, [&](int port) {
        auto record = PortTable(id, port, " Information", g_PortInfoTable, kPortInfoRowCount);
        record->AddButton("Refresh", PANEL_REFRESH, 0);
        record->AddButton("Set", PANEL_MSG, SlotBase::kPortSettings + port);
        return record;
    });
    BuildPortRange(records, SlotBase::kPortSettings, [&](int port) {
        auto record = Form("", g_PortSettingsTable, kPortSettingsRowCount);
        record->m_strTitle = PortText(port) + " Settings";
        record->SetKeys({"1", std::to_string(port)});
        return record;
    });
    BuildPortRange(records, SlotBase::kPortErrors, [&](int port) {
        auto record = PortTable(id, port, " Errors", g_PortErrorTable, kPortErrorRowCount);
        AddSamplingButtons(*record);
        return record;
    });
    struct GraphRange {
        int base;
        const char* what;
        const _NmOidTable* table;
        int rows;
    };
    const GraphRange graphs[] = {
        {SlotBase::kPortLineGraph, " Statistic Line Graph", g_PortPacketTable, kPortPacketRowCount},
        {SlotBase::kPortErrorLineGraph, " Statistic Line Graph (Errors)", g_PortErrorTable,
         kPortErrorRowCount},
        {SlotBase::kPortBarGraph, " Statistic Bar Graph", g_PortPacketTable, kPortPacketRowCount},
        {SlotBase::kPortErrorBarGraph, " Statistic Bar Graph (Errors)", g_PortErrorTable,
         kPortErrorRowCount},
    };
    for (const GraphRange& g : graphs)
        BuildPortRange(records, g.base,
                       [&](int port) { return PortTable(id, port, g.what, g.table, g.rows); });
    BuildPortRange(records, SlotBase::kPortPackets, [&](int port) {
        auto record =
            PortTable(id, port, " Packet Analysis", g_PortPacketTable, kPortPacketRowCount);
        AddSamplingButtons(*record);
        return record;
    });
    BuildEventsRecord(records, id);
}
