#!/usr/bin/env bash
# How taurel-snmp waits for a reply that never comes, next to net-snmp's snmpget: the wakes of
# a 2 s wait (poll calls counted by strace -c -f; a client that sleeps until its deadline makes
# a handful) and how long after its time-out each client ends (from the request's sendto or
# sendmsg to exit_group, less the time-out; median of RUNS). The agent is a bound UDP port
# that never answers.
# Usage: bench/wait_vs_netsnmp.sh PATH/TO/taurel-snmp [RUNS]
set -euo pipefail

client="${1:?usage: $0 PATH/TO/taurel-snmp [RUNS]}"
runs="${2:-11}"
snmpget="$(command -v snmpget || true)"
if [ ! -x "$client" ] || [ -z "$snmpget" ] || ! command -v strace > /dev/null ||
  ! command -v python3 > /dev/null; then
  echo "needs $client, snmpget (Debian package snmp), strace and python3" >&2
  exit 1
fi

work="$(mktemp -d)"
silent_pid=""
cleanup() {
  if [ -n "$silent_pid" ]; then kill "$silent_pid" 2>/dev/null || true; wait "$silent_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A port of our own that takes datagrams and never answers them.
python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1], flush=True)
time.sleep(3600)
' > "$work/port" &
silent_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
agent="127.0.0.1:$(cat "$work/port")"
oid=1.3.6.1.2.1.1.1.0

# The command line of each client for a time-out in seconds (strace runs programs, not functions).
ours() { echo "$client -t $1 -r 0 get $agent $oid"; }
theirs() { echo "env MIBS= $snmpget -v1 -c tessla -On -t $1 -r 0 $agent $oid"; }

polls() { # client: poll-family calls during a 2 s wait
  # shellcheck disable=SC2046
  strace -c -f -o "$work/count" $("$1" 2) > /dev/null 2>&1 || true
  awk '$NF ~ /^(poll|ppoll|select|pselect6|epoll_wait|epoll_pwait)$/ { n += $4 } END { print n + 0 }' "$work/count"
}
echo "poll calls in a 2 s wait: taurel-snmp $(polls ours), snmpget $(polls theirs)"

# Microseconds from the request's sendto to exit_group, less the time-out.
late_us() { # client timeout-seconds
  # shellcheck disable=SC2046
  strace -f -ttt -e trace=sendto,sendmsg,exit_group -o "$work/trace" $("$1" "$2") > /dev/null 2>&1 || true
  awk -v t="$2" '/(sendto|sendmsg)\(/ && !s { s = $2 } /exit_group\(/ { e = $2 }
    END { printf "%d\n", (e - s - t) * 1000000 }' "$work/trace"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for timeout in 0.25 1; do
  : > "$work/ours"; : > "$work/theirs"
  for _ in $(seq "$runs"); do
    late_us ours "$timeout" >> "$work/ours"
    late_us theirs "$timeout" >> "$work/theirs"
  done
  echo "-t $timeout: after the time-out taurel-snmp ends in $(median < "$work/ours") us," \
    "snmpget in $(median < "$work/theirs") us (median of $runs)"
done
