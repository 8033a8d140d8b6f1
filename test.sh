#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then builds the libraries
# without Qt and GL with AddressSanitizer and UndefinedBehaviorSanitizer and runs their tests,
# then, where clang is installed, runs every file reader's fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARINE_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs" -L unit

if command -v clang++ >/dev/null; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARINE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
  cmake --build build-fuzz -j "$jobs" --target fuzz_all
  ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz
fi
