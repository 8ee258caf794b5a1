#!/usr/bin/env bash
# systemd-analyze verify on taurel-trapd.service: clean means no line of output at all (it
# reports unknown keys, bad values and a program it cannot run as warnings, exit status 0).
# Also the service's rules: a user of its own, one capability, the state folder.
# Usage: service_verifies.sh SYSTEMD_ANALYZE UNIT
set -euo pipefail
analyze="$1" unit="$2"
fail() { echo "FAIL: $*"; exit 1; }
# The man page it names is checked once installed; here it is not yet.
out="$("$analyze" verify --man=no "$unit" 2>&1)" || fail "systemd-analyze verify failed: $out"
[ -z "$out" ] || fail "systemd-analyze verify reported: $out"
text="$(cat "$unit")"
grep -q '^DynamicUser=yes$' <<<"$text" || fail "no user of its own"
grep -q '^CapabilityBoundingSet=CAP_NET_BIND_SERVICE$' <<<"$text" || fail "more than one capability"
grep -q '^AmbientCapabilities=CAP_NET_BIND_SERVICE$' <<<"$text" || fail "no port-binding capability"
grep -q '^StateDirectory=taurel$' <<<"$text" || fail "the journal is not under /var/lib/taurel"
grep -q '^NoNewPrivileges=yes$' <<<"$text" || fail "no NoNewPrivileges"
echo "taurel-trapd.service verifies"
