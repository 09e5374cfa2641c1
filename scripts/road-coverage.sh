#!/usr/bin/env bash
# Which src/ lines only the end-to-end roads reach. Every road (ctest label "roads") runs in one
# pass of ./test.sh: label "asan-pass" under the sanitizers, label "gcc-pass" in the normal build
# only. A road may leave the sanitizer pass while every line of src/ it executes is executed there
# too, by the other tests or by the roads that stay; this script checks it:
#   scripts/road-coverage.sh [BUILD_DIR]      (default build-cov)
# It builds the tree with gcc --coverage at -O0 in BUILD_DIR, runs the tests without a road, then
# each road alone (two at a time), and writes BUILD_DIR/road-coverage/ROAD.only: the lines
# ("file:line") that road executes and no test outside the roads does (for an asan-pass road,
# what moving it would leave unsanitized). For a gcc-pass road it also writes ROAD.unsanitized,
# its lines that the sanitizer pass (those tests and the asan-pass roads) never executes; that
# must be empty, else the script names the lines and exits 1. Needs gcc's gcov and python3.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
build=${1:-build-cov}
out=$build/road-coverage
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g0" -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
  -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DVARN_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"
rm -rf "$out"
mkdir -p "$out"

# Each run writes its counters in a tree of its own (GCOV_PREFIX), so that the roads can run two
# at a time. lines NAME: the src/ lines that run NAME executed, "file:line" sorted.
run() { # run NAME CTEST-OPTIONS...
  local name=$1
  shift
  GCOV_PREFIX="$PWD/$out/gcda/$name" ctest --test-dir "$build" --timeout 3000 "$@" >"$out/$name.log" 2>&1 ||
    { tail -30 "$out/$name.log"; echo "$name failed"; return 1; }
  lines "$name"
}
lines() {
  local tree=$PWD/$out/gcda/$1 work
  work=$(mktemp -d)
  # gcov reads each counter file beside its notes file from the compile.
  (cd "$PWD" && find "$build" -name '*.gcno' -print0 | xargs -0 -I{} cp --parents {} "$tree$PWD/")
  find "$tree" -name '*.gcda' >"$work/list"
  (cd "$work" && xargs -a list -d '\n' gcov --json-format --stdout --preserve-paths >"$work/json" 2>/dev/null) || true
  python3 - "$work/json" "$PWD/src/" >"$out/$1.lines" <<'PY'
import json, os, sys
src = sys.argv[2]
seen = set()
decoder = json.JSONDecoder()
text = open(sys.argv[1]).read()
at = 0
while True:
    while at < len(text) and text[at].isspace():
        at += 1
    if at >= len(text):
        break
    unit, at = decoder.raw_decode(text, at)
    base = unit.get("current_working_directory", "")
    for f in unit["files"]:
        path = os.path.normpath(os.path.join(base, f["file"]))
        if path.startswith(src):
            for line in f["lines"]:
                if line["count"] > 0:
                    seen.add(f"src/{path[len(src):]}:{line['line_number']}")
for entry in sorted(seen):
    print(entry)
PY
  rm -rf "$work"
}
export -f run lines
export build out

run rest -j "$jobs" -LE roads
roads=$(ctest --test-dir "$build" -N -L roads | sed -n 's/^ *Test *#[0-9]*: //p')
printf '%s\n' $roads | xargs -P "$jobs" -I{} bash -c 'run "$1" -R "^$1\$"' _ {}
sort -u "$out/rest.lines" $(for r in $(ctest --test-dir "$build" -N -L asan-pass | sed -n 's/^ *Test *#[0-9]*: //p'); do
  echo "$out/$r.lines"; done) >"$out/sanitized.lines"
found=0
for road in $roads; do
  comm -23 "$out/$road.lines" "$out/rest.lines" >"$out/$road.only"
  pass=$(ctest --test-dir "$build" -N -L gcc-pass -R "^$road\$" | grep -q "Test *#" && echo gcc-pass || echo asan-pass)
  printf '%-24s %-9s %6d lines, %4d reached by no test but a road' "$road" "$pass" "$(wc -l <"$out/$road.lines")" \
    "$(wc -l <"$out/$road.only")"
  if [ "$pass" = gcc-pass ]; then
    comm -23 "$out/$road.lines" "$out/sanitized.lines" >"$out/$road.unsanitized"
    printf ', %d outside the sanitizer pass\n' "$(wc -l <"$out/$road.unsanitized")"
    [ -s "$out/$road.unsanitized" ] && { found=1; sed 's/^/    /' "$out/$road.unsanitized"; }
  else
    echo
    cut -d: -f1 "$out/$road.only" | uniq -c | sed 's/^/    /'
  fi
done
printf '%-24s %6d lines\n' "the tests without a road" "$(wc -l <"$out/rest.lines")"
exit $found
