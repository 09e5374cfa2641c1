#!/usr/bin/env bash
# Runs one fuzzer: fuzz/run.sh NAME SECONDS [extra libFuzzer options]
# Builds the fuzzer in $VARN_FUZZ_BUILD (a build configured with -DVARN_FUZZ=ON, such as the
# asan preset's build-asan), else in build-fuzz, made with clang when missing; fuzzes a scratch
# copy of the committed seed corpus (which is never grown), and ends with the executions per
# second and the coverage. VARN_FUZZ_BUILT=1 skips the build: ./test.sh runs two fuzzers at once
# from the sanitizer build, which holds them all, and two builds of one tree must not overlap.
# Findings are written to fuzz/findings/NAME/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
  echo "usage: fuzz/run.sh NAME SECONDS" >&2
  echo "names: $(ls fuzz/corpus | tr '\n' ' ')" >&2
  exit 2
fi
name=$1
seconds=$2
shift 2
if [ ! -d "fuzz/corpus/$name" ]; then
  echo "no fuzzer named $name" >&2
  exit 2
fi

build=${VARN_FUZZ_BUILD:-build-fuzz}
if [ "${VARN_FUZZ_BUILT:-}" = 1 ]; then
  [ -x "$build/bin/fuzz_$name" ] || { echo "$build/bin/fuzz_$name is not built" >&2; exit 2; }
else
  if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARN_FUZZ=ON \
      -DVARN_BUILD_TESTS=OFF -DVARN_BUILD_BENCH=OFF -DVARN_BUILD_GUI=OFF >/dev/null
  fi
  cmake --build "$build" -j "${VARN_FUZZ_JOBS:-2}" --target "fuzz_$name" >/dev/null
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/varn-fuzz-$name.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -r "fuzz/corpus/$name" "$work/corpus"
findings="fuzz/findings/$name"
mkdir -p "$findings"
log="$work/log"

set +e
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$build/bin/fuzz_$name" -max_total_time="$seconds" -max_len=1048576 -rss_limit_mb=4096 -timeout=60 \
  -artifact_prefix="$findings/" -print_final_stats=1 "$@" "$work/corpus" >"$log" 2>&1
status=$?
set -e

last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
persec=$(grep -E '^stat::average_exec_per_sec' "$log" | awk '{print $2}')
cov=$(echo "$last" | grep -oE 'cov: [0-9]+' | awk '{print $2}')
ft=$(echo "$last" | grep -oE 'ft: [0-9]+' | awk '{print $2}')
echo "$name: ${seconds}s, runs ${runs:-?}, exec/s ${persec:-?}, cov ${cov:-?} edges, ft ${ft:-?}, exit $status"
if [ $status -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20
  cp "$log" "$findings/last.log"
  exit 1
fi
