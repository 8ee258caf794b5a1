#!/usr/bin/env bash
# Walk time of taurel-snmp against net-snmp's snmpwalk and snmpbulkwalk on the same local snmpd.
# Usage: bench/walk_vs_netsnmp.sh PATH/TO/taurel-snmp [RUNS]
# Each run walks the system and interfaces groups once with each client (SNMPv1 get-next), then
# the whole tree with GetBulk (SNMPv2c, 10 repetitions, both clients' default), alternating which
# goes first. It prints "walk ratio: R" (target <= 1.0) and, last, "bulkwalk ratio: R" (target
# <= 0.75): our median / net-snmp's median.
set -euo pipefail

client="${1:?usage: $0 PATH/TO/taurel-snmp [RUNS]}"
runs="${2:-15}"
snmpd="$(command -v snmpd || echo /usr/sbin/snmpd)"
snmpwalk="$(command -v snmpwalk || true)"
snmpbulkwalk="$(command -v snmpbulkwalk || true)"
if [ ! -x "$client" ] || [ ! -x "$snmpd" ] || [ -z "$snmpwalk" ] || [ -z "$snmpbulkwalk" ]; then
  echo "needs $client, snmpd, snmpwalk and snmpbulkwalk (Debian packages snmpd, snmp)" >&2
  exit 1
fi

work="$(mktemp -d)"
snmpd_pid=""
cleanup() {
  if [ -n "$snmpd_pid" ]; then kill "$snmpd_pid" 2>/dev/null || true; wait "$snmpd_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A random unprivileged port; snmpd refuses a taken one, and then another is tried.
start_snmpd() {
  port=$((20000 + RANDOM % 40000))
  agent="127.0.0.1:$port"
  : > "$work/snmpd.log"
  SNMP_PERSISTENT_DIR="$work/persist" MIBS="" "$snmpd" -f -C -c "$work/snmpd.conf" \
    -Lf "$work/snmpd.log" -p "$work/snmpd.pid" "udp:$agent" &
  snmpd_pid=$!
  for _ in $(seq 100); do
    grep -q "NET-SNMP version" "$work/snmpd.log" 2>/dev/null && return 0
    kill -0 "$snmpd_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$snmpd_pid" 2>/dev/null || true
  wait "$snmpd_pid" 2>/dev/null || true
  snmpd_pid=""
  return 1
}
printf 'rocommunity tessla 127.0.0.1\n' > "$work/snmpd.conf"
started=0
for _ in 1 2 3 4 5; do
  if start_snmpd; then started=1; break; fi
done
[ "$started" = 1 ] || { echo "snmpd did not start" >&2; exit 1; }

groups=(1.3.6.1.2.1.1 1.3.6.1.2.1.2)
ours_walk() { for g in "${groups[@]}"; do "$client" walk "$agent" "$g"; done; }
theirs_walk() { for g in "${groups[@]}"; do "$snmpwalk" -v1 -c tessla -On "$agent" "$g"; done; }

# Both must see the same rows, or the timing compares different work.
ours_rows=$(ours_walk | wc -l)
theirs_rows=$(theirs_walk | wc -l)
echo "rows: taurel-snmp $ours_rows, snmpwalk $theirs_rows"

elapsed_us() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Times OURS and THEIRS (shell functions) RUNS times each, alternating which goes first, into
# $work/NAME.ours and $work/NAME.theirs.
time_both() {
  local name="$1" ours_fn="$2" theirs_fn="$3"
  : > "$work/$name.ours"; : > "$work/$name.theirs"
  for i in $(seq "$runs"); do
    if [ $((i % 2)) -eq 1 ]; then
      elapsed_us "$ours_fn" >> "$work/$name.ours"; elapsed_us "$theirs_fn" >> "$work/$name.theirs"
    else
      elapsed_us "$theirs_fn" >> "$work/$name.theirs"; elapsed_us "$ours_fn" >> "$work/$name.ours"
    fi
  done
}

time_both walk ours_walk theirs_walk
ours=$(median < "$work/walk.ours")
theirs=$(median < "$work/walk.theirs")
echo "runs: $runs"
echo "taurel-snmp median: ${ours} us"
echo "snmpwalk median: ${theirs} us"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "walk ratio: %.2f\n", a / b }'

ours_bulk() { "$client" -v 2c bulkwalk "$agent" 1.3.6.1; }
theirs_bulk() { "$snmpbulkwalk" -v2c -c tessla -On "$agent" 1.3.6.1; }
# The tree holds the clients' own UDP endpoints, so the counts may differ by a row or two.
echo "bulkwalk rows: taurel-snmp $(ours_bulk | grep -ac '^[0-9].* = '), snmpbulkwalk $(theirs_bulk | grep -ac '^\.[0-9].* = ')"
time_both bulk ours_bulk theirs_bulk
ours=$(median < "$work/bulk.ours")
theirs=$(median < "$work/bulk.theirs")
echo "taurel-snmp bulkwalk median: ${ours} us"
echo "snmpbulkwalk median: ${theirs} us"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "bulkwalk ratio: %.2f\n", a / b }'
