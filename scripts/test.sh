#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the Release suite
# (with a brief run of each benchmark), the suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer, a replay plus a short run of every fuzzer, and the Debian
# package installed, started and removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
fuzz_seconds=${TESSELLA_FUZZ_SECONDS:-20}

bash scripts/setup.sh

echo "== Release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLA_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Benchmarks, one brief run each"
for bench in build/release/bench/bench_*; do
  [ -x "$bench" ] || continue
  "$bench" --benchmark_min_time=0.001 >/dev/null
  echo "ran $(basename "$bench")"
done

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSELLA_SANITIZE=ON -DTESSELLA_BENCH=OFF -DTESSELLA_WERROR=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
# The font library keeps caches for the life of the process; they are not our leaks.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Fuzzers: replay the corpora, then fuzz ${fuzz_seconds}s each"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTESSELLA_FUZZ=ON -DTESSELLA_TESTS=OFF -DTESSELLA_BENCH=OFF -DTESSELLA_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
for fuzzer in build/fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$root/fuzz/corpus/${name#fuzz_}"
  work="$root/build/fuzz/units/${name#fuzz_}"
  mkdir -p "$work"
  echo "$name:"
  "$fuzzer" -runs=0 "$corpus" 2>&1 | tail -n 1
  "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$work" "$corpus" 2>&1 | tail -n 1
done
echo "== Debian package: build, validate, install, run, remove"
bash scripts/check-package.sh
echo "== Tests against code, in non-blank lines"
bash scripts/test-ratio.sh
echo "All tests passed."
