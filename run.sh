#!/usr/bin/env bash
# Builds VARN and makes the demo installation once, into ./demo/VARN (git-ignored), then prints
# what the installation holds.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

root="$PWD/demo/VARN"
if [ ! -f "$root/HindPool.ref" ]; then
  echo "Making the demo installation in $root"
  rm -rf "$root"
  ./build/bin/varn-cli --root "$root" demo-data
else
  echo "Demo installation (already made): $root"
fi
echo
echo "What it holds:"
(
  cd "$root"
  for d in data sampledataX sampledataH tumorsampleX tumorsampleH SNPtumorsampleX SNPtumorsampleH truth \
           "temporary files" "Self temporary files" IGBfiles RawData; do
    printf '  %-22s %3d files  %s\n' "$d/" "$(find "$d" -type f | wc -l)" "$(du -sh "$d" | cut -f1)"
  done
  for f in XbaPool.ref HindPool.ref; do printf '  %-22s %s\n' "$f" "$(du -h "$f" | cut -f1)"; done
  printf '  %-22s beside the root\n' "../VARN View/"
)
