#!/usr/bin/env bash
# Stages the Runtime component under a temporary prefix and checks it as an operator meets it:
# programs that start from there on their own libraries, answer --help and --version, man
# pages with defaults, exit status and examples, the menu entry and its icons.
# Usage: installed_programs.sh BUILD_DIR VERSION
set -euo pipefail
build="$1" version="$2"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" --component Runtime >/dev/null
usr="$stage/usr"
fail() { echo "FAIL: $*"; exit 1; }
# Outputs are read whole before they are searched: with pipefail, `grep -q` closing a pipe
# early would fail the writer with SIGPIPE and make the check fail at random.

for program in taurel taurel-agent taurel-snmp nmdialog-browser taurel-trapd; do
    [ -x "$usr/bin/$program" ] || fail "$program is not installed"
    libraries="$(ldd "$usr/bin/$program")"
    ! grep 'not found' <<<"$libraries" || fail "$program misses libraries"
    grep -q "libNmSnmp.so => $stage/" <<<"$libraries" ||
        fail "$program does not take NmSnmp from the installed tree"
    page="$usr/share/man/man1/$program.1.gz"
    [ -s "$page" ] || fail "no man page for $program"
    text="$(zcat "$page")"
    grep -qi 'default' <<<"$text" || fail "the man page of $program states no defaults"
    grep -qi 'exit status' <<<"$text" || fail "the man page of $program has no exit status"
    grep -q '^\.SH EXAMPLES' <<<"$text" || fail "the man page of $program has no examples"
done

for program in taurel taurel-agent taurel-snmp nmdialog-browser taurel-trapd; do
    out="$("$usr/bin/$program" --version)" || fail "$program --version failed"
    [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
    "$usr/bin/$program" --help >/dev/null || fail "$program --help failed"
done
# The ports an operator needs to make the two programs meet.
help="$("$usr/bin/taurel" --help)"
grep -q '/I127.0.0.1:1161' <<<"$help" || fail "taurel --help: no agent address"
grep -q 'UDP port 161' <<<"$(zcat "$usr/share/man/man1/taurel.1.gz")" ||
    fail "man taurel does not say which port /I means"

unit="$usr/lib/systemd/system/taurel-trapd.service"
[ -f "$unit" ] || fail "no taurel-trapd.service"
grep -q '^ExecStart=/usr/bin/taurel-trapd$' "$unit" || fail "the service does not start /usr/bin/taurel-trapd"
[ ! -e "$usr/lib/systemd/system/multi-user.target.wants" ] || fail "the service is enabled by the package"

apps="$usr/share/applications"
[ -f "$apps/taurel.desktop" ] || fail "no desktop entry"
[ -f "$apps/taurel-demo.desktop" ] || fail "no desktop entry for the demo"
# The program's entry asks for the switch (plain taurel); the demo's manages its own switch.
grep -qx 'Exec=taurel' "$apps/taurel.desktop" || fail "the menu entry does not start plain taurel"
grep -qx 'Exec=taurel --demo' "$apps/taurel-demo.desktop" || fail "the demo entry does not start taurel --demo"
grep -qx 'Name=Taurel demo' "$apps/taurel-demo.desktop" || fail "the demo entry is not named Taurel demo"
[ -f "$usr/share/metainfo/org.example.taurel.metainfo.xml" ] || fail "no metainfo"
for size in 16 22 24 32 48 64 128 256; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/taurel.png"
    grep -q "PNG image data, $size x $size," <<<"$(file "$icon")" || fail "icon $icon"
done

# What the demo's menu entry starts, from the installed files.
cd "$stage"
"$usr/bin/taurel" --demo --quit-after 1 --screenshot menu >/dev/null 2>&1 ||
    fail "taurel --demo did not end normally"
[ -s menu-main.png ] || fail "taurel --demo drew no window"
echo "the installed tree is complete and runs"
