#include "snmp/CSnmpClass.h"

#include "snmp/SnmpDelivery.h"
#include "snmp/SnmpTransport.h"
#include "snmp/SnmpValueText.h"
#include "snmp/SnmpValueType.h"

namespace {
std::uint16_t AccessOf(const CSnmpOid& oid) {
    return oid.m_wAccess & SNMP_ACCESS_MASK;
}

bool IsSentInRead(const CSnmpOid& oid) {
    return AccessOf(oid) != SNMP_ACCESS_WRITEONLY;
}

bool IsSentInSet(const CSnmpOid& oid) {
    return AccessOf(oid) != SNMP_ACCESS_READONLY && (oid.m_wAccess & SNMP_ACCESS_INDEX) == 0;
}

const CEnumData* EnumEntryNamed(const CSnmpOid& oid, const std::string& text) {
    for (const CEnumData* item : oid.m_enumList) {
        if (item->m_strText == text) {
            return item;
        }
    }
    return nullptr;
}

// Whether a set carries a binding for `oid`; AddSetBinding adds one exactly then.
bool CarriesSetBinding(const CSnmpOid& oid) {
    if (oid.m_strOid.empty() || !IsSentInSet(oid)) {
        return false;
    }
    switch (oid.m_byType) {
    case SNMP_TYPE_INTEGER:
        return oid.m_enumList.empty() || EnumEntryNamed(oid, oid.m_strValue) != nullptr;
    case SNMP_TYPE_OCTETS:
    case SNMP_TYPE_OID:
    case SNMP_TYPE_IPADDR:
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
        return true;
    case SNMP_TYPE_MAC: {
        std::vector<std::uint8_t> bytes;
        return SnmpMacTextToBytes(oid.m_strValue, bytes);
    }
    default:
        return false;
    }
}
} // namespace

CSnmpClass::CSnmpClass(CObject* requester, std::string ipAddr, std::string getCommunity,
                       std::string setCommunity, int oidCount, const _NmOidTable* oidTable,
                       std::string instance)
    : m_pRequester(requester), m_strIpAddr(std::move(ipAddr)),
      m_strGetCommunity(std::move(getCommunity)), m_strSetCommunity(std::move(setCommunity)),
      m_nOidCount(oidCount), m_pOidTable(oidTable), m_strInstance(std::move(instance)) {
    for (int i = 0; oidTable && i < oidCount; ++i) {
        m_oidList.push_back(new CSnmpOid(oidTable[i]));
    }
}

CSnmpClass::~CSnmpClass() {
    for (CSnmpOid* oid : m_oidList) {
        delete oid;
    }
}

std::uint32_t CSnmpClass::SendSnmp(std::uint16_t pduType) {
    m_wPduType = pduType;
    const bool isSet = pduType == SNMP_PDU_SET;
    auto* msg = new CSnmpMsg(m_pRequester, m_strIpAddr,
                             isSet ? m_strSetCommunity : m_strGetCommunity, pduType);
    if (m_pfnCallback) {
        msg->SetSnmpCallback(m_pfnCallback);
    }
    msg->m_nTimeoutMs = m_nTimeoutMs;
    msg->m_nRetries = m_nRetries;
    for (CSnmpOid* oid : m_oidList) {
        if (oid->m_strOid.empty()) {
            continue;
        }
        const std::string name = oid->m_strOid + m_strInstance + m_strPosition;
        if (isSet) {
            if (CarriesSetBinding(*oid)) {
                AddSetBinding(*msg->m_pPdu, name, *oid);
            }
        } else if (IsSentInRead(*oid)) {
            msg->m_pPdu->AddOid(name);
        }
    }
    const bool hasReceiver = SnmpHasReceiver(msg);
    m_dwLastReqId = SendSnmpMsg(msg);
    if (!hasReceiver && msg->m_exception.m_wCode != 0) {
        // A failed send without receiver is left with its sender, and nobody but this object
        // knows the message: give it back here instead of losing it.
        CSnmpMsg::Release(msg);
    }
    return m_dwLastReqId;
}

