#!/usr/bin/env bash
# The cohort workflow end to end on a demo installation: lint, a dry run with the cluster
# profile, the sheet checks, a real run whose files equal the same varn-cli commands run by hand,
# a second run that does nothing, a changed input that reruns only what depends on it, and a
# corrupt signal file under --keep-going. Beside the 50K tumours the sheet has one profile row: a
# small final report of the demo's Tumor8 with its normal.
#   workflow_test.sh VARN_CLI SOURCE_DIR
set -uo pipefail
cli=$(readlink -f "$1")
src=$(readlink -f "$2")
if ! command -v snakemake >/dev/null; then
  echo "SKIPPED: snakemake is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Inputs of three installations: A for the workflow, B for the same commands by hand, C for the
# corrupt sample. Hard links are safe: every writer replaces its file under a new inode.
"$cli" --root "$tmp/A" demo-data --refs 6 >/dev/null 2>&1 || { echo "FAIL: demo-data"; exit 1; }
"$cli" demo-report --snps 20000 --out "$tmp/A/finalreports/Small8.txt" --normal "$tmp/A/finalreports/Small8N.txt" \
  >/dev/null 2>&1 || { echo "FAIL: demo-report"; exit 1; }
cp -al "$tmp/A" "$tmp/B"
cp -al "$tmp/A" "$tmp/C"
tumours=$(ls "$tmp/A/truth" | sed -n 's/\.txt$//p')

sheet() { # sheet FILE TUMOUR... : both arrays of every tumour, with its paired normal
  local file=$1; shift
  printf 'sample\tarray\tsignal\tcalls\tnormal_signal\tnormal_calls\n' >"$file"
  for t in "$@"; do
    for a in xba hind; do
      local l; l=$([ $a = xba ] && echo X || echo H)
      printf '%s\t%s\ttumorsample%s/%s%s.txt\tSNPtumorsample%s/%s%s.txt\tsampledata%s/%sN%s.txt\tsampledata%s/%sN%s_snp.txt\n' \
        "$t" $a $l "$t" $l $l "$t" $l $l "$t" $l $l "$t" $l >>"$file"
    done
  done
}
sheet "$tmp/samples.tsv" $tumours
# The cohort of A: the same rows (their cells beyond the sixth left out) and the profile row.
{ sed '1s/$/\tprofile\tnormal\tformat\tbuild/' "$tmp/samples.tsv"
  printf 'Tumor8\t\t\t\t\t\tfinalreports/Small8.txt\tfinalreports/Small8N.txt\tillumina\thg19\n'; } >"$tmp/cohort.tsv"

smk() { # smk ROOT SHEET [snakemake options...]
  local root=$1 samples=$2; shift 2
  snakemake -s "$src/workflow/Snakefile" --directory "$tmp/wd-$(basename "$root")" \
    --configfile "$src/config/config.yaml" --config root="$root" samples="$samples" varn_cli="$cli" --force-use-threads "$@"
}

# Lint and the cluster profile's dry run.
mkdir -p "$tmp/wd-A" "$tmp/wd-B" "$tmp/wd-C"
lint=$(smk "$tmp/A" "$tmp/cohort.tsv" --lint 2>&1)
if [ $? -eq 0 ] && grep -q "Congratulations" <<<"$lint"; then pass "lint"; else fail "lint: $lint"; fi
dry=$(smk "$tmp/A" "$tmp/cohort.tsv" --profile "$src/workflow/profiles/slurm" -n 2>&1)
if [ $? -eq 0 ] && grep -q "runtime=5" <<<"$dry" && grep -q "mem_mb=200" <<<"$dry"; then pass "slurm profile dry run"
else fail "slurm profile dry run: $dry"; fi

