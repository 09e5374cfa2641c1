#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the suite again under
# AddressSanitizer + UndefinedBehaviorSanitizer (a clang build at -O1 that also holds the
# fuzzers) but for the end-to-end roads that run in the first pass, then every reader's fuzzer
# for a few seconds.
# Ends with the wall time of each phase.
#
# The quick loop while writing code is the unit tests alone, under a minute:
#   cmake --build --preset default && ctest --preset quick
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
phases=()
started=$SECONDS
phase() { # phase NAME COMMAND...: runs the command and notes its wall time
  local name=$1 t0=$SECONDS
  shift
  "$@"
  phases+=("$(printf '%-18s %5d s' "$name" $((SECONDS - t0)))")
}

phase installs ./scripts/install-deps.sh

phase "default build" bash -c "cmake --preset default >/dev/null && cmake --build --preset default -j $jobs"
# The end-to-end roads (label "roads": the manual's examples, the cohort workflow, the real pair,
# the window's analysis roads) run once each. Those that reach lines of src/ no other test does
# (label "asan-pass") run under the sanitizers only; the others (label "gcc-pass") here only:
# scripts/road-coverage.sh checks that every line they execute is executed in the sanitizer pass.
phase "default suite" ctest --preset default -j "$jobs" -LE asan-pass
# The demo installations the tests keep beside the test programs are large; the sanitizer pass
# makes its own.
rm -rf build/bin/cli-test-demo-* build/bin/core-test-demo-*

phase "sanitizer build" bash -c "cmake --preset asan >/dev/null && cmake --build --preset asan -j $jobs"
phase "sanitizer suite" env ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --preset asan -j "$jobs" -LE gcc-pass

# Every reader's fuzzer for a few seconds on its seed corpus, so that a regression in a reader
# shows here and not in a scientist's archive. The sanitizer build (clang) built them; each
# fuzzer runs on one core, so as many run at once as there are cores.
fuzz_all() {
  ls fuzz/corpus | VARN_FUZZ_BUILD=build-asan VARN_FUZZ_BUILT=1 \
    xargs -P "$jobs" -I{} fuzz/run.sh {} "${VARN_FUZZ_SECONDS:-3}"
}
phase fuzzers fuzz_all

echo
echo "Every test passed. Wall time per phase:"
printf '  %s\n' "${phases[@]}"
printf '  %-18s %5d s\n' total $((SECONDS - started))
