#include "agent/AgentV2Read.h"

#include <algorithm>

#include "agent/AgentResponse.h"
#include "agent/CSwitchMib.h"
#include "agent/OidText.h"
#include "snmp/CSnmpMsg.h"

namespace {

// More repetitions than this could never fit a response of kMaxResponseOctets.
constexpr std::uint32_t kMaxBindings = kMaxResponseOctets / 8;

// One binding of the response: a value, or an exception in its place.
struct Answer {
    std::string name;
    MibValue value;
    std::uint8_t exception = 0;
};

class V2Reader {
public:
    V2Reader(const CSwitchMib& mib, const CSimSwitch& device, std::int64_t nowMs)
        : m_mib(mib), m_device(device), m_nowMs(nowMs) {}

    Answer Get(const std::string& name) const {
        const Oid oid = ParseOid(name);
        if (const CSwitchMib::Instance* instance = m_mib.Find(oid)) {
            return Of(*instance);
        }
        // An object the switch has, without this instance; a name under no object (or under
        // one that cannot be read at all) names no object.
        Oid suffix;
        const MibObject* object = oid.empty() ? nullptr : m_mib.ObjectFor(oid, suffix);
        const bool readable = object && object->access != MibAccess::WriteOnly;
        return {name, {}, readable ? SNMP_TYPE_NOSUCHINSTANCE : SNMP_TYPE_NOSUCHOBJECT};
    }

    // The instance after `name`, or endOfMibView under `name` itself past the end of the view.
    Answer GetNext(const std::string& name) const {
        if (const CSwitchMib::Instance* instance = m_mib.Next(ParseOid(name))) {
            return Of(*instance);
        }
        return {name, {}, SNMP_TYPE_ENDOFMIBVIEW};
    }

private:
    Answer Of(const CSwitchMib::Instance& instance) const {
        return {instance.text, instance.object->get(m_device, instance.suffix, m_nowMs), 0};
    }

    const CSwitchMib& m_mib;
    const CSimSwitch& m_device;
    std::int64_t m_nowMs;
};

// The response holding `answers` encoded into `reply`; false when it does not fit.
bool EncodeAnswers(const CSnmpMsg& request, const std::vector<Answer>& answers,
                   std::vector<std::uint8_t>& reply) {
    CSnmpMsg response(nullptr, {}, request.m_strCommunity, SNMP_PDU_RESPONSE);
    response.m_nVersion = request.m_nVersion;
    response.m_pPdu->m_dwReqId = request.m_pPdu->m_dwReqId;
    for (const Answer& answer : answers) {
        if (answer.exception) {
            AddException(*response.m_pPdu, answer.name, answer.exception);
        } else {
            AddValue(*response.m_pPdu, answer.name, answer.value);
        }
    }
    return EncodeResponse(response, reply);
}

} // namespace

std::uint32_t AnswerV2Read(const CSwitchMib& mib, const CSimSwitch& device, CSnmpMsg& request,
                           std::int64_t nowMs, std::vector<std::uint8_t>& reply) {
    const V2Reader reader(mib, device, nowMs);
    std::vector<std::string> names;
    for (const CSnmpVarBind* bind : request.m_pPdu->m_varBindList) {
        names.push_back(bind->m_strOid);
    }
    const std::uint8_t type = request.m_wPduType & 0xFF;
    // GetBulk carries non-repeaters and max-repetitions where other PDUs carry the error status
    // and index; a get or get-next is a bulk whose bindings are all non-repeaters.
    const bool bulk = type == SNMP_PDU_GETBULK;
    const std::size_t nonRepeaters =
        bulk ? std::min<std::size_t>(request.m_pPdu->m_dwErrorStatus, names.size()) : names.size();
    const std::uint32_t maxRepetitions =
        bulk ? std::min<std::uint32_t>(request.m_pPdu->m_dwErrorIndex, kMaxBindings) : 0;

    std::vector<Answer> answers;
    for (std::size_t i = 0; i < nonRepeaters; ++i) {
        answers.push_back(type == SNMP_PDU_GET ? reader.Get(names[i]) : reader.GetNext(names[i]));
    }
    if (!EncodeAnswers(request, answers, reply)) {
        EchoRequest(request, SNMP_TOO_BIG, 0, reply);
        return SNMP_TOO_BIG;
    }
    // Row after row while the response has room; the row that does not fit ends the response,
    // which is then shorter than asked for, as RFC 3416 allows.
    for (std::uint32_t row = 0; nonRepeaters < names.size() && row < maxRepetitions; ++row) {
        bool anyLeft = false;
        for (std::size_t i = nonRepeaters; i < names.size(); ++i) {
            answers.push_back(reader.GetNext(names[i]));
            names[i] = answers.back().name;
            anyLeft = anyLeft || answers.back().exception == 0;
        }
        std::vector<std::uint8_t> longer;
        if (!EncodeAnswers(request, answers, longer)) {
            break;
        }
        reply = std::move(longer);
        if (!anyLeft) {
            break; // every repeater is at the end of the view
        }
    }
    return SNMP_NO_ERROR;
}
