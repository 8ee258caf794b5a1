#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the full suite, the Debian
# package (made from the same build, checked by lintian, installed, run and removed), the suite
# again under address and undefined-behaviour sanitizers (leaks included), and the decoder fuzz
# target for 60 seconds. Run it as yourself; installing goes through sudo when needed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 --timeout 300)

echo "== the Debian package: made, checked by lintian, installed, run and removed =="
bash scripts/package.sh build
bash scripts/check-package.sh build

echo "== every test under address and undefined-behaviour sanitizers =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAUREL_SANITIZE=ON \
      -DTAUREL_BENCH=OFF
cmake --build build-asan -j 2
(cd build-asan && QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$PWD/../scripts/lsan.supp" \
    ctest --output-on-failure -j 2 --timeout 300)

echo "== decoder fuzzing, ${TAUREL_FUZZ_SECONDS:-60} s =="
bash fuzz/run.sh "${TAUREL_FUZZ_SECONDS:-60}"
