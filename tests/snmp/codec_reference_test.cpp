// The codec against a plain reference written from the encoding rules, over many generated
// messages: the fast encoder must produce the reference's bytes and failure codes, and the
// decoder must read every name as the reference does, however much of it repeats the name
// before it and wherever it fails.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>

#include "SnmpTestBytes.h"
#include "snmp/SnmpValueType.h"

namespace {

// --- reference encoder -------------------------------------------------------------------

Bytes RefLength(std::size_t n) {
    if (n < 0x80) {
        return {static_cast<std::uint8_t>(n)};
    }
    if (n <= 0xFF) {
        return {0x81, static_cast<std::uint8_t>(n)};
    }
    return {0x82, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
}

Bytes RefElement(std::uint8_t tag, const Bytes& content) {
    return Cat({{tag}, RefLength(content.size()), content});
}

Bytes RefUnsigned(std::uint64_t v) {
    Bytes out;
    do {
        out.insert(out.begin(), static_cast<std::uint8_t>(v));
        v >>= 8;
    } while (v != 0);
    if (out.front() & 0x80) {
        out.insert(out.begin(), 0);
    }
    return out;
}

Bytes RefSigned(std::int32_t v) {
    Bytes out;
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> shift));
    }
    while (out.size() > 1 &&
           ((out[0] == 0 && !(out[1] & 0x80)) || (out[0] == 0xFF && (out[1] & 0x80)))) {
        out.erase(out.begin());
    }
    return out;
}

// Dotted text as the encoder reads it: each part as atoi reads it. Empty: more than 64 parts.
std::optional<Bytes> RefOidContent(const std::string& text) {
    std::vector<std::uint32_t> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        const std::string part = text.substr(start, dot == std::string::npos ? dot : dot - start);
        std::uint32_t value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9') {
                break;
            }
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
        }
        numbers.push_back(value);
        if (dot == std::string::npos) {
            break;
        }
        if (numbers.size() == 64) {
            return std::nullopt;
        }
        start = dot + 1;
    }
    Bytes out;
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        std::uint32_t v = i == 1 ? numbers[0] * 40 + numbers[1] : numbers[i];
        Bytes groups{static_cast<std::uint8_t>(v & 0x7F)};
        while ((v >>= 7) != 0) {
            groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
        }
        out.insert(out.end(), groups.begin(), groups.end());
    }
    return out;
}

struct RefOutcome {
    Bytes image;
    int code = -1; // the failure code, -1 when it encodes
};

RefOutcome RefEncode(const CSnmpMsg& msg) {
    Bytes bindings;
    for (const CSnmpVarBind* b : msg.m_pPdu->m_varBindList) {
        const SnmpValueType* row = SnmpValueTypeOf(b->m_byType);
        if (!row || !row->onWire || (row->v2Only && msg.m_nVersion != SNMP_VERSION_2C)) {
            continue;
        }
        const std::optional<Bytes> name = RefOidContent(b->m_strOid.str());
        if (!name) {
            return {{}, SNMP_ERR_OID_TOO_LONG};
        }
        Bytes value;
        switch (row->storage) {
        case SnmpStorage::Number:
            value = row->form == SnmpForm::Unsigned
                        ? RefUnsigned(b->GetUInt32())
                        : RefSigned(static_cast<std::int32_t>(b->GetUInt32()));
            value = RefElement(b->m_byType, value);
            break;
        case SnmpStorage::Number64:
            value = RefElement(b->m_byType, RefUnsigned(static_cast<std::uint64_t>(b->GetInt64())));
            break;
        case SnmpStorage::None:
            value = RefElement(b->m_byType, {});
            break;
        case SnmpStorage::Bytes:
            value = RefElement(b->m_byType, Bytes(b->GetBytes(), b->GetBytes() + b->m_wLength));
            break;
        case SnmpStorage::Text: {
            const std::optional<Bytes> oid = RefOidContent(b->GetText());
            if (!oid) {
                return {{}, SNMP_ERR_OID_TOO_LONG};
            }
            value = RefElement(SNMP_TYPE_OID, *oid);
            break;
        }
        }
        bindings = Cat({bindings, RefElement(0x30, Cat({RefElement(0x06, *name), value}))});
        if (bindings.size() > 512) {
            return {{}, SNMP_ERR_ENCODE_OVERFLOW};
        }
    }
    const CSnmpPdu& pdu = *msg.m_pPdu;
    const Bytes fields =
        Cat({RefElement(2, RefSigned(static_cast<std::int32_t>(pdu.m_dwReqId))),
             RefElement(2, RefSigned(static_cast<std::int32_t>(pdu.m_dwErrorStatus))),
             RefElement(2, RefSigned(static_cast<std::int32_t>(pdu.m_dwErrorIndex))),
             RefElement(0x30, bindings)});
    const Bytes image =
        RefElement(0x30, Cat({RefElement(2, RefSigned(msg.m_nVersion)),
                              RefElement(4, Text(msg.m_strCommunity)),
                              RefElement(static_cast<std::uint8_t>(msg.m_wPduType), fields)}));
    if (image.size() > 512) {
        return {{}, SNMP_ERR_ENCODE_OVERFLOW};
    }
    return {image, -1};
}

