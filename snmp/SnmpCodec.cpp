// Encoding and decoding of SNMPv1 and SNMPv2c messages: the only place bytes are produced or
// interpreted. An SNMPv1 message carries the nine value types of the switch's agent; SNMPv2c
// adds Counter64 and the three exceptions.

#include "snmp/BerBuffer.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpValueType.h"

namespace {

constexpr std::uint8_t kSequence = 0x30;

int HeaderSize(int length) {
    return length < 0x80 ? 2 : (length <= 0xFF ? 3 : 4);
}

// The row of a type this message's version carries; null for any other.
const SnmpValueType* CarriedType(std::uint8_t type, int version) {
    const SnmpValueType* row = SnmpValueTypeOf(type);
    if (!row || !row->onWire || (row->v2Only && version != SNMP_VERSION_2C)) {
        return nullptr;
    }
    return row;
}

// Appends the value element of `bind`, whose type is carried.
void PutValue(BerBuffer& out, const CSnmpVarBind& bind, const SnmpValueType& type) {
    switch (type.storage) {
    case SnmpStorage::Number64:
        out.PutUnsigned64(bind.m_byType, static_cast<std::uint64_t>(bind.GetInt64()));
        return;
    case SnmpStorage::None:
        out.PutHeader(bind.m_byType, 0);
        return;
    case SnmpStorage::Number:
        // Only the low 32 bits of an 8-byte value go on the wire.
        out.PutInteger(bind.m_byType, bind.GetUInt32());
        return;
    case SnmpStorage::Bytes: {
        const std::uint8_t* bytes = bind.GetBytes();
        out.PutOctets(bind.m_byType, bytes, bytes ? bind.m_wLength : 0);
        return;
    }
    case SnmpStorage::Text:
        out.PutOid(SNMP_TYPE_OID, bind.GetText());
        return;
    }
}

} // namespace

void CSnmpMsg::SnmpBuildVarOp(CSnmpVarBind* pVarBind, std::uint8_t* pBuf, std::uint16_t& wPos) {
    const SnmpValueType* type = pVarBind ? CarriedType(pVarBind->m_byType, m_nVersion) : nullptr;
    if (!type) {
        return;
    }
    BerBuffer element;
    element.PutOid(SNMP_TYPE_OID, pVarBind->m_strOid);
    PutValue(element, *pVarBind, *type);

    const int headerSize = HeaderSize(element.pos);
    if (headerSize + element.pos > kBerBufferSize - wPos) {
        throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
    }
    BerBuffer header;
    header.PutHeader(kSequence, element.pos);
    std::memcpy(pBuf + wPos, header.data, static_cast<std::size_t>(headerSize));
    std::memcpy(pBuf + wPos + headerSize, element.data, static_cast<std::size_t>(element.pos));
    wPos = static_cast<std::uint16_t>(wPos + headerSize + element.pos);
}

void CSnmpMsg::SnmpParseVarOp(CSnmpVarBind*) {}

void CSnmpMsg::SnmpEncode() {
    m_pPdu->m_dwReqId = ++m_sdwReqid;
    SnmpEncodeImage();
}

void CSnmpMsg::SnmpEncodeImage() {
    std::uint8_t bindings[kBerBufferSize];
    std::uint16_t bindingsLen = 0;
    for (CSnmpVarBind* bind : m_pPdu->m_varBindList) {
        SnmpBuildVarOp(bind, bindings, bindingsLen);
    }

    // The enclosing elements, from the inside out.
    BerBuffer fields; // request id, error status, error index, varbind-list header
    fields.PutInteger(2, m_pPdu->m_dwReqId);
    fields.PutInteger(2, m_pPdu->m_dwErrorStatus);
    fields.PutInteger(2, m_pPdu->m_dwErrorIndex);
    fields.PutHeader(kSequence, bindingsLen);
    const int pduContent = fields.pos + bindingsLen;

    BerBuffer head; // version, community, PDU header
    head.PutInteger(2, static_cast<std::uint32_t>(m_nVersion));
    head.PutOctets(4, reinterpret_cast<const std::uint8_t*>(m_strCommunity.data()),
                   static_cast<int>(m_strCommunity.size()));
    head.PutHeader(static_cast<std::uint8_t>(m_wPduType & 0xFF), pduContent);
    const int messageContent = head.pos + pduContent;

    const int total = HeaderSize(messageContent) + messageContent;
    if (total > kSnmpBufferSize) {
        throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
    }
    // It fits: assemble straight into m_buf.
    BerBuffer header;
    header.PutHeader(kSequence, messageContent);
    std::uint8_t* out = m_buf;
    for (const auto& [bytes, size] : {std::pair<const std::uint8_t*, int>{header.data, header.pos},
                                      {head.data, head.pos},
                                      {fields.data, fields.pos},
                                      {bindings, int{bindingsLen}}}) {
        std::memcpy(out, bytes, static_cast<std::size_t>(size));
        out += size;
    }
    m_nLen = total;
    m_largeImage.clear(); // the image is in m_buf again
}

