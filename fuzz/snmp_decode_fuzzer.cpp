// libFuzzer target: any datagram the socket can receive goes through SnmpDecode, which must end
// in a decoded message or a CSnmpException, never in a crash, a hang or a leak. The datagram is
// decoded in the version its header names (SNMPv1 or SNMPv2c, as the socket does for a
// request of that version), from m_buf or, past 512 bytes, from the large image. What decodes
// is also logged and loaded back into the same message, whose list then owns bindings of both
// origins, and encoded again, as an agent answering it would. An SNMPv3 datagram is opened as
// the transport opens it, by the session of the user the v3 seeds were recorded with (snmpd's
// engine 80001f8804746175726531, user "ops", SHA-256 and AES), and its PDU decoded the same way.
// Every datagram is also read as a notification, as the trap listener reads it: a trap or
// inform that decodes must encode back to a message that decodes to the same notification; a
// v3 one is checked by a receiving engine that knows the user the v3 trap seed was sent by
// (engine 8000000001020304, "ops", SHA-1 and AES).

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/core/CArchive.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpMessageHeader.h"
#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpV3Image.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "snmp/UsmSession.h"

namespace {

// Stretching the passphrases takes milliseconds: done once, copied for every input so no
// input sees the clock another one taught.
const UsmSession& RecordedSession() {
    static const UsmSession session = [] {
        UsmUser user;
        user.userName = "ops";
        user.level = UsmSecurityLevel::AuthPriv;
        user.auth = UsmAuthProtocol::SHA256;
        user.priv = UsmPrivProtocol::AES128;
        user.authPassword = UsmSecret("authpass123");
        user.privPassword = UsmSecret("privpass123");
        user.engineId = {0x80, 0x00, 0x1f, 0x88, 0x04, 0x74, 0x61, 0x75, 0x72, 0x65, 0x31};
        return UsmSession(user);
    }();
    return session;
}

void OpenV3(const std::uint8_t* data, std::size_t size) {
    UsmSession session = RecordedSession();
    const UsmIncoming incoming = session.Open(data, size);
    if (incoming.failure != UsmFailure::None) {
        return;
    }
    CSnmpMsg* msg = new CSnmpMsg(nullptr, "127.0.0.1", "", 0);
    try {
        SnmpSetPduImage(*msg, incoming.pdu);
        msg->SnmpDecode();
        UsmFailure failure = UsmFailure::None;
        if (!msg->m_pPdu->m_varBindList.empty()) {
            session.OnReport(msg->m_pPdu->m_varBindList.front()->m_strOid, 0, failure);
        }
    } catch (const CSnmpException&) {
    }
    CSnmpMsg::Release(msg);
}

UsmAuthoritativeEngine& ReceivingEngine() {
    static UsmAuthoritativeEngine engine = [] {
        UsmAuthoritativeEngine receiver({0x80, 0x01, 0x5b, 0x38, 0x05, 1, 2, 3, 4}, 1, 0);
        UsmUser user;
        user.userName = "ops";
        user.level = UsmSecurityLevel::AuthPriv;
        user.auth = UsmAuthProtocol::SHA1;
        user.authPassword = UsmSecret("maplesyrup");
        user.privPassword = UsmSecret("maplesyrup");
        receiver.AddUser(user); // informs to this engine
        user.authPassword = UsmSecret("maplesyrup");
        user.privPassword = UsmSecret("maplesyrup");
        user.engineId = {0x80, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x04};
        receiver.AddUser(user); // traps of the recorded sender
        return receiver;
    }();
    return engine;
}

void CheckRoundTrip(const SnmpNotification& n) {
    const std::vector<std::uint8_t> pdu = SnmpEncodeNotificationPdu(n);
    SnmpNotification again;
    if (n.version == SNMP_VERSION_3) {
        if (SnmpDecodeNotificationPdu(pdu, again) != SnmpNotificationDecode::Ok) {
            __builtin_trap();
        }
    } else {
        const std::vector<std::uint8_t> wire =
            SnmpEncodeCommunityMessage(n.version, n.community, pdu);
        if (SnmpDecodeCommunityNotification(wire.data(), wire.size(), again) !=
            SnmpNotificationDecode::Ok) {
            __builtin_trap();
        }
    }
    if (again.bindings != n.bindings || again.trapOid != n.trapOid || again.uptime != n.uptime ||
        again.enterprise != n.enterprise || again.genericTrap != n.genericTrap) {
        __builtin_trap(); // the notification did not survive its own encoding
    }
    SnmpV2NotificationBindings(n);
    SnmpEncodeInformResponsePdu(n);
}

void ReadNotification(const std::uint8_t* data, std::size_t size) {
    SnmpNotification n;
    if (PeekSnmpVersion(data, size) == 3) {
        const UsmEngineIncoming in = ReceivingEngine().Receive(data, size, 1000);
        if (in.verdict != UsmEngineIncoming::Verdict::Accept ||
            SnmpDecodeNotificationPdu(in.scoped.pdu, n) != SnmpNotificationDecode::Ok) {
            return;
        }
    } else if (SnmpDecodeCommunityNotification(data, size, n) != SnmpNotificationDecode::Ok) {
        return;
    }
    try {
        CheckRoundTrip(n);
    } catch (const CSnmpException&) {
        __builtin_trap(); // whatever decodes, with OIDs of at most 64 numbers, encodes
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(kSnmpMaxDatagram)) {
        return -1; // no UDP datagram is longer
    }
    ReadNotification(data, size);
    if (PeekSnmpVersion(data, size) == 3) {
        OpenV3(data, size);
        return 0;
    }
    CSnmpMsg* msg = new CSnmpMsg(nullptr, "127.0.0.1", "", 0);
    if (size > static_cast<std::size_t>(kSnmpBufferSize)) {
        msg->m_largeImage.assign(data, data + size);
    } else {
        std::memcpy(msg->m_buf, data, size);
    }
    msg->m_nLen = static_cast<int>(size);
    SnmpMessageHeader header;
    if (SnmpReadMessageHeader(data, static_cast<int>(size), header) &&
        header.version == SNMP_VERSION_2C) {
        msg->m_nVersion = SNMP_VERSION_2C;
    }
    try {
        msg->SnmpDecode();
        const std::size_t decoded = msg->m_pPdu->m_varBindList.size();
        CArchive out;
        msg->Serialize(out);
        CArchive in(out.Bytes());
        msg->Serialize(in);
        const auto& list = msg->m_pPdu->m_varBindList;
        if (list.size() != 2 * decoded) {
            __builtin_trap();
        }
        for (std::size_t i = 0; i < decoded; ++i) {
            if (list.begin()[i]->m_strOid != list.begin()[decoded + i]->m_strOid) {
                __builtin_trap(); // a name did not survive the log
            }
        }
        msg->SnmpEncodeImage();
    } catch (const CSnmpException& e) {
        if (e.m_wCode == 0 || e.m_wCode == 10 || e.m_wCode == 11 || e.m_wCode > 15) {
            __builtin_trap(); // the decoder raised a code it never should
        }
    }
    CSnmpMsg::Release(msg);
    return 0;
}
