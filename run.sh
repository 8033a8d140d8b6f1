#!/usr/bin/env bash
# Installs what is missing, builds everything and shows the example project. Until the editor
# window exists this renders the example textures and a frame of each example scene to PNG with
# the command-line tool.
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

for pack in data/examples/*.tsc; do
  picture="out/$(basename "${pack%.tsc}").png"
  # A machine without OpenGL 3.3 says so and the textures above still stand.
  if build/bin/tessarine-cli render "$pack" --png "$picture"; then
    echo "Rendered a frame of $pack to $(pwd)/$picture"
  fi
done