void CSnmpMsg::SnmpDecode() {
    BerBuffer in(ImageData(), ImageLength());

    if (in.GetTag() != kSequence) {
        throw CSnmpException(SNMP_ERR_AUTH_PARSE);
    }
    const std::int32_t version = in.GetInteger();
    int communityLen = 0;
    const std::uint8_t* community = in.GetOctets(communityLen);
    m_strCommunity.assign(reinterpret_cast<const char*>(community),
                          static_cast<std::size_t>(communityLen));
    if (version != m_nVersion) {
        throw CSnmpException(SNMP_ERR_VERSION);
    }

    const std::uint8_t pduType = in.GetTag();
    m_wPduType = static_cast<std::uint16_t>((m_wPduType & 0xFF00) | pduType);
    if (pduType != SNMP_PDU_TRAP) {
        m_pPdu->m_dwReqId = static_cast<std::uint32_t>(in.GetInteger());
        m_pPdu->m_dwErrorStatus = static_cast<std::uint32_t>(in.GetInteger());
        m_pPdu->m_dwErrorIndex = static_cast<std::uint32_t>(in.GetInteger());
    }

    if (in.GetTag() != kSequence) {
        throw CSnmpException(SNMP_ERR_PDU_TYPE);
    }

    char nameText[kMaxOidTextSize];
    std::string text;
    while (in.pos < in.limit) {
        if (in.GetTag() != kSequence) {
            throw CSnmpException(SNMP_ERR_VARBIND_PARSE);
        }
        const std::string_view name(nameText, static_cast<std::size_t>(in.GetOidText(nameText)));
        // Each reader checks the value's length octets as PeekLength would, so the value's
        // header is read once; only a type the engine does not carry is peeked first, to fail
        // on a malformed header before the type.
        const std::uint8_t type = in.PeekTag();
        const SnmpValueType* row = CarriedType(type, m_nVersion);
        if (!row) {
            in.PeekLength();
            throw CSnmpException(SNMP_ERR_UNEXPECTED_TYPE);
        }
        switch (row->storage) {
        case SnmpStorage::Number: {
            // Up to 4 content octets make a 4-byte value, more an 8-byte one.
            const std::int64_t value = in.GetInteger64();
            if (in.last_length <= 4) {
                m_pPdu->AddOid(name, static_cast<std::uint32_t>(value), type);
            } else {
                m_pPdu->AddOid(name, value, type);
            }
            break;
        }
        case SnmpStorage::Bytes: {
            int n = 0;
            const std::uint8_t* bytes = in.GetOctets(n);
            m_pPdu->AddOid(name, bytes, n, type);
            break;
        }
        case SnmpStorage::Text:
            in.GetOid(text);
            m_pPdu->AddOid(name, text, SNMP_TYPE_OID);
            break;
        case SnmpStorage::Number64:
            m_pPdu->AddOid(name, static_cast<std::int64_t>(in.GetUnsigned64()), type);
            break;
        case SnmpStorage::None:
            in.GetNull(); // NULL and the exceptions have no content
            m_pPdu->AddOid(name);
            m_pPdu->m_varBindList.back()->m_byType = type;
            break;
        }
    }
}
