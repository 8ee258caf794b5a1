#pragma once
// Builders for hand-made SNMP datagrams used by the codec tests.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "snmp/CSnmpMsg.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

// A TLV with the shortest definite length form.
inline Bytes Tlv(std::uint8_t tag, const Bytes& content) {
    const std::size_t n = content.size();
    Bytes head{tag};
    if (n < 0x80) {
        head.push_back(static_cast<std::uint8_t>(n));
    } else if (n <= 0xFF) {
        head.insert(head.end(), {0x81, static_cast<std::uint8_t>(n)});
    } else {
        head.insert(head.end(),
                    {0x82, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
    }
    return Cat({head, content});
}

inline Bytes Text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// 1.3.6.1.2.1.1.5.0 as an encoded name element.
inline Bytes SysNameOid() {
    return {0x06, 0x08, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x05, 0x00};
}

inline Bytes VarBind(const Bytes& name, const Bytes& value) {
    return Tlv(0x30, Cat({name, value}));
}

// A GetResponse carrying `bindings` (already encoded) with request id 1.
inline Bytes Response(const Bytes& bindings, std::uint8_t version = 0,
                      const std::string& community = "public") {
    const Bytes pdu = Tlv(
        0xA2, Cat({{0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00}, Tlv(0x30, bindings)}));
    return Tlv(0x30, Cat({{0x02, 0x01, version}, Tlv(0x04, Text(community)), pdu}));
}

// Copies `bytes` into a fresh message's receive buffer.
inline CSnmpMsg* Received(const Bytes& bytes) {
    auto* msg = new CSnmpMsg(nullptr, "127.0.0.1", "", 0);
    std::copy(bytes.begin(), bytes.end(), msg->m_buf);
    msg->m_nLen = static_cast<int>(bytes.size());
    return msg;
}

inline Bytes Image(const CSnmpMsg& msg) {
    return Bytes(msg.m_buf, msg.m_buf + msg.m_nLen);
}
