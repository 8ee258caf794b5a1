#include "snmp/SnmpNotificationCodec.h"

#include "snmp/BerBuffer.h"
#include "snmp/BerStream.h"
#include "snmp/SnmpTypes.h"

namespace {

constexpr std::uint8_t kSequence = 0x30;

struct Element {
    std::uint8_t tag = 0;
    std::vector<std::uint8_t> content;
};

// The next whole element of `in`, split into its tag and content octets.
Element ReadElement(BerReader& in) {
    const std::vector<std::uint8_t> raw = in.GetRawElement();
    BerBuffer header(raw.data(), static_cast<int>(raw.size()));
    header.GetTag();
    return {raw.front(), std::vector<std::uint8_t>(raw.begin() + header.pos, raw.end())};
}

std::string ReadOid(BerReader& in) {
    const std::vector<std::uint8_t> raw = in.GetRawElement();
    BerBuffer element(raw.data(), static_cast<int>(raw.size()));
    std::string text;
    element.GetOid(text);
    return text;
}

// Whether `content` is a well-formed value of `tag` in a message of `version`. The sizes are
// the ones the types allow, so a value can always be read back as its type.
bool IsValidValue(std::uint8_t tag, const std::vector<std::uint8_t>& content, int version) {
    const std::size_t n = content.size();
    const bool v2 = version != SNMP_VERSION_1;
    switch (tag) {
    case SNMP_TYPE_INTEGER:
        return n >= 1 && n <= 8;
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
        return n >= 1 && n <= 5 && (n < 5 || content.front() == 0);
    case SNMP_TYPE_COUNTER64:
        return v2 && n >= 1 && n <= 9 && (n < 9 || content.front() == 0);
    case SNMP_TYPE_OCTETS:
    case SNMP_TYPE_OPAQUE:
        return true;
    case SNMP_TYPE_IPADDR:
        return n == 4;
    case SNMP_TYPE_NULL:
        return n == 0;
    case SNMP_TYPE_NOSUCHOBJECT:
    case SNMP_TYPE_NOSUCHINSTANCE:
    case SNMP_TYPE_ENDOFMIBVIEW:
        return v2 && n == 0;
    default:
        return false;
    }
}

bool ReadBindings(BerReader& list, int version, std::vector<SnmpNotificationBinding>& bindings) {
    while (!list.AtEnd()) {
        BerReader binding = list.Take(list.Enter(kSequence, SNMP_ERR_VARBIND_PARSE));
        SnmpNotificationBinding b;
        b.oid = ReadOid(binding);
        Element value = ReadElement(binding);
        b.type = value.tag;
        b.value = std::move(value.content);
        const bool valid = b.type == SNMP_TYPE_OID ? !b.ObjectIdText().empty()
                                                   : IsValidValue(b.type, b.value, version);
        if (!valid || !binding.AtEnd()) {
            return false;
        }
        bindings.push_back(std::move(b));
    }
    return true;
}

SnmpNotificationDecode ReadTrapV1(BerReader& pdu, SnmpNotification& n) {
    n.enterprise = ReadOid(pdu);
    const Element address = ReadElement(pdu);
    if (address.tag != SNMP_TYPE_IPADDR || address.content.size() != 4) {
        return SnmpNotificationDecode::Malformed;
    }
    std::copy(address.content.begin(), address.content.end(), n.agentAddress.begin());
    const std::int64_t generic = pdu.GetInteger();
    const std::int64_t specific = pdu.GetInteger();
    if (generic < SNMP_TRAP_COLD_START || generic > SNMP_TRAP_ENTERPRISE_SPECIFIC ||
        specific < INT32_MIN || specific > INT32_MAX) {
        return SnmpNotificationDecode::Malformed;
    }
    n.genericTrap = static_cast<std::int32_t>(generic);
    n.specificTrap = static_cast<std::int32_t>(specific);
    const Element stamp = ReadElement(pdu);
    if (stamp.tag != SNMP_TYPE_TIMETICKS ||
        !IsValidValue(SNMP_TYPE_TIMETICKS, stamp.content, SNMP_VERSION_1)) {
        return SnmpNotificationDecode::Malformed;
    }
    n.uptime = static_cast<std::uint32_t>(
        SnmpNotificationBinding{"", stamp.tag, stamp.content}.Unsigned());
    BerReader list = pdu.Take(pdu.Enter(kSequence, SNMP_ERR_PDU_TYPE));
    if (!ReadBindings(list, SNMP_VERSION_1, n.bindings) || !pdu.AtEnd()) {
        return SnmpNotificationDecode::Malformed;
    }
    SnmpMapV1ToV2(n);
    return SnmpNotificationDecode::Ok;
}

SnmpNotificationDecode ReadTrapV2(BerReader& pdu, SnmpNotification& n) {
    n.requestId = pdu.GetInteger();
    pdu.GetInteger(); // error status and index: zero in a notification, and not used
    pdu.GetInteger();
    BerReader list = pdu.Take(pdu.Enter(kSequence, SNMP_ERR_PDU_TYPE));
    if (!ReadBindings(list, n.version, n.bindings) || !pdu.AtEnd()) {
        return SnmpNotificationDecode::Malformed;
    }
    // sysUpTime.0 and snmpTrapOID.0 lead every SNMPv2 notification (RFC 3416 section 4.2.6).
    if (n.bindings.size() < 2 || n.bindings[0].oid != kSysUpTimeOid ||
        n.bindings[0].type != SNMP_TYPE_TIMETICKS || n.bindings[1].oid != kSnmpTrapOid ||
        n.bindings[1].type != SNMP_TYPE_OID) {
        return SnmpNotificationDecode::Malformed;
    }
    n.uptime = static_cast<std::uint32_t>(n.bindings[0].Unsigned());
    n.trapOid = n.bindings[1].ObjectIdText();
    SnmpMapV2ToV1(n);
    return SnmpNotificationDecode::Ok;
}

SnmpNotificationDecode ReadPdu(BerReader& in, SnmpNotification& n) {
    const std::uint8_t type = in.PeekTag();
    const bool v1 = n.version == SNMP_VERSION_1;
    if (type != SNMP_PDU_TRAP && type != SNMP_PDU_TRAP2 && type != SNMP_PDU_INFORM) {
        in.GetRawElement(); // a well-formed element of another kind
        return SnmpNotificationDecode::NotANotification;
    }
    if ((type == SNMP_PDU_TRAP) != v1) {
        return SnmpNotificationDecode::Malformed; // each version has its own trap PDU
    }
    n.pduType = type;
    BerReader pdu = in.Take(in.Enter(type, SNMP_ERR_PDU_TYPE));
    return type == SNMP_PDU_TRAP ? ReadTrapV1(pdu, n) : ReadTrapV2(pdu, n);
}

template <class Read> SnmpNotificationDecode Guarded(Read read) {
    try {
        return read();
    } catch (const CSnmpException&) {
        return SnmpNotificationDecode::Malformed;
    }
}

void PutOid(BerWriter& out, const std::string& dotted) {
    BerBuffer element;
    element.PutOid(SNMP_TYPE_OID, dotted);
    out.PutRaw(element.data, static_cast<std::size_t>(element.pos));
}

void PutBindings(BerWriter& out, const std::vector<SnmpNotificationBinding>& bindings) {
    const std::size_t list = out.Begin();
    for (const SnmpNotificationBinding& b : bindings) {
        const std::size_t binding = out.Begin();
        PutOid(out, b.oid);
        out.PutOctets(b.type, b.value);
        out.End(kSequence, binding);
    }
    out.End(kSequence, list);
}

std::vector<std::uint8_t> RequestPdu(std::uint8_t type, std::int64_t requestId,
                                     const std::vector<SnmpNotificationBinding>& bindings) {
    BerWriter out;
    const std::size_t start = out.Begin();
    out.PutInteger(SNMP_TYPE_INTEGER, requestId);
    out.PutInteger(SNMP_TYPE_INTEGER, 0);
    out.PutInteger(SNMP_TYPE_INTEGER, 0);
    PutBindings(out, bindings);
    out.End(type, start);
    return std::move(out.Bytes());
}

} // namespace

