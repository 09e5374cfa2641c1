#!/usr/bin/env bash
# Builds VARN and runs it on the demo installation, which is generated on the first run into
# ./demo/VARN (git-ignored). With a display the window opens with the Xba demo pool loaded; without
# one, a demo analysis runs with varn-cli and its displays are written as PNG pictures.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

root="$PWD/demo/VARN"
if [ ! -f "$root/HindPool.ref" ] || [ ! -f "$root/truth/Tumor7.txt" ]; then
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
  for d in data sampledataX sampledataH referencecallsX referencecallsH tumorsampleX tumorsampleH \
           SNPtumorsampleX SNPtumorsampleH truth \
           "temporary files" "Self temporary files" IGBfiles RawData; do
    printf '  %-22s %3d files  %s\n' "$d/" "$(find "$d" -type f | wc -l)" "$(du -sh "$d" | cut -f1)"
  done
  for f in XbaPool.ref HindPool.ref; do printf '  %-22s %s\n' "$f" "$(du -h "$f" | cut -f1)"; done
  printf '  %-22s beside the root\n' "../VARN View/"
)

if [ -x ./build/bin/varn ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening VARN with the Xba pool $root/XbaPool.ref"
  exec ./build/bin/varn --root "$root" "$root/XbaPool.ref"
fi

# No display: the same analyses without a window, and pictures of what the window would show.
plots="$PWD/demo/plots"
mkdir -p "$plots"
echo "No display: running a demo analysis of Tumor1 (Xba) with varn-cli"
./build/bin/varn-cli --root "$root" analyze --pool "$root/XbaPool.ref" \
  --signal "$root/tumorsampleX/Tumor1X.txt" --calls "$root/SNPtumorsampleX/Tumor1X.txt" --region chr2 \
  --plot-compensation "$plots/mode7-compensation.png" --plot "$plots/mode4-genome.png" \
  --plot-chromosomes "$plots/mode5-Tumor1X"
./build/bin/varn-cli --root "$root" paired --array xba \
  --tumor-signal "$root/tumorsampleX/Tumor1X.txt" --tumor-calls "$root/SNPtumorsampleX/Tumor1X.txt" \
  --normal-signal "$root/sampledataX/Tumor1NX.txt" --normal-calls "$root/sampledataX/Tumor1NX_snp.txt" \
  --plot "$plots/mode21-paired.png"
echo
echo "Plots written to $plots:"
echo "  mode7-compensation.png    display mode 7, the compensation plots File New opens on"
echo "  mode4-genome.png          display mode 4, the Xba genome against the pool"
echo "  mode5-Tumor1X-ch*.png     display mode 5, each chromosome (ch1 .. ch22, chX)"
echo "  mode21-paired.png         display mode 21, the genome against the paired normal"
