#pragma once
// Named values of the switch's INTEGER objects, each list ended by a pair with a null text.
// Texts are shown to the operator and sent back in set requests, so they are kept exactly as the
// switch's documentation spells them.

#include "snmp/NmOidTable.h"

extern const _NmEnumPair g_ProtocolCapabilityEnum[];
extern const _NmEnumPair g_CapabilityTypeEnum[];
extern const _NmEnumPair g_IfTypeEnum[];
extern const _NmEnumPair g_DisableEnableEnum[]; // 2 "Disable", 3 "Enable"
extern const _NmEnumPair g_EnableDisableEnum[]; // 1 "Enable", 2 "Disable" (MIB-II traps)
extern const _NmEnumPair g_SaveResetEnum[];
extern const _NmEnumPair g_PortTypeEnum[];
extern const _NmEnumPair g_LinkStatusEnum[];
extern const _NmEnumPair g_DuplexEnum[];
extern const _NmEnumPair g_SpeedEnum[];
extern const _NmEnumPair g_BroadcastStormEnum[];
extern const _NmEnumPair g_Rs232UseEnum[];
extern const _NmEnumPair g_OutOfBandRateEnum[];
