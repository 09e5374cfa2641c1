#!/usr/bin/env bash
# Builds VARN and runs it on the demo installation, which is generated on the first run into
# ./demo/VARN (git-ignored).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

root="$PWD/demo/VARN"
if [ ! -f "$root/data/IDH3.txt" ]; then
  echo "Making the demo installation in $root"
  ./build/bin/varn-cli --root "$root" demo-data
else
  echo "Demo installation: $root"
fi
