#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the editor need. Idempotent: when all
# packages are present it changes nothing and needs no network.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libtbb-dev
  libsdl2-dev libopenmpt-dev python3
  libepoxy-dev libegl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri
  qt6-base-dev xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
