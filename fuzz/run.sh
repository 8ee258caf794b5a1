#!/usr/bin/env bash
# Builds the decoder fuzz target with clang (address + undefined sanitizers) and runs it for the
# given number of seconds from the seed corpus. New inputs go to a scratch folder, so the
# committed corpus only changes by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAUREL_ENGINE_ONLY=ON -DTAUREL_SANITIZE=ON -DTAUREL_FUZZ=ON -DTAUREL_TESTS=OFF >/dev/null
cmake --build build-fuzz -j 2 --target snmp_decode_fuzzer

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd build-fuzz
ASAN_OPTIONS=detect_leaks=1 ./bin/snmp_decode_fuzzer -max_total_time="$seconds" -max_len=1500 \
    -timeout=5 -print_final_stats=1 "$scratch" ../fuzz/corpus
