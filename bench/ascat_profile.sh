#!/usr/bin/env bash
# ASCAT (Debian's r-other-ascat: ascat.loadData, ascat.aspcf, ascat.runAscat) beside VARN's whole
# profile analysis on the same profile of SNPS SNPs (default 2,500,000): the demo's final-report
# tumour Tumor8 (a man's tumour, 50 % normal cells) and its normal as demo-report writes them.
# Wall time and peak resident memory of each come from /usr/bin/time -v, in one run.
#   VARN:  varn-cli profile TUMOUR --normal NORMAL --segments: both reports read, the joint fit,
#          the allele-specific decoding and the segments written (fastest of ROUNDS, default 3).
#   ASCAT: the same SNPs as its tumour and germline LogR and BAF files (written from the reports
#          beforehand and not timed: in genome order, the chromosomes 1..22 and X), segmented by
#          ascat.aspcf (penalty 70, its default) and fitted by ascat.runAscat at gamma 1 (an
#          Illumina array's log ratio is not compressed), run once.
# ASCAT takes minutes and about 2 GB at 2.5 million SNPs: run this on an otherwise quiet machine.
#   [SNPS=N] [ROUNDS=3] bench/ascat_profile.sh [VARN_CLI]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=$(readlink -f "${1:-$here/build/bin/varn-cli}")
snps=${SNPS:-2500000}
rounds=${ROUNDS:-3}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cli" demo-report --snps "$snps" --out "$tmp/Tumor8.txt" --normal "$tmp/Tumor8N.txt" --truth "$tmp/truth.txt" >/dev/null

# A final report's rows (SNP Name, Sample ID, Allele1/2 - AB, GC Score, Chr, Position, Log R Ratio,
# B Allele Freq) as ASCAT's two files of one sample.
ascat_files() { # ascat_files REPORT SAMPLE PREFIX
  awk -F'\t' 'data && ($6 ~ /^([0-9]+|X)$/) && $6 != "0" && !seen[$1]++ { print $1 "\t" $6 "\t" $7 "\t" $8 "\t" $9 }
              $1 == "SNP Name" { data = 1 }' "$1" |
    sort -t$'\t' -k2,2V -k3,3n >"$3.rows"
  { printf '\tChr\tPosition\t%s\n' "$2"; cut -f1-4 "$3.rows"; } >"$3.LogR.txt"
  { printf '\tChr\tPosition\t%s\n' "$2"; cut -f1-3,5 "$3.rows"; } >"$3.BAF.txt"
  rm "$3.rows"
}
ascat_files "$tmp/Tumor8.txt" Tumor8 "$tmp/tumour"
ascat_files "$tmp/Tumor8N.txt" Tumor8 "$tmp/germline"

cat >"$tmp/ascat.R" <<'EOF'
args <- commandArgs(trailingOnly = TRUE)
suppressMessages(suppressWarnings(library(ASCAT)))
setwd(args[1])
quiet <- function(x) suppressMessages(suppressWarnings(x))
sink("/dev/null")
obj <- quiet(ascat.loadData(Tumor_LogR_file = "tumour.LogR.txt", Tumor_BAF_file = "tumour.BAF.txt",
                            Germline_LogR_file = "germline.LogR.txt", Germline_BAF_file = "germline.BAF.txt",
                            chrs = c(1:22, "X"), gender = "XY"))
obj <- quiet(ascat.aspcf(obj, seed = 1))
fit <- quiet(ascat.runAscat(obj, gamma = 1))
sink()
cat(sprintf("%.2f\t%.2f\n", fit$purity, fit$ploidy))
EOF

# measure LOG COMMAND...: runs it under /usr/bin/time -v; prints wall seconds and peak MB.
measure() {
  local log=$1; shift
  /usr/bin/time -v "$@" >"$log.out" 2>"$log"
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; ++i) s = s * 60 + t[i] }
              /Maximum resident set size/ { kb = $2 } END { printf "%.2f\t%.0f\n", s, kb / 1024 }' "$log"
}

varn_best= varn_mb=
for round in $(seq "$rounds"); do
  rm -rf "$tmp/root" && mkdir "$tmp/root"
  read -r s mb < <(measure "$tmp/varn.log" "$cli" --root "$tmp/root" profile "$tmp/Tumor8.txt" --normal "$tmp/Tumor8N.txt" --segments)
  if [ -z "$varn_best" ] || awk -v a="$s" -v b="$varn_best" 'BEGIN { exit !(a < b) }'; then varn_best=$s; fi
  if [ -z "$varn_mb" ] || [ "$mb" -gt "$varn_mb" ]; then varn_mb=$mb; fi
done
varn_fit=$(grep -m1 'Tumour cells' "$tmp/varn.log" | sed 's/^varn-cli profile: //')
read -r ascat_s ascat_mb < <(measure "$tmp/ascat.log" Rscript "$tmp/ascat.R" "$tmp")
read -r ascat_purity ascat_ploidy <"$tmp/ascat.log.out"
planted=$(head -1 "$tmp/truth.txt" | tr '\t' '\n' | grep '=' | tr '\n' ' ')

echo "Tumor8 with its normal, $snps SNPs ($(du -m "$tmp/Tumor8.txt" | cut -f1) MB of final report each)"
printf '%-46s %10s %12s\n' "" "wall s" "peak MB"
printf '%-46s %10.2f %12d\n' "VARN: varn-cli profile (fastest of $rounds)" "$varn_best" "$varn_mb"
printf '%-46s %10.2f %12d\n' "ASCAT: loadData + aspcf + runAscat (once)" "$ascat_s" "$ascat_mb"
awk -v v="$varn_best" -v a="$ascat_s" 'BEGIN { printf "VARN is %.1f times as fast as ASCAT\n", a / v }'
echo "VARN:  $varn_fit"
echo "ASCAT: purity $ascat_purity, ploidy $ascat_ploidy"
echo "planted: $planted"
