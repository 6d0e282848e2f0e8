#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the benchmarks
# need, and any further packages named as arguments (the fuzzing and help
# picture scripts name theirs); does nothing when they are all present.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev libgl-dev qt6-svg-dev libsbml5-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libxbyak-dev
    libboost-dev
    libeigen3-dev
    xvfb xauth fonts-dejavu-core
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
