#pragma once

#include <string>

#include "platform/core/CObject.h"
#include "snmp/NmSnmpApi.h"

// One named value of an INTEGER object.
class NMSNMP_API CEnumData : public CObject {
    DECLARE_DYNCREATE(CEnumData)
public:
    CEnumData(int value, std::string text);

    void Release() { delete this; }
    static void Release(CEnumData* p) { delete p; }

    int m_nValue = 0;
    std::string m_strText;

protected:
    CEnumData() = default;
};
