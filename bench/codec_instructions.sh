#!/usr/bin/env bash
# Instructions per encode of codec_bench's GetRequest and per decode of its 16-counter reply,
# ours and net-snmp's, counted by callgrind: a load-independent figure next to the timings. The
# cost of start-up is cancelled by running N and 2N loops and taking the difference.
# Usage: bench/codec_instructions.sh [build/bin/codec_bench] [N]
set -euo pipefail
bench="${1:-build/bin/codec_bench}"
n="${2:-2000}"

instructions() { # encode|decode codec count
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$bench" "--$1-loop" "$2" "$3" \
        >/dev/null 2>"$out"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$out"
    rm -f "$out"
}

for work in encode decode; do
    declare -A per
    for codec in ours netsnmp; do
        one=$(instructions "$work" "$codec" "$n")
        two=$(instructions "$work" "$codec" "$((2 * n))")
        per[$codec]=$(((two - one) / n))
        echo "$codec: ${per[$codec]} instructions per $work"
    done
    awk -v a="${per[ours]}" -v b="${per[netsnmp]}" -v w="$work" \
        'BEGIN { printf "%s instruction ratio: %.3f\n", w, a / b }'
done
