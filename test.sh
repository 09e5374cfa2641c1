#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the whole suite again under
# AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
jobs=$(nproc)

cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --preset asan -j "$jobs"

# Every reader's fuzzer for a few seconds on its seed corpus, so that a regression in a reader
# shows here and not in a scientist's archive.
if command -v clang++ >/dev/null 2>&1; then
  for name in $(ls fuzz/corpus); do
    VARN_FUZZ_JOBS="$jobs" fuzz/run.sh "$name" "${VARN_FUZZ_SECONDS:-3}"
  done
else
  echo "clang++ not found: the fuzzers are skipped"
fi
