#pragma once
// A request object built from rows of a static OID table: it sends get, get-next and set
// requests for those rows, walks an SNMP table row by row, and turns reply values into text.

#include <cstdint>
#include <list>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpOid.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/CSnmpVarBind.h"
#include "snmp/NmOidTable.h"
#include "snmp/NmSnmpApi.h"

class NMSNMP_API CSnmpClass : public CObject {
public:
    CSnmpClass(CObject* requester, std::string ipAddr, std::string getCommunity,
               std::string setCommunity, int oidCount, const _NmOidTable* oidTable,
               std::string instance);
    ~CSnmpClass() override;
    CSnmpClass(const CSnmpClass&) = delete;
    CSnmpClass& operator=(const CSnmpClass&) = delete;

    std::list<CSnmpOid*>& GetOidList() { return m_oidList; }
    void SetSnmpCallback(SNMPCALLBACK callback) { m_pfnCallback = callback; }

    // Builds a request of `pduType` (get, get-next or set) from the objects and sends it; the
    // outcome reaches the receiver. Returns the request id.
    std::uint32_t SendSnmp(std::uint16_t pduType);
    // After a get-next reply: true when the walk has left the table or reached the end of the
    // agent's view (endOfMibView; the position is reset), otherwise the position moves to the
    // reply's row.
    bool IsEndOfTable(const CSnmpPdu* pdu);
    // Drops the read-only objects except index columns.
    void RemoveReadOnlyObjid();
    // Display text of a reply value; `oid` (may be null) supplies the display type, the hex
    // flag and the enumeration texts. A plain octet string ends at its first zero byte, as a
    // C string does.
    static std::string FormatValue(const CSnmpVarBind* vb, const CSnmpOid* oid);
    // The same text as an object's value text: a plain octet string keeps every octet, zero
    // bytes included, so a window that writes back what it read writes the same octets.
    static std::string ValueText(const CSnmpVarBind* vb, const CSnmpOid* oid);
    // Whether a set built now would carry any binding: an enumerated value whose text is no
    // entry, an invalid MAC text and read-only or index objects carry none.
    bool SetCarriesAnything() const;

    CObject* m_pRequester = nullptr;
    std::string m_strIpAddr;
    std::string m_strGetCommunity;
    std::string m_strSetCommunity;
    std::uint16_t m_wPduType = 0;
    int m_nOidCount = 0;
    const _NmOidTable* m_pOidTable = nullptr;
    std::list<CSnmpOid*> m_oidList;
    std::string m_strPosition;
    std::string m_strInstance;
    SNMPCALLBACK m_pfnCallback = nullptr;
    std::uint32_t m_dwLastReqId = 0;
    // The time-out of every request this object sends, in milliseconds; 0: the engine's.
    int m_nTimeoutMs = 0;
    // How often each request is sent again after a time-out (CSnmpMsg::m_nRetries).
    int m_nRetries = 0;

private:
    // Adds the set binding of `oid` under `name`; some values add nothing (see the rules).
    static void AddSetBinding(CSnmpPdu& pdu, const std::string& name, CSnmpOid& oid);
};
