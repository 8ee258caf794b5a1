#include "snmp/SnmpV3Image.h"

#include <cstring>

#include "snmp/BerStream.h"
#include "snmp/UsmSession.h"

std::int64_t SnmpV3MessageId(std::uint32_t requestId) {
    return static_cast<std::int64_t>(requestId & 0x7FFFFFFFu);
}

std::vector<std::uint8_t> SnmpCommunityPdu(const std::uint8_t* image, std::size_t size) {
    BerReader in(image, size);
    BerReader message = in.Take(in.Enter(0x30, SNMP_ERR_AUTH_PARSE));
    message.GetInteger();
    message.GetOctets();
    return message.GetRawElement();
}

void SnmpProtectImage(CSnmpMsg& msg) {
    const std::vector<std::uint8_t> pdu =
        SnmpCommunityPdu(msg.m_buf, static_cast<std::size_t>(msg.m_nLen));
    std::vector<std::uint8_t> wire =
        msg.m_pUsm->Protect(SnmpV3MessageId(msg.m_pPdu->m_dwReqId), pdu);
    if (wire.empty()) {
        throw CSnmpException(SNMP_ERR_SECURITY, "Cannot protect the message (no key)");
    }
    msg.m_largeImage = std::move(wire);
    msg.m_nLen = static_cast<int>(msg.m_largeImage.size());
}

void SnmpSetPduImage(CSnmpMsg& msg, const std::vector<std::uint8_t>& pdu) {
    BerWriter out;
    const std::size_t start = out.Begin();
    out.PutInteger(0x02, SNMP_VERSION_2C);
    out.PutOctets(0x04, nullptr, 0);
    out.PutRaw(pdu.data(), pdu.size());
    out.End(0x30, start);
    const std::vector<std::uint8_t>& image = out.Bytes();
    if (image.size() <= static_cast<std::size_t>(kSnmpBufferSize)) {
        std::memcpy(msg.m_buf, image.data(), image.size());
        msg.m_largeImage.clear();
    } else {
        msg.m_largeImage = image;
    }
    msg.m_nLen = static_cast<int>(image.size());
    msg.m_nVersion = SNMP_VERSION_2C;
}
