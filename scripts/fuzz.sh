#!/usr/bin/env bash
# Runs one reader's fuzz target for a long campaign on one core: scripts/fuzz.sh TARGET [SECONDS]
# (default 1800). New corpus entries stay in build-fuzz/fuzz/corpus/TARGET for the next campaign;
# an input that breaks the contract, crashes or takes over a second lands in
# build-fuzz/fuzz/findings/. Targets: complex_pack texture_text material_file scene_layer
# sample_file sample_pack sample_log window_scheme recent_files.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET [SECONDS]" >&2
  exit 2
fi
target=$1
seconds=${2:-1800}
command -v clang++ >/dev/null || { echo "fuzzing needs clang (scripts/deps.sh installs it)" >&2; exit 1; }

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARINE_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --target fuzz_seeds "fuzz_$target"
build-fuzz/bin/fuzz_seeds build-fuzz/fuzz

mapfile -t options < "build-fuzz/fuzz/$target.options"
mapfile -t inputs < "build-fuzz/fuzz/$target.inputs"
exec "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=1 "${options[@]}" "${inputs[@]}"
