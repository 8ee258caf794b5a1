#pragma once

#include <string>

#include "snmp/NmOidTable.h"

// Turns the text of an index column's value into the OID instance suffix that addresses its
// row: an OCTET STRING by its length and character codes, a MAC address by its six bytes, and
// anything else (numbers, IP addresses) as the text itself.
class CIndexSuffix {
public:
    CIndexSuffix(const _NmOidTable* row, const std::string& text);

    // Empty when there is no row or text, or a MAC text is not 17 characters long.
    const std::string& GetSuffix() const { return m_strSuffix; }

private:
    static std::string Build(const _NmOidTable* row, const std::string& text);

    const _NmOidTable* m_pRow;
    std::string m_strSuffix;
};
