#!/usr/bin/env bash
# scripts/soak.sh [SEED] [COMMANDS]: a long random walk through the editor session (default: a
# random seed, 100000 commands). A failure prints its seed and the shortest command sequence that
# still fails, and the script exits 1.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target session_soak
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
TESSARINE_DATA_DIR="$build/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
  XDG_STATE_HOME="$home/state" XDG_DATA_HOME="$home/data" SDL_AUDIODRIVER=dummy \
  "$build/bin/session_soak" "$@"