// --- reference name decoder --------------------------------------------------------------

struct RefName {
    std::string text;
    int code = -1; // the failure code, -1 when it reads
};

RefName RefDecodeName(const Bytes& content) {
    RefName out;
    std::vector<std::uint32_t> numbers;
    std::size_t i = 0;
    while (i < content.size()) {
        std::uint64_t value = 0;
        bool more = true;
        bool first = true;
        while (more) {
            if (i >= content.size()) {
                out.code = SNMP_ERR_PACKET_OVERRUN;
                return out;
            }
            if (!first && value > 0x01FFFFFF) {
                out.code = SNMP_ERR_VALUE_TOO_LONG;
                return out;
            }
            first = false;
            value = (value << 7) | (content[i] & 0x7F);
            more = content[i++] & 0x80;
        }
        if (numbers.empty()) {
            const std::uint32_t head = value < 40 ? 0 : (value < 80 ? 1 : 2);
            numbers = {head, static_cast<std::uint32_t>(value - head * 40)};
            continue;
        }
        if (numbers.size() == 64) {
            out.code = SNMP_ERR_OID_TOO_LONG;
            return out;
        }
        numbers.push_back(static_cast<std::uint32_t>(value));
    }
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        out.text += (k ? "." : "") + std::to_string(numbers[k]);
    }
    return out;
}

// A name's content octets: a run of sub-identifiers, most small, some wide, some with the
// leading 0x80 octets a careless agent sends.
Bytes SubIdentifier(std::mt19937& rng) {
    const std::uint32_t kind = rng() % 10;
    std::uint64_t v = kind < 6 ? rng() % 128 : (kind < 8 ? rng() % 20000 : rng());
    if (kind == 9 && rng() % 3 == 0) {
        v = (std::uint64_t{1} << 32) + rng() % 100; // too wide for 32 bits
    }
    Bytes out{static_cast<std::uint8_t>(v & 0x7F)};
    while ((v >>= 7) != 0) {
        out.insert(out.begin(), static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
    }
    if (rng() % 40 == 0) {
        out.insert(out.begin(), 0x80);
    }
    return out;
}

} // namespace

TEST(CodecReferenceTest, EncodedMessagesMatchTheReferenceByteForByte) {
    std::mt19937 rng(20240917);
    const std::uint8_t types[] = {SNMP_TYPE_INTEGER,
                                  SNMP_TYPE_OCTETS,
                                  SNMP_TYPE_NULL,
                                  SNMP_TYPE_OID,
                                  SNMP_TYPE_IPADDR,
                                  SNMP_TYPE_COUNTER,
                                  SNMP_TYPE_GAUGE,
                                  SNMP_TYPE_TIMETICKS,
                                  SNMP_TYPE_OPAQUE,
                                  SNMP_TYPE_COUNTER64,
                                  SNMP_TYPE_MAC,
                                  SNMP_TYPE_ENDOFMIBVIEW,
                                  99};
    const std::string odd[] = {"",
                               "1",
                               "1.",
                               ".1.3",
                               "1.3..x",
                               "01.003.0006",
                               "1.3.6.1x.5",
                               "2.999.4294967295",
                               "1.3.4294967296.7",
                               "9.99.1"};
    int encoded = 0;
    int failed = 0;
    for (int round = 0; round < 3000; ++round) {
        CSnmpMsg msg(nullptr, "127.0.0.1", std::string(rng() % 40, 'c'),
                     static_cast<std::uint16_t>(0x5500 | (0xA0 + rng() % 4)));
        msg.m_nVersion = rng() % 2 ? SNMP_VERSION_2C : SNMP_VERSION_1;
        const int count = static_cast<int>(rng() % 12);
        for (int i = 0; i < count; ++i) {
            std::string name = "1.3.6.1.4.1." + std::to_string(rng() % 100000);
            // Some around the limit of 64 parts (the prefix has 7).
            const int parts = rng() % 50 == 0 ? 55 + static_cast<int>(rng() % 6) : rng() % 8;
            for (int k = 0; k < parts; ++k) {
                name += "." + std::to_string(rng() % 3 ? rng() % 300 : rng());
            }
            if (rng() % 15 == 0) {
                name = odd[rng() % std::size(odd)];
            }
            const std::uint8_t type = types[rng() % std::size(types)];
            const std::uint32_t number = rng() % 2 ? rng() : rng() % 300;
            switch (type) {
            case SNMP_TYPE_OCTETS:
            case SNMP_TYPE_OPAQUE:
            case SNMP_TYPE_MAC:
                msg.m_pPdu->AddOid(name, std::string(rng() % 3 ? rng() % 40 : rng() % 300, 'v'),
                                   type);
                break;
            case SNMP_TYPE_IPADDR: {
                const std::uint8_t ip[4] = {10, 0, 0, static_cast<std::uint8_t>(number)};
                msg.m_pPdu->AddOid(name, ip, 4, type);
                break;
            }
            case SNMP_TYPE_OID:
                msg.m_pPdu->AddOid(name, odd[rng() % std::size(odd)] + ".5", type);
                break;
            case SNMP_TYPE_NULL:
                msg.m_pPdu->AddOid(name);
                break;
            case SNMP_TYPE_COUNTER64:
                msg.m_pPdu->AddOid(name, static_cast<std::int64_t>(rng()) << (rng() % 33), type);
                break;
            default:
                msg.m_pPdu->AddOid(name, number, type);
                break;
            }
        }
        msg.m_pPdu->m_dwReqId = rng();
        msg.m_pPdu->m_dwErrorStatus = rng() % 2 ? 0 : rng();
        msg.m_pPdu->m_dwErrorIndex = rng() % 2 ? 0 : rng() % 200;
        std::fill(std::begin(msg.m_buf), std::end(msg.m_buf), 0x5A);
        msg.m_nLen = 7;

        const RefOutcome expected = RefEncode(msg);
        int code = -1;
        try {
            msg.SnmpEncodeImage();
        } catch (const CSnmpException& e) {
            code = e.m_wCode;
        }
        ASSERT_EQ(code, expected.code) << "round " << round;
        if (code == -1) {
            ASSERT_EQ(Image(msg), expected.image) << "round " << round;
            ++encoded;
        } else {
            // A message that does not encode leaves the image as it was.
            EXPECT_EQ(msg.m_nLen, 7);
            EXPECT_EQ(msg.m_buf[0], 0x5A);
            ++failed;
        }
    }
    // Both outcomes were exercised in earnest.
    EXPECT_GT(encoded, 1500);
    EXPECT_GT(failed, 100);
}

