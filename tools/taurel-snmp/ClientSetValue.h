#pragma once
// Values given on the command line of `set`, checked strictly and added to a request.

#include <string>

#include "snmp/CSnmpPdu.h"
#include "tools/taurel-snmp/ClientArgs.h"

// Adds the binding for `item`; false with `error` set when the value does not fit its type.
bool AddClientSetBinding(CSnmpPdu& pdu, const ClientSetItem& item, std::string& error);
