#!/usr/bin/env bash
# VARN beside ASCAT on every demo tumour: each tumour on Xba, on Hind and both arrays merged,
# analysed by varn-cli with the allele analysis (--baf: ASCAT's LogR / BAF files, the segment
# table with nMajor / nMinor / loh.alleles, the LOH score track), then ASCAT (Debian's
# r-other-ascat) on the very same LogR / BAF files, and both scored against the truth files
# (compare_ascat.R prints the tables). It takes minutes (ASCAT's segmentation of every sample).
#   [TUMOURS="Tumor3 Tumor6"] [BASELINE=planted] bench/compare_ascat.sh [VARN_CLI] [DEMO_ROOT] [GAMMAS]
# DEMO_ROOT is a demo installation (varn-cli --root DIR demo-data); its alleles/, segments/,
# IGBfiles/ and temporary files/ receive VARN's files, ascat-fits/ ASCAT's fits (reused while the
# LogR / BAF files stay the same). GAMMAS are ASCAT's log-ratio compressions to fit with,
# comma-separated, the first also used for the LOH table; default 0.7,0.55: the compression the
# demo arrays show (a lost copy in a pure tumour reads about 0.7 of log2(1/2)) and ASCAT's default.
# Each tumour's baseline region is the short arm of chromosome 1. VARN fits the tumour cell
# fraction and the ploidy together (--purity auto --ploidy auto: the data decide the region's copy
# number); with BASELINE=planted, or a varn-cli without --ploidy, the region is set at its planted
# copy number as a user sets it today and only the fraction is estimated (--purity auto). Where
# varn-cli has --decoder, the states are the allele-specific HMM's (--decoder alleles).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=$(readlink -f "${1:-$here/build/bin/varn-cli}")
root=$(readlink -f "${2:-${VARN_ROOT:-$HOME/VARN}}")
gammas=${3:-0.7,0.55}
[ -d "$root/truth" ] || { echo "compare_ascat.sh: $root is not a demo installation (no truth/)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fit=(--purity auto --ploidy auto)
# The help read whole: grep -q leaving early would break the pipe (a failure under pipefail).
help=$("$cli" analyze --help 2>&1)
if [ "${BASELINE:-}" = planted ] || ! grep -q -- --ploidy <<<"$help"; then fit=(--purity auto); fi
decoder=()
if grep -q -- --decoder <<<"$help"; then decoder=(--decoder alleles); fi

# The solution a run printed ("Tumour cells 69 % (68–71 %), ploidy 2.08 (2.05–2.10), ... — fit 96 %";
# without the ploidy fit only the first part): the fraction, the ploidy and the fit, tab-separated.
solution() {
  local line; line=$(grep -m1 'Tumour cells' "$1" || true)
  printf '%s\t%s\t%s' "$(sed -n 's/.*Tumour cells \([0-9]*\) %.*/\1/p' <<<"$line" | awk '{ printf "%.2f", $1 / 100 }')" \
    "$(sed -n 's/.*ploidy \([0-9.]*\).*/\1/p' <<<"$line")" "$(sed -n 's/.*fit \([0-9]*\) %.*/\1/p' <<<"$line")"
}

list=$work/list.tsv
printf 'name\ttumour\tarray\tp\tpsi\tfit\tlogr\tbaf\tsegments\tlohtrack\ttruth\n' >"$list"
entry() { # entry NAME TUMOUR ARRAY LOG SAMPLE
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$(solution "$4")" "$root/alleles/$5.LogR.txt" \
    "$root/alleles/$5.BAF.txt" "$root/segments/$5.segments.tsv" "$root/IGBfiles/${5}LOH.sgr" "$root/truth/$2.txt" >>"$list"
}
for t in ${TUMOURS:-$(ls "$root/truth" | sed -n 's/\.txt$//p')}; do
  truth=$root/truth/$t.txt
  base=2
  [ ${#fit[@]} = 4 ] || base=$(awk -F'\t' 'NR > 1 && $1 == 1 && $2 == 1 { print $4 }' "$truth")
  for a in X H; do
    pool=$([ $a = X ] && echo Xba || echo Hind)
    "$cli" --root "$root" analyze --pool "$root/${pool}Pool.ref" --signal "$root/tumorsample$a/$t$a.txt" \
      --calls "$root/SNPtumorsample$a/$t$a.txt" --region chr1:1-100000000 --base-copy "$base" "${fit[@]}" "${decoder[@]}" \
      --store --tracks --segments --baf >"$work/$t$a.log" 2>&1
    entry "$t$a" "$t" "$pool" "$work/$t$a.log" "$t$a"
  done
  "$cli" --root "$root" merged --pool "$root/XbaPool.ref" --pool "$root/HindPool.ref" \
    --xba-temp "$root/temporary files/${t}X.temp" --hind-temp "$root/temporary files/${t}H.temp" "${fit[@]}" "${decoder[@]}" \
    --tracks --segments --baf >"$work/$t.log" 2>&1
  entry "$t" "$t" "merged" "$work/$t.log" "${t}Xand${t}H"
done
Rscript "$here/bench/compare_ascat.R" "$list" "$work/ascat" "$gammas" "$root/ascat-fits"