TEST(CodecReferenceTest, NamesRepeatingTheOneBeforeAreReadAsTheReferenceReadsThem) {
    std::mt19937 rng(77);
    int failures = 0;
    for (int round = 0; round < 3000; ++round) {
        // A table walk's names: each takes the one before and changes, drops or adds some of
        // its last sub-identifiers.
        std::vector<Bytes> parts{{0x2B}, {0x06}, {0x01}, {0x04}, {0x01}, {0x85, 0xB6, 0x38}};
        // Some rounds stay around the limit of 64 numbers (the prefix holds 7) with small
        // sub-identifiers, so that their names fit a datagram.
        const bool nearLimit = rng() % 10 == 0;
        const auto next = [&] {
            return nearLimit ? Bytes{static_cast<std::uint8_t>(rng() % 128)} : SubIdentifier(rng);
        };
        const int extra = nearLimit ? 55 + static_cast<int>(rng() % 4) : rng() % 6;
        for (int k = 0; k < extra; ++k) {
            parts.push_back(next());
        }
        if (!nearLimit && rng() % 25 == 0) {
            // Across the memo's reach of 256 octets.
            while (parts.size() < 70) {
                parts.push_back({0x80, 0x80, 0x81, 0x01});
            }
        }
        Bytes bindings;
        std::vector<RefName> expected;
        const int count = 1 + static_cast<int>(rng() % (nearLimit ? 5 : 12));
        for (int i = 0; i < count; ++i) {
            // Mostly all but the last few, as the rows of a column; sometimes much less.
            const std::size_t last = rng() % 3;
            const std::size_t keep =
                rng() % 2 && parts.size() > last ? parts.size() - last : rng() % (parts.size() + 1);
            parts.resize(std::max<std::size_t>(keep, rng() % 4 == 0 ? 0 : 1));
            const int grow = static_cast<int>(rng() % 4);
            for (int k = 0; k < grow; ++k) {
                parts.push_back(next());
            }
            Bytes content;
            for (const Bytes& p : parts) {
                content.insert(content.end(), p.begin(), p.end());
            }
            if (rng() % 60 == 0 && !content.empty()) {
                content.back() |= 0x80; // its last sub-identifier runs past the name
            }
            bindings = Cat({bindings, VarBind(Tlv(0x06, content), {0x41, 0x01, 0x07})});
            expected.push_back(RefDecodeName(content));
            if (expected.back().code != -1) {
                break;
            }
        }
        const Bytes image = Response(bindings);
        if (image.size() > 512) {
            continue;
        }
        std::unique_ptr<CSnmpMsg> msg(Received(image));
        int code = -1;
        try {
            msg->SnmpDecode();
        } catch (const CSnmpException& e) {
            code = e.m_wCode;
        }
        const int expectedCode = expected.back().code;
        ASSERT_EQ(code, expectedCode) << "round " << round;
        failures += code != -1;
        // The bindings before a name that fails are kept, read as the reference reads them.
        const std::size_t read = expected.size() - (expectedCode == -1 ? 0 : 1);
        ASSERT_EQ(msg->m_pPdu->m_varBindList.size(), read) << "round " << round;
        for (std::size_t i = 0; i < read; ++i) {
            ASSERT_EQ(msg->m_pPdu->m_varBindList.begin()[i]->m_strOid, expected[i].text)
                << "round " << round << ", binding " << i;
        }
    }
    EXPECT_GT(failures, 50);
}
