#!/usr/bin/env bash
# Installs what is missing, builds everything (editor, player, command-line tool) and starts the
# editor on the example project.
# Arguments go to the editor in place of the example (for example another pack).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

if [ $# -eq 0 ]; then
  set -- data/examples/demo.tsc
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the editor needs a desktop session (or run it under xvfb-run)." >&2
  exit 1
fi
exec build/bin/tessarine "$@"
