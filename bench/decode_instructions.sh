#!/usr/bin/env bash
# Instructions per decode of codec_bench's 16-counter reply, ours and net-snmp's, counted by
# callgrind: a load-independent figure next to the timings. The cost of start-up is cancelled by
# running N and 2N decodes and taking the difference.
# Usage: bench/decode_instructions.sh [build/bin/codec_bench] [N]
set -euo pipefail
bench="${1:-build/bin/codec_bench}"
n="${2:-2000}"

instructions() { # codec count
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$bench" --decode-loop "$1" "$2" \
        >/dev/null 2>"$out"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$out"
    rm -f "$out"
}

declare -A per
for codec in ours netsnmp; do
    one=$(instructions "$codec" "$n")
    two=$(instructions "$codec" "$((2 * n))")
    per[$codec]=$(((two - one) / n))
    echo "$codec: ${per[$codec]} instructions per decode"
done
awk -v a="${per[ours]}" -v b="${per[netsnmp]}" 'BEGIN { printf "instruction ratio: %.3f\n", a / b }'
