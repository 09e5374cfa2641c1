#!/usr/bin/env bash
# VARN on a real tumour/normal pair (Debian's r-cran-pscbs) and on its dilutions with its own
# normal, judged by compare_calls.R. Skipped (status 77) where R or PSCBS is not installed.
#
#   realdata_test.sh VARN-CLI SOURCE-DIR
set -euo pipefail
cli=$1
here=$2
if ! command -v Rscript >/dev/null || ! Rscript -e 'quit(status = !requireNamespace("PSCBS", quietly = TRUE))' 2>/dev/null; then
  echo "skipped: R with PSCBS (Debian's r-cran-pscbs) is not installed"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

Rscript "$here/pscbs_pair.R" "$work/tables"
mkdir -p "$work/root"
: > "$work/purities"
for mix in "pair 1" "mix70 0.7" "mix50 0.5" "mix30 0.3"; do
  set -- $mix
  "$cli" --root "$work/root" profile "$work/tables/$1.tsv" --build hg18 --segments > /dev/null 2> "$work/$1.err" ||
    { cat "$work/$1.err"; exit 1; }
  grep 'Tumour cells' "$work/$1.err"
  # "Tumour cells 66 % (64–67 %), ..." or "Tumour cells: cannot tell (...)": NA
  percent=$(sed -n 's/.*Tumour cells \([0-9][0-9]*\) %.*/\1/p' "$work/$1.err")
  echo "$1 $2 $(awk -v p="${percent:-NA}" 'BEGIN { print (p == "NA" ? "NA" : p / 100) }')" >> "$work/purities"
done
Rscript "$here/compare_calls.R" "$work/tables" "$work/root/segments" "$work/purities"