SnmpNotificationDecode SnmpDecodeCommunityNotification(const std::uint8_t* bytes, std::size_t size,
                                                       SnmpNotification& n) {
    return Guarded([&] {
        BerReader outer(bytes, size);
        BerReader in = outer.Take(outer.Enter(kSequence, SNMP_ERR_AUTH_PARSE));
        const std::int64_t version = in.GetInteger();
        if (version != SNMP_VERSION_1 && version != SNMP_VERSION_2C) {
            return SnmpNotificationDecode::Malformed;
        }
        n.version = static_cast<int>(version);
        const std::vector<std::uint8_t> community = in.GetOctets();
        n.community.assign(community.begin(), community.end());
        const SnmpNotificationDecode result = ReadPdu(in, n);
        return result == SnmpNotificationDecode::Ok && !(in.AtEnd() && outer.AtEnd())
                   ? SnmpNotificationDecode::Malformed
                   : result;
    });
}

SnmpNotificationDecode SnmpDecodeNotificationPdu(const std::vector<std::uint8_t>& pdu,
                                                 SnmpNotification& n) {
    return Guarded([&] {
        BerReader in(pdu.data(), pdu.size());
        n.version = SNMP_VERSION_3;
        const SnmpNotificationDecode result = ReadPdu(in, n);
        return result == SnmpNotificationDecode::Ok && !in.AtEnd()
                   ? SnmpNotificationDecode::Malformed
                   : result;
    });
}

std::vector<std::uint8_t> SnmpEncodeNotificationPdu(const SnmpNotification& n) {
    if (n.pduType != SNMP_PDU_TRAP) {
        return RequestPdu(n.pduType, n.requestId, n.bindings);
    }
    BerWriter out;
    const std::size_t start = out.Begin();
    PutOid(out, n.enterprise);
    out.PutOctets(SNMP_TYPE_IPADDR, n.agentAddress.data(), n.agentAddress.size());
    out.PutInteger(SNMP_TYPE_INTEGER, n.genericTrap);
    out.PutInteger(SNMP_TYPE_INTEGER, n.specificTrap);
    out.PutOctets(SNMP_TYPE_TIMETICKS,
                  SnmpNotificationBinding::Unsigned({}, SNMP_TYPE_TIMETICKS, n.uptime).value);
    PutBindings(out, n.bindings);
    out.End(SNMP_PDU_TRAP, start);
    return std::move(out.Bytes());
}

std::vector<std::uint8_t> SnmpEncodeCommunityMessage(int version, const std::string& community,
                                                     const std::vector<std::uint8_t>& pdu) {
    BerWriter out;
    const std::size_t start = out.Begin();
    out.PutInteger(SNMP_TYPE_INTEGER, version);
    out.PutOctets(SNMP_TYPE_OCTETS, reinterpret_cast<const std::uint8_t*>(community.data()),
                  community.size());
    out.PutRaw(pdu.data(), pdu.size());
    out.End(kSequence, start);
    return std::move(out.Bytes());
}

std::vector<std::uint8_t> SnmpEncodeInformResponsePdu(const SnmpNotification& inform) {
    return RequestPdu(SNMP_PDU_RESPONSE, inform.requestId, inform.bindings);
}
