#include "snmp/CSnmpException.h"

#include "snmp/SnmpStrings.h"

CSnmpException::CSnmpException(std::uint16_t code)
    : m_wCode(code), m_strMessage(SnmpLoadString(kSnmpStringBase + code)) {}

CSnmpException::CSnmpException(std::uint16_t code, std::string message)
    : m_wCode(code), m_strMessage(std::move(message)) {}
