#!/usr/bin/env bash
# The cohort workflow on 20 tumours (the demo tumours linked under more names), both arrays,
# merged, segments and the cohort summary: Snakemake with 1 and with 2 cores against the same
# varn-cli commands in a plain loop (one after another, and two at a time with xargs), each on
# a fresh copy of the inputs, in one run so the figures compare.
#   [ROUNDS=3] bench/cohort_workflow.sh [VARN_CLI] [N_TUMOURS]   (under nice -n 19 on a shared machine)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=$(readlink -f "${1:-$here/build/bin/varn-cli}")
n=${2:-20}
tmp=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$tmp"' EXIT

"$cli" --root "$tmp/inputs" demo-data --refs 6 >/dev/null 2>&1
demo=($(ls "$tmp/inputs/truth" | sed -n 's/\.txt$//p'))
names=()
for k in $(seq -w 1 "$n"); do
  t=${demo[$(( (10#$k - 1) % ${#demo[@]} ))]}
  for a in X H; do
    ln "$tmp/inputs/tumorsample$a/$t$a.txt" "$tmp/inputs/tumorsample$a/Cohort$k$a.txt"
    ln "$tmp/inputs/SNPtumorsample$a/$t$a.txt" "$tmp/inputs/SNPtumorsample$a/Cohort$k$a.txt"
  done
  names+=("Cohort$k")
done
{
  printf 'sample\tarray\tsignal\tcalls\n'
  for s in "${names[@]}"; do
    printf '%s\txba\ttumorsampleX/%sX.txt\tSNPtumorsampleX/%sX.txt\n' "$s" "$s" "$s"
    printf '%s\thind\ttumorsampleH/%sH.txt\tSNPtumorsampleH/%sH.txt\n' "$s" "$s" "$s"
  done
} >"$tmp/samples.tsv"

fresh() { rm -rf "$tmp/run"; cp -al "$tmp/inputs" "$tmp/run"; rm -rf "$tmp/wd"; mkdir -p "$tmp/wd"; }
seconds() { # seconds VAR COMMAND...: the wall time of the command into VAR
  local var=$1 start; shift
  start=$(date +%s.%N)
  "$@" >"$tmp/last.log" 2>&1 || { echo "failed: $*" >&2; tail -20 "$tmp/last.log" >&2; exit 1; }
  printf -v "$var" '%s' "$(echo "$(date +%s.%N) - $start" | bc)"
}

snake() {
  snakemake -s "$here/workflow/Snakefile" --directory "$tmp/wd" --configfile "$here/config/config.yaml" \
    --config root="$tmp/run" samples="$tmp/samples.tsv" varn_cli="$cli" --cores "$1" --force-use-threads --quiet
}
analyze() { # analyze NAME ARRAY-LETTER
  local p; p=$([ "$2" = X ] && echo Xba || echo Hind)
  "$cli" --root "$tmp/run" analyze --pool "$tmp/run/${p}Pool.ref" --signal "$tmp/run/tumorsample$2/$1$2.txt" \
    --calls "$tmp/run/SNPtumorsample$2/$1$2.txt" --refs best:4 --average 10 --store --tracks --raw-data --segments \
    >"$tmp/run/$1$2.log" 2>&1
}
merged() {
  "$cli" --root "$tmp/run" merged --pool "$tmp/run/XbaPool.ref" --pool "$tmp/run/HindPool.ref" \
    --xba-temp "$tmp/run/temporary files/$1X.temp" --hind-temp "$tmp/run/temporary files/$1H.temp" \
    --average 10 --tracks --segments >"$tmp/run/$1.log" 2>&1
}
cohort() {
  "$cli" --root "$tmp/run" batch-segments --pool "$tmp/run/XbaPool.ref" --pool "$tmp/run/HindPool.ref" >/dev/null 2>&1
  local tables=()
  for s in "${names[@]}"; do tables+=("$tmp/run/segments/${s}Xand${s}H.segments.tsv"); done
  "$cli" --root "$tmp/run" cohort --plot "$tmp/run/segments/cohort-frequency.png" "${tables[@]}" >/dev/null 2>&1
}
export -f analyze merged
export cli tmp
loop() { # loop PARALLEL
  for s in "${names[@]}"; do printf '%s X\n%s H\n' "$s" "$s"; done | xargs -P "$1" -n 2 bash -c 'analyze "$0" "$1"'
  printf '%s\n' "${names[@]}" | xargs -P "$1" -n 1 bash -c 'merged "$0"'
  cohort
}

# Each configuration ROUNDS times (default 3), interleaved, keeping the fastest: on a shared
# machine the other load only ever adds time.
rounds=${ROUNDS:-3}
best() { awk -v a="${!1:-}" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
loop1= snake1= loop2= snake2=
for round in $(seq "$rounds"); do
  fresh; seconds t loop 1; loop1=$(best loop1 "$t")
  fresh; seconds t snake 1; snake1=$(best snake1 "$t")
  fresh; seconds t loop 2; loop2=$(best loop2 "$t")
  fresh; seconds t snake 2; snake2=$(best snake2 "$t")
done
# Peak memory of one job of each kind, for the cluster profile.
fresh

mem_analyze=$(/usr/bin/time -f "%M" bash -c 'analyze "$0" X' "${names[0]}" 2>&1 | tail -1)
analyze "${names[0]}" H
mem_merged=$(/usr/bin/time -f "%M" bash -c 'merged "$0"' "${names[0]}" 2>&1 | tail -1)

awk -v n="$n" -v rounds="$rounds" -v l1="$loop1" -v s1="$snake1" -v l2="$loop2" -v s2="$snake2" -v ma="$mem_analyze" -v mm="$mem_merged" 'BEGIN {
  printf "%d tumours, both arrays, merged, segments, cohort summary; fastest of %d rounds\n", n, rounds
  printf "%-28s %8s %14s\n", "", "wall s", "samples/min"
  printf "%-28s %8.1f %14.1f\n", "plain loop, 1 at a time", l1, n * 60 / l1
  printf "%-28s %8.1f %14.1f\n", "snakemake --cores 1", s1, n * 60 / s1
  printf "%-28s %8.1f %14.1f\n", "plain loop, 2 at a time", l2, n * 60 / l2
  printf "%-28s %8.1f %14.1f\n", "snakemake --cores 2", s2, n * 60 / s2
  printf "snakemake 2 cores vs 1: %.2fx\n", s1 / s2
  printf "snakemake overhead: %.0f%% of the wall time with 1 core, %.0f%% with 2\n", 100 * (s1 - l1) / s1, 100 * (s2 - l2) / s2
  printf "peak resident memory: analyze %.0f MB, merged %.0f MB\n", ma / 1024, mm / 1024
}'
