#!/usr/bin/env bash
# Draws the pictures of the reference solution, the reaction rates and the
# "ln c" axis for the README (docs/screenshots) and the User's Guide
# (help/images) with velumbra-batch plot, from presets with one kinetics view
# setting added:
#   kinetics-reference  01 First-order decay, time step 0.5, reference shown
#   kinetics-rates      04 Reversible reaction and equilibrium, reaction rates
#   kinetics-ln         01 First-order decay on the "ln c" axis
# Usage: bash scripts/kinetics-view-pictures.sh [BATCH]   (default: the
# release build's velumbra-batch, built first).
set -euo pipefail
cd "$(dirname "$0")/.."

batch=${1:-}
if [ -z "$batch" ]; then
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/release -j2 --target velumbra-batch
    batch=build/release/bin/velumbra-batch
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Adds a key to the session's kinetics view (lines end with CR LF).
with_key() {
    sed -e "s|^     </kinetics view>|          $2\r\n     </kinetics view>|" "$1"
}

decay="presets/01 First-order decay.vsn"
with_key "$decay" "reference solution=true" | sed -e 's/time resolution=1e-3/time resolution=0.5/' \
    >"$work/reference.vsn"
with_key "presets/04 Reversible reaction and equilibrium.vsn" "reaction rates=true" >"$work/rates.vsn"
with_key "$decay" "y scale=1" >"$work/ln.vsn"

for scene in reference rates ln; do
    "$batch" plot "$work/$scene.vsn" -o "help/images/kinetics-$scene.png" --size 640x360
done
cp help/images/kinetics-reference.png docs/screenshots/kinetics-reference-coarse.png
cp help/images/kinetics-rates.png docs/screenshots/kinetics-rates-equilibrium.png
cp help/images/kinetics-ln.png docs/screenshots/kinetics-ln-first-order.png