# Bad sheets: refused before any job, naming the row and the column.
bad() { # bad NAME EXPECTED (the sheet is on stdin)
  cat >"$tmp/bad.tsv"
  local out; out=$(smk "$tmp/A" "$tmp/bad.tsv" -n 2>&1)
  if [ $? -ne 0 ] && grep -qF -- "$2" <<<"$out"; then pass "bad sheet: $1"; else fail "bad sheet $1: $out"; fi
}
head=$(printf 'sample\tarray\tsignal\tcalls\tnormal_signal\tnormal_calls')
row() { printf '%s\t%s\t%s\t%s\t\t\n' "$@"; }
{ echo "$head"; row Tumor1 xba tumorsampleX/Tumor1X.txt SNPtumorsampleX/Tumor1X.txt
  row Tumor2 xba tumorsampleX/Tumor9X.txt SNPtumorsampleX/Tumor2X.txt; } |
  bad "missing file" "row 2, column signal: tumorsampleX/Tumor9X.txt does not exist"
{ echo "$head"; row Tumor1 affy tumorsampleX/Tumor1X.txt SNPtumorsampleX/Tumor1X.txt; } |
  bad "unknown array" "row 1, column array: 'affy' is not one of ['xba', 'hind']"
{ echo "$head"; row Tumor1 xba tumorsampleX/Tumor1X.txt SNPtumorsampleX/Tumor1X.txt
  row Tumor1 hind tumorsampleH/Tumor1H.txt SNPtumorsampleH/Tumor1H.txt
  row Tumor1 xba tumorsampleX/Tumor2X.txt SNPtumorsampleX/Tumor2X.txt; } |
  bad "duplicate sample" "row 3, column sample: Tumor1 on xba is already in row 1"
{ echo "$head"; row Tumor1 xba tumorsampleX/Tumor1X.txt SNPtumorsampleX/Tumor1X.txt
  row Tumor2 xba tumorsampleX/Tumor1X.txt SNPtumorsampleX/Tumor2X.txt; } |
  bad "colliding outputs" "row 2, column signal: tumorsampleX/Tumor1X.txt writes the same files (Tumor1X.*) as row 1"
printf 'sample\tarray\tsignal\nTumor1\txba\ttumorsampleX/Tumor1X.txt\n' |
  bad "missing column" "row 1, column calls: 'calls' is a required property"
{ echo "$head"$'\tprofile'; echo $'Tumor1\txba\ttumorsampleX/Tumor1X.txt\tSNPtumorsampleX/Tumor1X.txt\t\t\t'
  echo $'Tumor1\t\t\t\t\t\tfinalreports/Small8.txt'; } |
  bad "profile of a 50K tumour" "row 2, column sample: Tumor1 is already in row 1"
printf 'sample\tprofile\tformat\nTumor8\tfinalreports/Small8.txt\taffymetrix\n' |
  bad "unknown profile format" "row 1, column format: 'affymetrix' is not one of"

# The real run, two jobs at a time.
if smk "$tmp/A" "$tmp/cohort.tsv" --cores 2 >"$tmp/run.log" 2>&1; then pass "run"; else fail "run: $(tail -30 "$tmp/run.log")"; fi

# The same commands by hand in B.
(
  set -e
  cd "$tmp/B"
  for t in $tumours; do
    for a in X H; do
      p=$([ $a = X ] && echo Xba || echo Hind); array=$([ $a = X ] && echo xba || echo hind)
      "$cli" --root . analyze --pool ${p}Pool.ref --signal tumorsample$a/$t$a.txt --calls SNPtumorsample$a/$t$a.txt \
        --refs best:4 --average 10 --store --tracks --raw-data --segments --baf
      "$cli" --root . paired --array $array --tumor-signal tumorsample$a/$t$a.txt --tumor-calls SNPtumorsample$a/$t$a.txt \
        --normal-signal sampledata$a/${t}N$a.txt --normal-calls sampledata$a/${t}N${a}_snp.txt --average 10 --store
    done
    "$cli" --root . merged --pool XbaPool.ref --pool HindPool.ref --xba-temp "temporary files/${t}X.temp" \
      --hind-temp "temporary files/${t}H.temp" --average 10 --tracks --segments
  done
  "$cli" --root . profile finalreports/Small8.txt --normal finalreports/Small8N.txt --format illumina --build hg19 \
    --sample Tumor8 --store --segments
  "$cli" --root . batch-segments --pool XbaPool.ref --pool HindPool.ref
  "$cli" --root . cohort-samples --pool XbaPool.ref --pool HindPool.ref
  tables=()
  for t in $tumours; do tables+=("segments/${t}Xand${t}H.segments.tsv"); done
  tables+=(segments/Tumor8.segments.tsv)
  "$cli" --root . cohort --plot segments/cohort-frequency.png "${tables[@]}"
) >"$tmp/hand.log" 2>&1 || fail "by hand: $(tail -5 "$tmp/hand.log")"
# A stored profile names the file it was read from: the rest of it must be the same.
diffs=$(cd "$tmp" && diff -r -q --exclude=logs --exclude='*.profile.gz' A B 2>&1)
stored() { zcat "$1/temporary files/Tumor8.profile.gz" | grep -v '^source'; }
cmp -s <(stored "$tmp/A") <(stored "$tmp/B") || diffs+=" Tumor8.profile.gz"
grep -q '^Tumor8' "$tmp/A/segments/cohort.seg" || diffs+=" cohort.seg has no Tumor8"
count=$(find "$tmp/A/temporary files" "$tmp/A/Self temporary files" "$tmp/A/IGBfiles" "$tmp/A/RawData" \
  "$tmp/A/segments" -type f | wc -l)
