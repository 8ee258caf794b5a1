// Encoding and decoding of SNMPv1 and SNMPv2c messages: the only place bytes are produced or
// interpreted. An SNMPv1 message carries the nine value types of the switch's agent; SNMPv2c
// adds Counter64 and the three exceptions.

#include "snmp/BerBuffer.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmOidTable.h"
#include "snmp/SmallCopy.h"
#include "snmp/SnmpValueType.h"

namespace {

constexpr std::uint8_t kSequence = 0x30;

// The row of a type this message's version carries; null for any other.
const SnmpValueType* CarriedType(std::uint8_t type, int version) {
    const SnmpValueType* row = SnmpValueTypeOf(type);
    if (!row || !row->onWire || (row->v2Only && version != SNMP_VERSION_2C)) {
        return nullptr;
    }
    return row;
}

// The value element of a binding, ready to be written: its content is in `content`, or at
// `bytes` for octets. Sizes are known before anything is written, so the message is assembled
// once, in place.
struct ValueElement {
    std::uint8_t tag = 0;
    int length = 0;
    const std::uint8_t* bytes = content;
    std::uint8_t content[kBerMaxOidContent];
};

// Fills `value` for `bind`, whose type is carried; throws 13 for an OID of more than 64 parts.
void PrepareValue(ValueElement& value, const CSnmpVarBind& bind, const SnmpValueType& type) {
    value.tag = bind.m_byType;
    switch (type.storage) {
    case SnmpStorage::Number64:
        value.length =
            BerUnsignedContent(value.content, static_cast<std::uint64_t>(bind.GetInt64()));
        return;
    case SnmpStorage::None:
        value.length = 0;
        return;
    case SnmpStorage::Number:
        // Only the low 32 bits of an 8-byte value go on the wire.
        value.length = BerIntegerContent(value.content, bind.m_byType, bind.GetUInt32());
        return;
    case SnmpStorage::Bytes:
        value.bytes = bind.GetBytes();
        value.length = value.bytes ? bind.m_wLength : 0;
        return;
    case SnmpStorage::Text:
        value.tag = SNMP_TYPE_OID;
        value.length = BerOidContent(value.content, bind.GetText());
        return;
    }
}

// Writes one element (header and content) at `out`; returns where it ends.
inline std::uint8_t* PutElement(std::uint8_t* out, std::uint8_t tag, const std::uint8_t* content,
                         int length) {
    out += BerWriteHeader(out, tag, length);
    SmallCopy(out, content, static_cast<std::size_t>(length));
    return out + length;
}

// An INTEGER header field (request id, error status, error index, version).
struct IntegerField {
    explicit IntegerField(std::uint32_t value)
        : length(BerIntegerContent(content, SNMP_TYPE_INTEGER, value)) {}
    int Size() const { return 2 + length; }
    std::uint8_t* Put(std::uint8_t* out) const {
        out += BerWriteHeader(out, SNMP_TYPE_INTEGER, length);
        for (int i = 0; i < length; ++i) {
            out[i] = content[i];
        }
        return out + length;
    }
    std::uint8_t content[kBerMaxNumberSize];
    int length;
};

} // namespace

void CSnmpMsg::SnmpBuildVarOp(CSnmpVarBind* pVarBind, std::uint8_t* pBuf, std::uint16_t& wPos) {
    const SnmpValueType* type = pVarBind ? CarriedType(pVarBind->m_byType, m_nVersion) : nullptr;
    if (!type) {
        return;
    }
    std::uint8_t name[kBerMaxOidContent];
    const int nameLength = BerOidContent(name, pVarBind->m_strOid);
    ValueElement value;
    PrepareValue(value, *pVarBind, *type);
    const int length =
        BerHeaderSize(nameLength) + nameLength + BerHeaderSize(value.length) + value.length;
    if (BerHeaderSize(length) + length > kBerBufferSize - wPos) {
        throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
    }
    std::uint8_t* out = pBuf + wPos;
    out += BerWriteHeader(out, kSequence, length);
    out = PutElement(out, SNMP_TYPE_OID, name, nameLength);
    out = PutElement(out, value.tag, value.bytes, value.length);
    wPos = static_cast<std::uint16_t>(out - pBuf);
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

    // The sizes of the enclosing elements, from the inside out, before a byte is written.
    const IntegerField reqId(m_pPdu->m_dwReqId);
    const IntegerField errorStatus(m_pPdu->m_dwErrorStatus);
    const IntegerField errorIndex(m_pPdu->m_dwErrorIndex);
    const int pduContent = reqId.Size() + errorStatus.Size() + errorIndex.Size() +
                           BerHeaderSize(bindingsLen) + bindingsLen;
    const IntegerField version(static_cast<std::uint32_t>(m_nVersion));
    if (m_strCommunity.size() > static_cast<std::size_t>(kSnmpBufferSize)) {
        throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
    }
    const int communityLen = static_cast<int>(m_strCommunity.size());
    const int messageContent = version.Size() + BerHeaderSize(communityLen) + communityLen +
                               BerHeaderSize(pduContent) + pduContent;
    if (BerHeaderSize(messageContent) + messageContent > kSnmpBufferSize) {
        throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
    }
    // It fits: written straight into m_buf, in wire order.
    std::uint8_t* out = m_buf;
    out += BerWriteHeader(out, kSequence, messageContent);
    out = version.Put(out);
    out = PutElement(out, 4, reinterpret_cast<const std::uint8_t*>(m_strCommunity.data()),
                     communityLen);
    out += BerWriteHeader(out, static_cast<std::uint8_t>(m_wPduType & 0xFF), pduContent);
    out = reqId.Put(out);
    out = errorStatus.Put(out);
    out = errorIndex.Put(out);
    out = PutElement(out, kSequence, bindings, bindingsLen);
    m_nLen = static_cast<int>(out - m_buf);
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

    BerOidTextMemo names;
    std::string text;
    // The bindings of a reply are mostly of one type: its row is looked up again only when the
    // type changes. Tag 0 is no type, so the first binding always looks up.
    std::uint8_t rowTag = 0;
    const SnmpValueType* row = nullptr;
    CSnmpVarBindList& bindings = m_pPdu->m_varBindList;
    while (in.pos < in.limit) {
        if (in.GetTag() != kSequence) {
            throw CSnmpException(SNMP_ERR_VARBIND_PARSE);
        }
        const std::string_view name = in.GetOidText(names);
        // Each reader checks the value's length octets as PeekLength would, so the value's
        // header is read once; only a type the engine does not carry is peeked first, to fail
        // on a malformed header before the type.
        const std::uint8_t type = in.PeekTag();
        if (type != rowTag) {
            row = CarriedType(type, m_nVersion);
            rowTag = type;
        }
        if (!row) {
            in.PeekLength();
            throw CSnmpException(SNMP_ERR_UNEXPECTED_TYPE);
        }
        switch (row->storage) {
        case SnmpStorage::Number: {
            // Up to 4 content octets make a 4-byte value, more an 8-byte one.
            const std::int64_t value = in.GetInteger64();
            if (in.last_length <= 4) {
                // Straight to the list: the commonest binding of a reply, built inline.
                bindings.Append(name)->SetValue(static_cast<std::uint32_t>(value), type);
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
