#!/usr/bin/env bash
# Installs what is missing, builds everything and shows the example project. Until the editor
# window exists this renders the example textures to PNG with the command-line tool.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

mkdir -p out
for texture in data/examples/*.ttx; do
  picture="out/$(basename "${texture%.ttx}").png"
  build/bin/tessarine-cli texture "$texture" --png "$picture"
  echo "Rendered $texture to $(pwd)/$picture"
done
