#include "dialogs/NmDlgRequestRuns.h"

#include "snmp/SnmpTypes.h"

namespace {

// Tag, length octets and contents of a BER element with `content` bytes.
std::size_t ElementLength(std::size_t content) {
    const std::size_t lengthOctets = content < 0x80 ? 1 : content < 0x100 ? 2 : 3;
    return 1 + lengthOctets + content;
}

std::size_t OidContentLength(const std::string& dotted) {
    std::vector<std::uint64_t> arcs(1, 0);
    for (char c : dotted) {
        if (c == '.')
            arcs.push_back(0);
        else if (c >= '0' && c <= '9')
            arcs.back() = arcs.back() * 10 + std::uint64_t(c - '0');
    }
    if (!arcs.empty() && dotted.rfind('.', 0) == 0)
        arcs.erase(arcs.begin()); // a leading dot names no arc
    std::size_t length = 1;       // the first two arcs share one octet
    for (std::size_t i = 2; i < arcs.size(); ++i) {
        std::uint64_t arc = arcs[i];
        do {
            ++length;
            arc >>= 7;
        } while (arc != 0);
    }
    return length;
}

std::size_t ValueContentLength(std::uint8_t type) {
    switch (type) {
    case SNMP_TYPE_INTEGER:
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
        return 5; // 32 bits and a leading zero
    case SNMP_TYPE_IPADDR:
        return 4;
    case SNMP_TYPE_NULL:
        return 0;
    default:
        return 64;
    }
}

// Message, community, PDU header, request id, error status and index, binding list header:
// everything of a reply but its bindings, at its longest.
std::size_t ReplyOverhead(std::size_t communityLength) {
    const std::size_t fields = ElementLength(1) /* version */ + ElementLength(communityLength) +
                               ElementLength(5) /* request id */ + 2 * ElementLength(5);
    // The binding list, the PDU and the message each open with a tag and up to three length
    // octets.
    return fields + 3 * 4;
}

} // namespace

std::size_t NmReplyBindingLength(const std::string& oid, std::uint8_t type) {
    const std::size_t content =
        ElementLength(OidContentLength(oid)) + ElementLength(ValueContentLength(type));
    return ElementLength(content);
}

std::vector<NmRequestRun> NmSplitIntoRuns(const std::vector<std::string>& oids,
                                          const std::vector<std::uint8_t>& types,
                                          std::size_t communityLength, std::size_t limit) {
    std::vector<NmRequestRun> runs;
    const std::size_t overhead = ReplyOverhead(communityLength);
    std::size_t used = overhead;
    for (std::size_t i = 0; i < oids.size(); ++i) {
        const std::uint8_t type = i < types.size() ? types[i] : std::uint8_t(SNMP_TYPE_OCTETS);
        const std::size_t binding = NmReplyBindingLength(oids[i], type);
        if (runs.empty() || used + binding > limit) {
            runs.push_back({int(i), 0});
            used = overhead;
        }
        runs.back().count += 1;
        used += binding;
    }
    return runs;
}

std::vector<NmRequestRun> NmHalveRun(const std::vector<NmRequestRun>& runs, std::size_t index) {
    std::vector<NmRequestRun> out = runs;
    if (index >= out.size() || out[index].count < 2)
        return out;
    const NmRequestRun run = out[index];
    const int half = run.count / 2;
    out[index] = {run.first, half};
    out.insert(out.begin() + std::ptrdiff_t(index) + 1, {run.first + half, run.count - half});
    return out;
}
