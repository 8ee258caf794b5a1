// Encode of the 34-byte GetRequest for sysName.0 and decode of a GetResponse carrying one
// port's 16 packet counters, through our codec and (when available) net-snmp's, in-process.
// Ends with "encode ratio: R" and "decode ratio: R" (ours / net-snmp's median time per
// message), after the same ratios of the fastest repetitions.
// `codec_bench --decode-loop ours|netsnmp N` only decodes the reply N times, and
// `--encode-loop` only encodes the request, for counting instructions under callgrind
// (bench/codec_instructions.sh), where timings mean nothing.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "snmp/CSnmpMsg.h"

#if TAUREL_HAVE_NETSNMP
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#endif

namespace {

constexpr const char* kSysName = "1.3.6.1.2.1.1.5.0";
constexpr const char* kCounterColumn = "1.3.6.1.4.1.88888.2.3.1.";

// The reply image is produced by our encoder once, and checked against net-snmp's parse below.
std::vector<std::uint8_t> CounterReply() {
    CSnmpMsg msg(nullptr, "", "tessla", SNMP_PDU_RESPONSE);
    for (int column = 1; column <= 16; ++column) {
        // 1 to 4 content octets, as port counters of different sizes give.
        const std::uint32_t values[] = {7, 0x1234, 0x123456, 0x12345678};
        msg.m_pPdu->AddOid(kCounterColumn + std::to_string(column) + ".1.5",
                           values[(column - 1) % 4], SNMP_TYPE_COUNTER);
    }
    msg.m_pPdu->m_dwReqId = 4242;
    msg.SnmpEncodeImage();
    return {msg.m_buf, msg.m_buf + msg.m_nLen};
}

void OurEncode(benchmark::State& state) {
    CSnmpMsg msg(nullptr, "127.0.0.1", "", SNMP_PDU_GET);
    msg.m_pPdu->AddOid(kSysName);
    for (auto _ : state) {
        CSnmpMsg::m_sdwReqid = 0; // the 34-byte image carries request id 1
        msg.SnmpEncode();
        benchmark::DoNotOptimize(msg.m_buf);
    }
    if (msg.m_nLen != 34) {
        state.SkipWithError("unexpected encoded length");
    }
}

// One received datagram, as the socket handles it: a new message, decoded, then released.
std::size_t OurDecodeOnce(const std::vector<std::uint8_t>& reply) {
    CSnmpMsg* msg = new CSnmpMsg(nullptr, "127.0.0.1", "", 0);
    std::memcpy(msg->m_buf, reply.data(), reply.size());
    msg->m_nLen = static_cast<int>(reply.size());
    msg->SnmpDecode();
    const std::size_t count = msg->m_pPdu->m_varBindList.size();
    msg->Release();
    return count;
}

void OurDecode(benchmark::State& state) {
    const std::vector<std::uint8_t> reply = CounterReply();
    for (auto _ : state) {
        benchmark::DoNotOptimize(OurDecodeOnce(reply));
    }
}

#if TAUREL_HAVE_NETSNMP
netsnmp_session V1Session(const char* community) {
    netsnmp_session session;
    snmp_sess_init(&session);
    session.version = SNMP_VERSION_1;
    session.community = reinterpret_cast<u_char*>(const_cast<char*>(community));
    session.community_len = std::strlen(community);
    return session;
}

// net-snmp's GetRequest for sysName.0.
netsnmp_pdu* NetSnmpGetRequest() {
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    oid name[MAX_OID_LEN];
    size_t nameLen = MAX_OID_LEN;
    read_objid(kSysName, name, &nameLen);
    snmp_add_null_var(pdu, name, nameLen);
    return pdu;
}

// One encoding of it with request id 1, as ours carries; its length, or 0 when it fails.
std::size_t NetSnmpEncodeOnce(netsnmp_session& session, netsnmp_pdu* pdu) {
    u_char* pkt = nullptr;
    size_t pktLen = 0;
    size_t offset = 0;
    pdu->reqid = 1;
    pdu->version = SNMP_VERSION_1;
    const bool built = snmp_build(&pkt, &pktLen, &offset, &session, pdu) == 0;
    benchmark::DoNotOptimize(pkt);
    free(pkt);
    return built ? offset : 0;
}

void NetSnmpEncode(benchmark::State& state) {
    netsnmp_session session = V1Session("");
    netsnmp_pdu* pdu = NetSnmpGetRequest();
    size_t encoded = 0;
    for (auto _ : state) {
        encoded = NetSnmpEncodeOnce(session, pdu);
        if (encoded == 0) {
            std::fprintf(stderr, "snmp_build: %s\n", snmp_api_errstring(snmp_errno));
            state.SkipWithError("snmp_build failed");
            break;
        }
    }
    if (encoded != 34) {
        state.SkipWithError("net-snmp encoded another length");
    }
    snmp_free_pdu(pdu);
}

// The same through net-snmp; the binding count, or -1 when it does not parse.
int NetSnmpDecodeOnce(netsnmp_session& session, std::vector<std::uint8_t>& reply) {
    netsnmp_pdu* pdu = snmp_pdu_create(0);
    int count = -1;
    if (snmp_parse(nullptr, &session, pdu, reply.data(), reply.size()) == 0) {
        count = 0;
        for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) {
            ++count;
        }
    }
    snmp_free_pdu(pdu);
    return count;
}

