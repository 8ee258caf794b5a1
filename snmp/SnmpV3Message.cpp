#include "snmp/SnmpV3Message.h"

#include "snmp/BerStream.h"
#include "snmp/CSnmpException.h"

namespace {
constexpr std::uint8_t kSequence = 0x30;
constexpr std::uint8_t kOctets = 0x04;

[[noreturn]] void Reject() {
    throw CSnmpException(SNMP_ERR_UNEXPECTED_TYPE);
}
} // namespace

std::vector<std::uint8_t> EncodeV3Message(const SnmpV3Message& msg, std::size_t& authOffset) {
    // The security parameters travel as an OCTET STRING holding their own SEQUENCE.
    BerWriter usm;
    const std::size_t usmStart = usm.Begin();
    usm.PutOctets(kOctets, msg.usm.engineId);
    usm.PutInteger(0x02, msg.usm.engineBoots);
    usm.PutInteger(0x02, msg.usm.engineTime);
    usm.PutOctets(kOctets, reinterpret_cast<const std::uint8_t*>(msg.usm.userName.data()),
                  msg.usm.userName.size());
    usm.PutOctets(kOctets, msg.usm.authParams);
    usm.PutOctets(kOctets, msg.usm.privParams);
    usm.End(kSequence, usmStart);

    BerWriter out;
    const std::size_t messageStart = out.Begin();
    out.PutInteger(0x02, kSnmpV3Version);
    const std::size_t globalStart = out.Begin();
    out.PutInteger(0x02, msg.msgId);
    out.PutInteger(0x02, msg.maxSize);
    out.PutOctets(kOctets, &msg.flags, 1);
    out.PutInteger(0x02, msg.securityModel);
    out.End(kSequence, globalStart);
    out.PutOctets(kOctets, usm.Bytes());
    if (msg.flags & kV3FlagPriv) {
        out.PutOctets(kOctets, msg.data);
    } else {
        out.PutRaw(msg.data.data(), msg.data.size());
    }
    out.End(kSequence, messageStart);

    // Decoding our own image is the one place that knows every header size on the way in.
    DecodeV3Message(out.Bytes().data(), out.Bytes().size(), authOffset);
    return std::move(out.Bytes());
}

SnmpV3Message DecodeV3Message(const std::uint8_t* bytes, std::size_t size,
                              std::size_t& authOffset) {
    SnmpV3Message msg;
    BerReader in(bytes, size);
    in.Enter(kSequence, SNMP_ERR_AUTH_PARSE);
    if (in.GetInteger() != kSnmpV3Version) {
        throw CSnmpException(SNMP_ERR_VERSION);
    }
    in.Enter(kSequence, SNMP_ERR_AUTH_PARSE);
    msg.msgId = in.GetInteger();
    msg.maxSize = in.GetInteger();
    const std::vector<std::uint8_t> flags = in.GetOctets();
    msg.securityModel = in.GetInteger();
    if (flags.size() != 1 || msg.msgId < 0 || msg.securityModel != kUsmSecurityModel) {
        Reject();
    }
    msg.flags = flags[0];
    if ((msg.flags & (kV3FlagAuth | kV3FlagPriv)) == kV3FlagPriv) {
        Reject();
    }

    BerReader usm = in.Take(in.Enter(kOctets, SNMP_ERR_AUTH_PARSE));
    usm.Enter(kSequence, SNMP_ERR_AUTH_PARSE);
    msg.usm.engineId = usm.GetOctets();
    const std::int64_t boots = usm.GetInteger();
    const std::int64_t time = usm.GetInteger();
    if (boots < 0 || boots > 0x7FFFFFFF || time < 0 || time > 0x7FFFFFFF) {
        Reject();
    }
    msg.usm.engineBoots = static_cast<std::uint32_t>(boots);
    msg.usm.engineTime = static_cast<std::uint32_t>(time);
    const std::vector<std::uint8_t> user = usm.GetOctets();
    if (user.size() > kUsmMaxUserName) {
        Reject();
    }
    msg.usm.userName.assign(user.begin(), user.end());
    msg.usm.authParams = usm.GetOctets();
    authOffset = static_cast<std::size_t>(usm.Position() - bytes) - msg.usm.authParams.size();
    msg.usm.privParams = usm.GetOctets();

    if (msg.flags & kV3FlagPriv) {
        msg.data = in.GetOctets();
    } else {
        msg.data = in.GetRawElement();
    }
    return msg;
}

std::vector<std::uint8_t> EncodeScopedPdu(const SnmpScopedPdu& scoped) {
    BerWriter out;
    const std::size_t start = out.Begin();
    out.PutOctets(kOctets, scoped.contextEngineId);
    out.PutOctets(kOctets, reinterpret_cast<const std::uint8_t*>(scoped.contextName.data()),
                  scoped.contextName.size());
    out.PutRaw(scoped.pdu.data(), scoped.pdu.size());
    out.End(kSequence, start);
    return std::move(out.Bytes());
}

SnmpScopedPdu DecodeScopedPdu(const std::uint8_t* bytes, std::size_t size) {
    SnmpScopedPdu scoped;
    BerReader outer(bytes, size);
    BerReader in = outer.Take(outer.Enter(kSequence, SNMP_ERR_PDU_TYPE));
    scoped.contextEngineId = in.GetOctets();
    const std::vector<std::uint8_t> name = in.GetOctets();
    scoped.contextName.assign(name.begin(), name.end());
    scoped.pdu = in.GetRawElement();
    return scoped;
}

int PeekSnmpVersion(const std::uint8_t* bytes, std::size_t size) {
    try {
        BerReader in(bytes, size);
        in.Enter(kSequence, SNMP_ERR_AUTH_PARSE);
        const std::int64_t version = in.GetInteger();
        return version == 0 || version == 1 || version == 3 ? static_cast<int>(version) : -1;
    } catch (const CSnmpException&) {
        return -1;
    }
}
