#!/usr/bin/env bash
# Makes the Debian packages from an existing build tree (nothing is compiled again that is
# already built) and checks them with lintian. Usage: scripts/package.sh [BUILD_DIR]
# Writes BUILD_DIR/packages/taurel_VERSION_ARCH.deb and taurel-dev_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"

rm -f "$dir"/packages/*.deb
cmake --build "$dir" -j 2 --target package
# Warnings are listed; an error fails.
status=0
report="$(lintian --fail-on error "$dir"/packages/*.deb 2>&1)" || status=$?
grep -v '^running with root privileges' <<<"$report" || true
if [ $status != 0 ]; then
  echo "lintian found errors in the packages" >&2
  exit 1
fi
ls "$dir"/packages/*.deb
