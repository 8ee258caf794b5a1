#include "module/tables/EnumTexts.h"

const _NmEnumPair g_ProtocolCapabilityEnum[] = {
    {2, "SMNP-IP"}, {3, "SNMP-IPX"}, {4, "SNMP-IP and IPX"}, {0, nullptr}};

const _NmEnumPair g_CapabilityTypeEnum[] = {
    {2, "Standard"}, {3, "Proprietary"}, {4, "Experiment"}, {0, nullptr}};

const _NmEnumPair g_IfTypeEnum[] = {{6, "Ethernet CSMA/CD"}, {28, "Slip"}, {0, nullptr}};

const _NmEnumPair g_DisableEnableEnum[] = {{2, "Disable"}, {3, "Enable"}, {0, nullptr}};

const _NmEnumPair g_EnableDisableEnum[] = {{1, "Enable"}, {2, "Disable"}, {0, nullptr}};

const _NmEnumPair g_SaveResetEnum[] = {
    {2, "Cold Start"}, {3, "Warm Start"}, {4, "Not Reset"}, {0, nullptr}};

// Codes 4 and 10 both read "Fiber SC"; a value-to-text lookup must therefore not assume unique
// texts, while a text-to-value lookup yields the first (4).
const _NmEnumPair g_PortTypeEnum[] = {{2, "UTP"}, {3, "AUI"},       {4, "Fiber SC"},  {5, "BNC"},
                                      {6, "RAS"}, {7, "100Bridge"}, {10, "Fiber SC"}, {0, nullptr}};

const _NmEnumPair g_LinkStatusEnum[] = {{2, "Link Pass"}, {3, "Link Fail"}, {0, nullptr}};

const _NmEnumPair g_DuplexEnum[] = {{2, "Half"}, {3, "Full"}, {0, nullptr}};

const _NmEnumPair g_SpeedEnum[] = {
    {2, "10 Mbps"}, {3, "100 Mbps"}, {4, "1000 Mbps (1 Gbps)"}, {0, nullptr}};

const _NmEnumPair g_BroadcastStormEnum[] = {{2, "Normal"}, {3, "Broadcast Storm"}, {0, nullptr}};

const _NmEnumPair g_Rs232UseEnum[] = {{2, "Console"}, {3, "Out of Band"}, {0, nullptr}};

const _NmEnumPair g_OutOfBandRateEnum[] = {
    {2, "2400 Baud"}, {3, "9600 Baud"}, {4, "19200 Baud"}, {5, "38400 Baud"}, {0, nullptr}};