void NetSnmpDecode(benchmark::State& state) {
    std::vector<std::uint8_t> reply = CounterReply();
    netsnmp_session session = V1Session("tessla");
    for (auto _ : state) {
        const int count = NetSnmpDecodeOnce(session, reply);
        if (count != 16) {
            state.SkipWithError(count < 0 ? "snmp_parse failed"
                                          : "net-snmp decoded another binding count");
            break;
        }
    }
}
#endif

// Encodes the GetRequest `n` times with one codec; false when that codec is unknown or not
// built in.
bool EncodeLoop(const std::string& codec, long n) {
    std::size_t total = 0;
    if (codec == "ours") {
        CSnmpMsg msg(nullptr, "127.0.0.1", "", SNMP_PDU_GET);
        msg.m_pPdu->AddOid(kSysName);
        for (long i = 0; i < n; ++i) {
            CSnmpMsg::m_sdwReqid = 0;
            msg.SnmpEncode();
            total += static_cast<std::size_t>(msg.m_nLen);
        }
    }
#if TAUREL_HAVE_NETSNMP
    else if (codec == "netsnmp") {
        netsnmp_session session = V1Session("");
        netsnmp_pdu* pdu = NetSnmpGetRequest();
        for (long i = 0; i < n; ++i) {
            total += NetSnmpEncodeOnce(session, pdu);
        }
        snmp_free_pdu(pdu);
    }
#endif
    else {
        return false;
    }
    std::printf("%s: %ld encodes, %zu bytes\n", codec.c_str(), n, total);
    return true;
}

// Decodes the reply `n` times with one codec; false when that codec is unknown or not built in.
bool DecodeLoop(const std::string& codec, long n) {
    std::vector<std::uint8_t> reply = CounterReply();
    std::size_t total = 0;
    if (codec == "ours") {
        for (long i = 0; i < n; ++i) {
            total += OurDecodeOnce(reply);
        }
    }
#if TAUREL_HAVE_NETSNMP
    else if (codec == "netsnmp") {
        netsnmp_session session = V1Session("tessla");
        for (long i = 0; i < n; ++i) {
            total += static_cast<std::size_t>(NetSnmpDecodeOnce(session, reply));
        }
    }
#endif
    else {
        return false;
    }
    std::printf("%s: %ld decodes, %zu bindings\n", codec.c_str(), n, total);
    return true;
}

// The fastest of the repetitions: other work on a shared machine only ever adds time, so the
// fastest is the one nearest each codec's own cost.
double Fastest(const std::vector<double>& times) {
    return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
}

// Remembers each benchmark's median and fastest CPU time per iteration over its repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times[name] = run.GetAdjustedCPUTime();
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
                fastest[name] = run.GetAdjustedCPUTime();
            } else if (run.run_type == Run::RT_Iteration && run.iterations > 0 &&
                       !times.count(name)) {
                times[name] = run.GetAdjustedCPUTime();
            }
        }
    }
    std::map<std::string, double> times;
    std::map<std::string, double> fastest;
};

void PrintRatio(const std::map<std::string, double>& times, const char* label, const char* ours,
                const char* theirs) {
    auto a = times.find(ours);
    auto b = times.find(theirs);
    if (a == times.end() || b == times.end() || b->second <= 0) {
        std::printf("%s ratio: n/a (net-snmp not built in)\n", label);
        return;
    }
    std::printf("%s ratio: %.3f\n", label, a->second / b->second);
}

} // namespace

int main(int argc, char** argv) {
#if TAUREL_HAVE_NETSNMP
    // Numeric OIDs only: no configuration files and no MIB modules to load.
    setenv("MIBS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    init_snmp("codec_bench");
#endif
    if (argc == 4 && std::strcmp(argv[1], "--decode-loop") == 0) {
        return DecodeLoop(argv[2], std::atol(argv[3])) ? 0 : 2;
    }
    if (argc == 4 && std::strcmp(argv[1], "--encode-loop") == 0) {
        return EncodeLoop(argv[2], std::atol(argv[3])) ? 0 : 2;
    }
#if TAUREL_HAVE_NETSNMP
    benchmark::RegisterBenchmark("netsnmp_encode_get", NetSnmpEncode)
        ->ComputeStatistics("min", Fastest);
    benchmark::RegisterBenchmark("netsnmp_decode_counters", NetSnmpDecode)
        ->ComputeStatistics("min", Fastest);
#endif
    benchmark::RegisterBenchmark("our_encode_get", OurEncode)->ComputeStatistics("min", Fastest);
    benchmark::RegisterBenchmark("our_decode_counters", OurDecode)
        ->ComputeStatistics("min", Fastest);
    // Repetitions and medians by default, the repetitions of ours and net-snmp's interleaved:
    // the comparison must hold up on a busy machine, whose load changes from second to second.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, {repetitions, aggregatesOnly, interleave});
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter.fastest, "fastest encode", "our_encode_get", "netsnmp_encode_get");
    PrintRatio(reporter.fastest, "fastest decode", "our_decode_counters",
               "netsnmp_decode_counters");
    PrintRatio(reporter.times, "encode", "our_encode_get", "netsnmp_encode_get");
    PrintRatio(reporter.times, "decode", "our_decode_counters", "netsnmp_decode_counters");
    benchmark::Shutdown();
    return 0;
}