bool CSnmpClass::SetCarriesAnything() const {
    for (const CSnmpOid* oid : m_oidList) {
        if (CarriesSetBinding(*oid)) {
            return true;
        }
    }
    return false;
}

void CSnmpClass::AddSetBinding(CSnmpPdu& pdu, const std::string& name, CSnmpOid& oid) {
    const SnmpValueType* type = SnmpValueTypeOf(oid.m_byType);
    switch (type ? type->form : SnmpForm::Null) {
    case SnmpForm::Signed:
        if (const CEnumData* item = EnumEntryNamed(oid, oid.m_strValue)) {
            pdu.AddOid(name, static_cast<std::uint32_t>(item->m_nValue), type->wireTag);
        } else {
            pdu.AddOid(name, static_cast<std::uint32_t>(SnmpDecimalText(oid.m_strValue)),
                       type->wireTag);
        }
        return;
    case SnmpForm::Octets:
        if (oid.m_wAccess & SNMP_ACCESS_HEX) {
            oid.m_strValue = SnmpHexTextToBytes(oid.m_strValue);
        }
        pdu.AddOid(name, oid.m_strValue, type->wireTag);
        return;
    case SnmpForm::ObjectId:
        pdu.AddOid(name, oid.m_strValue, type->wireTag);
        return;
    case SnmpForm::Address: {
        const auto bytes = SnmpIpTextToBytes(oid.m_strValue);
        pdu.AddOid(name, bytes.data(), static_cast<int>(bytes.size()), type->wireTag);
        return;
    }
    case SnmpForm::Unsigned:
        pdu.AddOid(name, static_cast<std::uint32_t>(SnmpDecimalText(oid.m_strValue)),
                   type->wireTag);
        return;
    case SnmpForm::Mac: {
        std::vector<std::uint8_t> bytes;
        if (SnmpMacTextToBytes(oid.m_strValue, bytes)) {
            pdu.AddOid(name, bytes.data(), static_cast<int>(bytes.size()), type->wireTag);
        }
        return;
    }
    default:
        // Rows of the other types are not written from text.
        return;
    }
}

bool CSnmpClass::IsEndOfTable(const CSnmpPdu* pdu) {
    const std::string prefix =
        (m_oidList.empty() ? std::string() : m_oidList.front()->m_strOid) + m_strInstance;
    if (!pdu || pdu->m_varBindList.empty()) {
        m_strPosition.clear();
        return true;
    }
    // Inside the table only when the name continues the prefix by a whole sub-identifier: the
    // prefix text found elsewhere in a name ("….1" within "….10.1", or inside another subtree)
    // is not a row of this table.
    // An SNMPv2 agent past its last object answers endOfMibView under the name asked for,
    // which still lies inside the table: taken as a row, the walk would ask for it for ever.
    if (pdu->m_varBindList.front()->m_byType == SNMP_TYPE_ENDOFMIBVIEW) {
        m_strPosition.clear();
        return true;
    }
    const std::string& name = pdu->m_varBindList.front()->m_strOid;
    // An SNMPv2c agent ends its objects with endOfMibView under the name asked for: another
    // step from there would ask for the same name for ever.
    const bool exception = SnmpIsException(pdu->m_varBindList.front()->m_byType);
    const bool inTable = !exception && name.size() > prefix.size() &&
                         name.compare(0, prefix.size(), prefix) == 0 && name[prefix.size()] == '.';
    if (!inTable) {
        m_strPosition.clear();
        return true;
    }
    m_strPosition = name.substr(prefix.size());
    return false;
}

void CSnmpClass::RemoveReadOnlyObjid() {
    for (auto it = m_oidList.begin(); it != m_oidList.end();) {
        CSnmpOid* oid = *it;
        if (AccessOf(*oid) == SNMP_ACCESS_READONLY && (oid->m_wAccess & SNMP_ACCESS_INDEX) == 0) {
            delete oid;
            it = m_oidList.erase(it);
        } else {
            ++it;
        }
    }
}
