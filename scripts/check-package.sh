#!/usr/bin/env bash
# Installs the package made by scripts/package.sh as a user would, runs the programs from
# /usr/bin, and removes it again (also when a check fails). Needs root or sudo.
# Usage: scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-root.sh
dir="${1:-build}"
deb="$(realpath "$dir"/packages/taurel_*.deb)"
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -q)

# A machine that had taurel installed keeps the new one; any other gets its state back.
was_installed=0
dpkg-query -W -f='${Status}' taurel 2>/dev/null | grep -q 'install ok installed' && was_installed=1
work="$(mktemp -d)"
finish() {
  [ $was_installed = 1 ] || as_root "${apt[@]}" purge taurel >/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

echo "== installing $deb =="
as_root "${apt[@]}" install "$deb"
cd "$work"

# From the installed files only: no build tree on the library path.
unset LD_LIBRARY_PATH
[ "$(command -v taurel)" = /usr/bin/taurel ] || { echo "taurel is not /usr/bin/taurel"; exit 1; }
/usr/bin/taurel --version
/usr/bin/taurel-agent --version
/usr/bin/taurel-snmp --version
/usr/bin/nmdialog-browser --version
QT_QPA_PLATFORM=offscreen /usr/bin/taurel --demo --quit-after 4 --screenshot x
[ -s x-main.png ] || { echo "taurel --demo wrote no screenshot"; exit 1; }
# Container images may tell dpkg to leave out man pages; then there is nothing to find.
if [ -e /usr/share/man/man1/taurel.1.gz ] && command -v man >/dev/null; then
  man -w taurel >/dev/null || { echo "man cannot find taurel's page"; exit 1; }
fi
desktop-file-validate /usr/share/applications/taurel.desktop
desktop-file-validate /usr/share/applications/taurel-demo.desktop
appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml >/dev/null
echo "== the installed package runs =="
