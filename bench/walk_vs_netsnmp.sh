#!/usr/bin/env bash
# Walk time of taurel-snmp against net-snmp's snmpwalk and snmpbulkwalk on the same local snmpd.
# Usage: bench/walk_vs_netsnmp.sh PATH/TO/taurel-snmp [RUNS]
# Each run walks the system and interfaces groups once with each client (SNMPv1 get-next), then
# the whole tree with GetBulk (SNMPv2c), both clients at their defaults (taurel-snmp adapts its
# steps from 10 names, snmpbulkwalk asks for 10), alternating which goes first; then a table of
# 100,000 rows that snmpd serves from a pass_persist program the bench writes, with fewer runs.
# It prints "walk ratio: R" (target <= 1.0), "bulkwalk ratio: R" (target <= 0.75) and
# "100000-row bulkwalk ratio: R": our median / net-snmp's median; and whether the two clients
# printed the same rows (names in order; the table's values too).
set -euo pipefail

client="${1:?usage: $0 PATH/TO/taurel-snmp [RUNS]}"
runs="${2:-15}"
snmpd="$(command -v snmpd || echo /usr/sbin/snmpd)"
snmpwalk="$(command -v snmpwalk || true)"
snmpbulkwalk="$(command -v snmpbulkwalk || true)"
if [ ! -x "$client" ] || [ ! -x "$snmpd" ] || [ -z "$snmpwalk" ] || [ -z "$snmpbulkwalk" ] ||
  ! command -v python3 > /dev/null; then
  echo "needs $client, snmpd, snmpwalk, snmpbulkwalk and python3 (Debian packages snmpd, snmp," \
    "python3)" >&2
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
# The table: .1.3.6.1.4.1.88888.100.1.1.I = INTEGER I for I = 1 .. 100000, answered by a
# pass_persist program (get and getnext on stdin, one answer each on stdout).
table_root=.1.3.6.1.4.1.88888.100
table_rows=100000
cat > "$work/table.py" <<PY
import bisect, sys
rows = [(1, 3, 6, 1, 4, 1, 88888, 100, 1, 1, i) for i in range(1, $table_rows + 1)]
def parse(text):
    return tuple(int(p) for p in text.strip().strip(".").split(".") if p)
def answer(key):
    sys.stdout.write("." + ".".join(map(str, key)) + "\\ninteger\\n%d\\n" % key[-1])
for line in sys.stdin:
    command = line.strip()
    if command == "PING":
        sys.stdout.write("PONG\\n")
    elif command in ("get", "getnext"):
        key = parse(sys.stdin.readline())
        i = bisect.bisect_left(rows, key)
        if command == "getnext" and i < len(rows) and rows[i] == key:
            i += 1
        if i < len(rows) and (command == "getnext" or rows[i] == key):
            answer(rows[i])
        else:
            sys.stdout.write("NONE\\n")
    elif command == "set":
        sys.stdin.readline()
        sys.stdin.readline()
        sys.stdout.write("not-writable\\n")
    sys.stdout.flush()
PY
# Starts snmpd with $work/snmpd.conf, trying another port when one is taken.
run_snmpd() {
  local started=0
  for _ in 1 2 3 4 5; do
    if start_snmpd; then started=1; break; fi
  done
  [ "$started" = 1 ] || { echo "snmpd did not start" >&2; exit 1; }
}
stop_snmpd() {
  kill "$snmpd_pid" 2>/dev/null || true
  wait "$snmpd_pid" 2>/dev/null || true
  snmpd_pid=""
}
# The walks of snmpd's own tree first; the table is served by a second snmpd at the end, so the
# whole-tree walk stays that of snmpd's own objects.
printf 'rocommunity tessla 127.0.0.1\n' > "$work/snmpd.conf"
run_snmpd

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

# Names in order, and whether they are the same: the live tree's values (counters, the clients'
# own UDP endpoints) may change between two walks, its names seldom do.
same_rows() { # label file-ours file-theirs
  local differ
  differ=$(diff "$2" "$3" | grep -c '^[<>]' || true)
  if [ "$differ" = 0 ]; then
    echo "$1: identical ($(wc -l < "$2") rows)"
  else
    echo "$1: $differ lines differ (taurel-snmp $(wc -l < "$2"), net-snmp $(wc -l < "$3"));" \
      "first: $(diff "$2" "$3" | grep -m1 '^[<>]')"
  fi
}

ours_bulk() { "$client" -v 2c bulkwalk "$agent" 1.3.6.1; }
theirs_bulk() { "$snmpbulkwalk" -v2c -c tessla -On "$agent" 1.3.6.1; }
ours_bulk | sed 's/ = .*//' > "$work/bulk.names.ours"
theirs_bulk | sed 's/ = .*//' > "$work/bulk.names.theirs"
same_rows "bulkwalk names" "$work/bulk.names.ours" "$work/bulk.names.theirs"
time_both bulk ours_bulk theirs_bulk
ours=$(median < "$work/bulk.ours")
theirs=$(median < "$work/bulk.theirs")
echo "taurel-snmp bulkwalk median: ${ours} us"
echo "snmpbulkwalk median: ${theirs} us"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "bulkwalk ratio: %.2f\n", a / b }'

# The 100,000-row table: the agent's time is the pass_persist program's, the same for both.
stop_snmpd
printf 'rocommunity tessla 127.0.0.1\npass_persist %s %s %s\n' "$table_root" \
  "$(command -v python3)" "$work/table.py" > "$work/snmpd.conf"
run_snmpd
ours_table() { "$client" -v 2c bulkwalk "$agent" "$table_root"; }
theirs_table() { "$snmpbulkwalk" -v2c -c tessla -On "$agent" "$table_root"; }
ours_table > "$work/table.rows.ours"
theirs_table > "$work/table.rows.theirs"
same_rows "100000-row bulkwalk rows" "$work/table.rows.ours" "$work/table.rows.theirs"
full_runs=$runs
runs=$(( runs < 3 ? runs : 3 ))
time_both table ours_table theirs_table
runs=$full_runs
ours=$(median < "$work/table.ours")
theirs=$(median < "$work/table.theirs")
echo "taurel-snmp 100000-row bulkwalk median: ${ours} us"
echo "snmpbulkwalk 100000-row bulkwalk median: ${theirs} us"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "100000-row bulkwalk ratio: %.2f\n", a / b }'
