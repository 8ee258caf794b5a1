#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those that are missing),
# then configures and builds. Usage: scripts/setup.sh [--no-build] [BUILD_DIR]
# Run it as yourself: it installs through sudo when it is not root, and builds as the caller,
# so the build tree is never owned by root unless root runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  snmp snmpd snmptrapd libsnmp-dev libssl-dev tshark
  libsqlite3-dev sqlite3 systemd
  clang libclang-rt-14-dev
  help2man dpkg-dev file lintian desktop-file-utils appstream
  strace python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

source scripts/as-root.sh
if [ ${#missing[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=1
if [ "${1:-}" = "--no-build" ]; then build=0; shift; fi
dir="${1:-build}"
if [ $build = 1 ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$dir" -j 2
fi
