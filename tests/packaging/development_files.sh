#!/usr/bin/env bash
# Stages the Runtime and Development components, builds a module with pkg-config alone, and
# runs it. Usage: development_files.sh BUILD_DIR SOURCE.cpp
set -euo pipefail
build="$1" source="$2"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

for component in Runtime Development; do
    cmake --install "$build" --prefix "$stage/usr" --component "$component" >/dev/null
done
pc="$(dirname "$(find "$stage" -name nmdialog.pc)")"
[ -n "$pc" ] || { echo "no nmdialog.pc installed"; exit 1; }

# Only the staged tree: the build tree's include path and libraries must not be needed.
export PKG_CONFIG_PATH="$pc"
flags="$(pkg-config --cflags --libs nmdialog)"
g++ -std=c++20 -fPIC "$source" -o "$stage/module" $flags
out="$("$stage/module")"
[ "$out" = ok ] || { echo "module printed '$out'"; exit 1; }
# The libraries come from the staged private folder, found through the RPATH.
libraries="$(ldd "$stage/module")"
grep -q "libNmDialog.so => $stage/" <<<"$libraries" ||
    { echo "libNmDialog.so is not the staged one:"; echo "$libraries"; exit 1; }
echo "a module builds and runs on the staged development files"
