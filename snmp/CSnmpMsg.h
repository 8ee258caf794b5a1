#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/CObject.h"
#include "snmp/CSnmpException.h"
#include "snmp/CSnmpPdu.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpTypes.h"

class CSnmpMsg;
class UsmSession;
enum class UsmFailure;

// A reply receiver: a member function of the requesting object. It is called exactly once per
// request with code 0 (reply), 16 (time-out) or a send failure code, and then owns the message.
using SNMPCALLBACK = void (CObject::*)(std::uint16_t code, CSnmpMsg* msg);

constexpr int kSnmpBufferSize = 512;

// One SNMP message, request or reply, with its encoded image.
class NMSNMP_API CSnmpMsg : public CObject {
    DECLARE_SERIAL(CSnmpMsg)
public:
    CSnmpMsg(CObject* requester, std::string ipAddr, std::string community, std::uint16_t pduType);
    ~CSnmpMsg() override;
    CSnmpMsg(const CSnmpMsg&) = delete;
    CSnmpMsg& operator=(const CSnmpMsg&) = delete;

    void SetIpAddr(const std::string& ipAddr) { m_strIpAddr = ipAddr; }
    void SetSnmpCallback(SNMPCALLBACK callback) { m_pfnCallback = callback; }

    // Takes the next request id and builds the wire image into m_buf/m_nLen.
    // Throws CSnmpException 13 (identifier too long) or 14 (message over 512 bytes); on failure
    // m_buf and m_nLen keep their old contents but the request id has advanced.
    void SnmpEncode();
    // Builds the wire image from the PDU as it stands, keeping its request id: an agent's
    // response must carry the id of the request it answers. Same failures as SnmpEncode.
    void SnmpEncodeImage();
    // Parses the first m_nLen bytes of the image into the community, PDU type and PDU,
    // appending the bindings. Throws CSnmpException 1-9, 12, 13 or 15; what was read so far
    // stays in place. A message in another version than m_nVersion raises code 2.
    void SnmpDecode();

    // The image: m_largeImage when a reply longer than m_buf arrived, else m_buf. The length
    // is m_nLen, never more than the storage holds.
    const std::uint8_t* ImageData() const;
    int ImageLength() const;

    // When the reply arrived (m_timeReceivedMs), or now for a message that came another way.
    std::int64_t ReceivedMs() const;

    void Release() { delete this; }
    static void Release(CSnmpMsg* p) { delete p; }
    void Serialize(CArchive& ar) override;

    CObject* m_pRequester = nullptr;
    std::string m_strIpAddr;
    std::string m_strCommunity;
    std::uint16_t m_wPduType = 0;
    CSnmpPdu* m_pPdu = nullptr;
    std::uint8_t m_buf[kSnmpBufferSize]; // zero-filled by the constructors
    int m_nLen = 0;
    CSnmpException m_exception;
    std::int64_t m_timeSent = 0;
    // When the request last went out on the engine's time-out clock, in microseconds.
    std::int64_t m_timeSentUs = 0;
    // When the reply's datagram was read from the socket, in milliseconds on the injectable
    // clock (Clock::nowMs); 0 until a reply arrived. Rates are timed by it: a reply handled
    // late, behind a busy window, still counts from when it came.
    std::int64_t m_timeReceivedMs = 0;
    // How long this request may go unanswered, in milliseconds; 0 takes the engine's time-out.
    int m_nTimeoutMs = 0;
    SNMPCALLBACK m_pfnCallback = nullptr;

    // SNMP_VERSION_1 (the switch's, and the default) or SNMP_VERSION_2C. The version decides
    // the version field sent, the value types carried, and which replies are accepted.
    int m_nVersion = SNMP_VERSION_1;
    // How often the request is sent again, with the same request id and bytes, after a
    // time-out before the receiver hears of the time-out. 0: sent once.
    int m_nRetries = 0;
    // How often the request has gone out so far.
    int m_nSendCount = 0;
    // An image that does not fit m_buf's 512 bytes (a reply, possible only when the engine's
    // receive limit is raised), or an SNMPv3 request's datagram; empty otherwise.
    std::vector<std::uint8_t> m_largeImage;
    // Set: an SNMPv3 request of this user-based security session. Its PDU is encoded as an
    // SNMPv2c PDU (m_nVersion is SNMP_VERSION_2C) and travels inside the v3 message; replies
    // are matched by message id, which is the request id.
    std::shared_ptr<UsmSession> m_pUsm;
    // How often discovery or time synchronisation made the engine send the request again.
    int m_nUsmResends = 0;
    // Why datagrams that answered this request were dropped (a MAC that does not fit, a PDU
    // that does not decrypt), in arrival order: the request waits on for a genuine reply, and
    // its receiver can still tell what came.
    std::vector<UsmFailure> m_usmRefusals;

    static std::uint32_t m_sdwReqid;

protected:
    CSnmpMsg();
    // Appends the encoding of one binding at `wPos` of the 512-byte area `pBuf`; a binding of a
    // type the engine does not send appends nothing.
    void SnmpBuildVarOp(CSnmpVarBind* pVarBind, std::uint8_t* pBuf, std::uint16_t& wPos);
    // Bindings are decoded inside SnmpDecode; kept so the interface stays whole.
    void SnmpParseVarOp(CSnmpVarBind* pVarBind);
};
