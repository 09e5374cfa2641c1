#!/usr/bin/env bash
# The 50K allele analysis as it is now (the allele stages reading a Profile that the analysis
# fills from the document) against the road before it (the stages reading the document itself),
# side by side in one run. The commit before the one that brought src/engine/analysis/
# DocumentProfile.cpp (or OLD) is built in a temporary worktree; then its bench_alleles,
# bench_allele_hmm and varn-cli and this build's run alternately, ROUNDS times (default 5), on the
# same demo, keeping each one's fastest (on a shared machine other load only ever adds time).
# The varn-cli run is a whole analysis as a user starts it: one array's pool and tumour read, the
# joint fit of purity and ploidy, the allele-specific decoding and the segments with their allele
# columns. OLD_TREE names a worktree of the commit before that is already built (its build/), to
# be used and kept.
#   [OLD=commit | OLD_TREE=dir] [ROUNDS=5] bench/allele_road.sh [BUILD_DIR]    (nice -n 19 when shared)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:-$here/build}")
rounds=${ROUNDS:-5}
old=${OLD:-$(git -C "$here" log --format=%H --diff-filter=A -1 -- src/engine/analysis/DocumentProfile.cpp)^}
old=$(git -C "$here" rev-parse --short "$old")
tmp=$(mktemp -d)
# Inside the build folder, so that ccache (base_dir) finds what the two trees share.
tree=${OLD_TREE:-$build/allele-road-old}
cleanup() {
  [ -n "${OLD_TREE:-}" ] || git -C "$here" worktree remove --force "$tree" >/dev/null 2>&1 || true
  rm -rf "$tmp"
}
trap cleanup EXIT

targets=(bench_alleles bench_allele_hmm varn-cli)
cmake --build "$build" -j 2 --target "${targets[@]}" >/dev/null
if [ -z "${OLD_TREE:-}" ]; then
  git -C "$here" worktree add --detach "$tree" "$old" >/dev/null 2>&1
  # That commit does not compile as it stands (the store question hands two doubles to a key of
  # 32-bit pairs); the later fix of that one line (10b5b90), which no analysis reads, goes on it.
  if grep -q 'addPair(appliedSolution.purity' "$tree/src/document/StoreQuestion.cpp"; then
    git -C "$here" show 10b5b90 -- src/document/StoreQuestion.cpp | git -C "$tree" apply
  fi
  (cd "$tree" && cmake --preset default -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null)
fi
old=$(git -C "$tree" rev-parse --short HEAD)
cmake --build "$tree/build" -j 2 --target "${targets[@]}" >/dev/null

"$build/bin/varn-cli" --root "$tmp/demo" demo-data --refs 10 >/dev/null 2>&1
filter='BM_AlleleAnalysisOneArray|BM_JointFit|BM_AlleleDecoding|BM_FitAndDecodingNewSample'
bench() { # bench BIN_DIR PROGRAM: name<TAB>wall ms per benchmark (each program makes its own demo)
  "$1/$2" --benchmark_filter="$filter" --benchmark_format=csv 2>/dev/null |
    awk -F, '$1 ~ /^"?BM_/ { gsub(/"/, "", $1); print $1 "\t" $3 }'
}
analyse() { # analyse VARN_CLI ROOT: wall seconds of one allele analysis of Tumor3 on Xba
  local start; start=$(date +%s.%N)
  "$1" --root "$2" analyze --pool "$2/XbaPool.ref" --signal "$2/tumorsampleX/Tumor3X.txt" \
    --calls "$2/SNPtumorsampleX/Tumor3X.txt" --purity auto --ploidy auto --decoder alleles --baf --segments \
    >/dev/null 2>&1
  echo "$(date +%s.%N) - $start" | bc
}
cp -al "$tmp/demo" "$tmp/old-root"
cp -al "$tmp/demo" "$tmp/new-root"
: >"$tmp/times.tsv"
for round in $(seq "$rounds"); do
  for side in old new; do
    dir=$([ $side = old ] && echo "$tree/build/bin" || echo "$build/bin")
    for program in bench_alleles bench_allele_hmm; do
      bench "$dir" $program | sed "s/^/$side\t/" >>"$tmp/times.tsv"
    done
    printf '%s\tvarn-cli analyze (ms)\t%s\n' $side "$(analyse "$dir/varn-cli" "$tmp/$side-root" | awk '{ print $1 * 1000 }')" \
      >>"$tmp/times.tsv"
  done
done
cmp -s "$tmp/old-root/segments/Tumor3X.segments.tsv" "$tmp/new-root/segments/Tumor3X.segments.tsv" &&
  same=yes || same=no

echo "before: $old; now: $(git -C "$here" rev-parse --short HEAD); fastest of $rounds rounds, alternating, ms"
awk -F'\t' '{ k = $2; if (!(k in order)) { order[k] = ++n; names[n] = k }
              if (!((k, $1) in best) || $3 < best[k, $1]) best[k, $1] = $3 }
  END { printf "%-44s %10s %10s %8s\n", "", "before", "now", "now/before"
        for (i = 1; i <= n; ++i) { k = names[i]
          printf "%-44s %10.1f %10.1f %8.2f\n", k, best[k, "old"], best[k, "new"], best[k, "new"] / best[k, "old"] } }' \
  "$tmp/times.tsv"
echo "the two analyses' segment tables are the same: $same"