if [ -z "$diffs" ] && [ "$count" -gt 0 ]; then pass "workflow files equal the commands by hand ($count files)"
else fail "workflow and by hand differ: $diffs"; fi

# The cohort's sample table: every stored analysis fitted with its alleles, the doubled tumour
# (and no other) called doubled, and the profile's row fitted beside them.
doubled=$(awk -F'\t' 'NR > 1 && $6 != "NA" && $9 == "yes" {print $1}' "$tmp/A/segments/cohort-samples.tsv" | sort | tr '\n' ' ')
fitted=$(awk -F'\t' 'NR > 1 && $2 != "profile" && $6 != "NA"' "$tmp/A/segments/cohort-samples.tsv" | wc -l)
profile=$(awk -F'\t' '$1 == "Tumor8" && $2 == "profile" && $6 != "NA"' "$tmp/A/segments/cohort-samples.tsv" | wc -l)
if [ "$doubled" = "Tumor6H Tumor6X " ] && [ "$fitted" -eq $((2 * $(wc -w <<<"$tumours"))) ] && [ "$profile" -eq 1 ]; then
  pass "cohort-samples.tsv: every analysis fitted, the doubled genome called doubled"
else fail "cohort-samples.tsv: doubled '$doubled', fitted $fitted: $(cat "$tmp/A/segments/cohort-samples.tsv")"; fi

# A second run does nothing; a changed signal file reruns its sample and the cohort only.
again=$(smk "$tmp/A" "$tmp/cohort.tsv" --cores 2 2>&1)
if grep -q "Nothing to be done" <<<"$again"; then pass "second run does nothing"; else fail "second run: $again"; fi
touch "$tmp/A/tumorsampleX/Tumor1X.txt"
plan=$(smk "$tmp/A" "$tmp/cohort.tsv" -n --quiet 2>&1)
jobs=$(awk '$1 ~ /^(analyze|paired|merged|profile|cohort_seg|cohort_samples|cohort_frequency|all)$/ {print $1 "=" $2}' <<<"$plan" | sort | tr '\n' ' ')
if [ "$jobs" = "all=1 analyze=1 cohort_frequency=1 cohort_samples=1 cohort_seg=1 merged=1 paired=1 " ]; then pass "a changed input reruns only its jobs"
else fail "after touching Tumor1X.txt the plan is: $jobs"; fi

# A corrupt signal file: its jobs fail with varn-cli's message in their logs, the rest finish.
rm "$tmp/C/tumorsampleX/Tumor2X.txt"
head -c 20000 /dev/urandom >"$tmp/C/tumorsampleX/Tumor2X.txt"
smk "$tmp/C" "$tmp/samples.tsv" --cores 2 --keep-going >"$tmp/corrupt.log" 2>&1
status=$?
expected=$(cd "$tmp/C" && "$cli" --root "$tmp/C" analyze --pool "$tmp/C/XbaPool.ref" --signal "$tmp/C/tumorsampleX/Tumor2X.txt" \
  --calls "$tmp/C/SNPtumorsampleX/Tumor2X.txt" --refs best:4 --average 10 --store --tracks --raw-data --segments --baf 2>&1)
logged=$(cat "$tmp/C/logs/analyze/Tumor2X.log" 2>/dev/null)
[ $status -ne 0 ] || fail "--keep-going with a corrupt sample ended with status 0"
grep -q "Error in rule analyze" "$tmp/corrupt.log" && grep -q "Tumor2X.log" "$tmp/corrupt.log" ||
  fail "the run does not name the failed job: $(tail -20 "$tmp/corrupt.log")"
[ -n "$logged" ] && [ "$logged" = "$expected" ] || fail "the job log is not varn-cli's message: '$logged' vs '$expected'"
finished=1
for t in $tumours; do
  [ "$t" = Tumor2 ] && continue
  [ -f "$tmp/C/segments/${t}Xand${t}H.segments.tsv" ] || finished=0
done
[ -f "$tmp/C/temporary files/Tumor2H.temp" ] || finished=0
[ $finished -eq 1 ] || fail "the other samples did not finish under --keep-going"
[ $status -ne 0 ] && [ $finished -eq 1 ] && [ "$logged" = "$expected" ] && pass "corrupt sample with --keep-going"

[ $failures -eq 0 ] && echo "workflow: all checks passed" || echo "workflow: $failures check(s) failed"
[ $failures -eq 0 ]
